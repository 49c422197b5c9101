#include "app/dialogs/dlg_gen_config.h"

#include <QCollator>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFontDialog>
#include <algorithm>
#include <vector>

#include "app/flows/program_names.h"
#include "app/translations.h"
#include "caldata/calendar_text.h"
#include "caldata/regions.h"
#include "compute/language_table.h"
#include "compute/week_start.h"
#include "ui_dlg_gen_config.h"

namespace tessolar {

CDlgGenConfig::CDlgGenConfig(ConfigChoices& choices, QWidget* parent)
    : QDialog(parent), choices_(choices), font_(choices.font), ui_(new Ui::DlgGenConfig) {
  ui_->setupUi(this);
  setMinimumWidth(fontMetrics().averageCharWidth() * 72);

  ui_->spinYear->setRange(kMinCalendarYear, kMaxCalendarYear);
  ui_->spinYear->setValue(choices.year);
  for (int month = 0; month < kMonthsPerYear; ++month)
    ui_->comboStartMonth->addItem(Translated(MonthPhrase(month)));
  ui_->comboStartMonth->setCurrentIndex(choices.startMonth);
  for (int language = 0; language < kLanguageCount; ++language)
    ui_->comboLanguage->addItem(Translated(LanguagePhrase(language)));
  for (int country = 0; country < kCountryCount; ++country)
    ui_->comboCountry->addItem(Translated(CountryPhrase(country)));
  ui_->comboLanguage->setCurrentIndex(choices.language);
  ui_->comboCountry->setCurrentIndex(choices.country);
  for (const int weekday : {kMondayFirst, kSundayFirst})
    ui_->comboWeekStart->addItem(Translated(WeekdayPhrase(weekday)), weekday);
  ShowFirstWeekday(choices.firstWeekday);
  ShowRegions(choices.country, choices.region);
  // Another country brings its usual first day, its custom on week numbers
  // and the whole country; the person may still change them.
  connect(ui_->comboCountry, qOverload<int>(&QComboBox::activated), this, [this](int country) {
    ShowFirstWeekday(UsualFirstWeekday(country));
    ui_->checkWeekNumbers->setChecked(UsualWeekNumbers(country));
    ShowRegions(country, "");
  });
  ShowFont();
  ShowClipartFolder(QFile::decodeName(choices.clipartDirectory.c_str()));
  ui_->checkHebrew->setChecked(choices.hebrew);
  ui_->checkEquinox->setChecked(choices.equinox);
  ui_->checkFullMoons->setChecked(choices.fullMoons);
  ui_->checkMoonPhases->setChecked(choices.moonPhases);
  ui_->checkChristian->setChecked(choices.christian);
  ui_->checkNational->setChecked(choices.national);
  ui_->checkDaysOff->setChecked(choices.markDaysOff);
  ui_->checkWeekNumbers->setChecked(choices.weekNumbers);

  connect(ui_->buttonFont, &QPushButton::clicked, this, &CDlgGenConfig::ChooseFont);
  connect(ui_->buttonBrowse, &QPushButton::clicked, this, &CDlgGenConfig::ChooseClipartFolder);
  ui_->spinYear->setFocus();
  ui_->spinYear->selectAll();
}

CDlgGenConfig::~CDlgGenConfig() = default;

void CDlgGenConfig::done(int result) {
  // The spin box keeps its last valid year while its text holds no number.
  choices_.year = ui_->spinYear->value();
  choices_.startMonth = ui_->comboStartMonth->currentIndex();
  if (const int language = ui_->comboLanguage->currentIndex(); language >= 0)
    choices_.language = language;
  if (const int country = ui_->comboCountry->currentIndex(); country >= 0)
    choices_.country = country;
  choices_.region = ui_->comboRegion->currentData().toString().toStdString();
  choices_.firstWeekday = ui_->comboWeekStart->currentData().toInt();
  choices_.hebrew = ui_->checkHebrew->isChecked();
  choices_.equinox = ui_->checkEquinox->isChecked();
  choices_.fullMoons = ui_->checkFullMoons->isChecked();
  choices_.moonPhases = ui_->checkMoonPhases->isChecked();
  choices_.christian = ui_->checkChristian->isChecked();
  choices_.national = ui_->checkNational->isChecked();
  choices_.markDaysOff = ui_->checkDaysOff->isChecked();
  choices_.weekNumbers = ui_->checkWeekNumbers->isChecked();
  choices_.font = font_;
  choices_.clipartDirectory = QFile::encodeName(ui_->editClipart->text()).toStdString();
  QDialog::done(result);
}

void CDlgGenConfig::ShowRegions(int country, const std::string& region) {
  struct Named {
    QString name;
    QString code;
  };
  std::vector<Named> regions;
  for (const Region& r : RegionsOf(country)) {
    regions.push_back({QCoreApplication::translate(r.name.context, r.name.source), r.code});
  }
  QCollator collator;
  std::sort(regions.begin(), regions.end(),
            [&](const Named& a, const Named& b) { return collator.compare(a.name, b.name) < 0; });
  ui_->comboRegion->clear();
  ui_->comboRegion->addItem(tr("Whole country"), QString());
  for (const Named& r : regions) ui_->comboRegion->addItem(r.name, r.code);
  const int index = ui_->comboRegion->findData(QString::fromStdString(region));
  ui_->comboRegion->setCurrentIndex(index < 0 ? 0 : index);
  // A country without regions has the whole country only.
  ui_->comboRegion->setEnabled(!regions.empty());
}

void CDlgGenConfig::ChooseFont() {
  bool ok = false;
  const QFont font = QFontDialog::getFont(&ok, QFont(QString::fromStdString(font_)), this,
                                          tr("Font for Calendar Body"));
  if (ok && !font.family().isEmpty()) {
    font_ = font.family().toStdString();
    ShowFont();
  }
}

void CDlgGenConfig::ChooseClipartFolder() {
  QString folder =
      QFileDialog::getExistingDirectory(this, tr("Pick a Directory"), ui_->editClipart->text());
  if (folder.isEmpty()) return;
  if (!folder.endsWith('/')) folder += '/';
  ShowClipartFolder(folder);
}

// A long path shows from its start, and whole in the tooltip.
void CDlgGenConfig::ShowClipartFolder(const QString& folder) {
  ui_->editClipart->setText(folder);
  ui_->editClipart->setCursorPosition(0);
  ui_->editClipart->setToolTip(folder);
}

void CDlgGenConfig::ShowFirstWeekday(int weekday) {
  ui_->comboWeekStart->setCurrentIndex(ui_->comboWeekStart->findData(weekday));
}

void CDlgGenConfig::ShowFont() {
  ui_->buttonFont->setText(font_.empty() ? tr("Font for Calendar Body")
                                         : QString::fromStdString(font_));
}

}  // namespace tessolar
