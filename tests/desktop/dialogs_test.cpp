// The dialogs as the flows meet them: through QtUserPrompts, answered by
// acting on whatever modal dialog is showing.
#include <QBuffer>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <functional>

#include "app/dialogs/dlg_import_preview.h"
#include "app/qt_user_prompts.h"

namespace tessolar {
namespace {

// Acts on the modal dialog of type Dialog as soon as its event loop runs. A
// dialog still open afterwards (a check failed half-way) is closed, so a
// failure never leaves the test waiting.
template <typename Dialog>
void WhenShown(std::function<void(Dialog&)> act) {
  QTimer::singleShot(0, [act] {
    QWidget* shown = QApplication::activeModalWidget();
    if (auto* dialog = qobject_cast<Dialog*>(shown)) act(*dialog);
    if (shown && shown->isVisible()) shown->close();
  });
}

template <typename Widget>
Widget* Child(QDialog& dialog, const char* name) {
  auto* widget = dialog.findChild<Widget*>(name);
  if (!widget) qFatal("no %s in %s", name, qPrintable(dialog.objectName()));
  return widget;
}

}  // namespace

class DialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void configurationWritesBackHoweverClosed_data() {
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("typedYear");
    QTest::addColumn<int>("year");
    QTest::newRow("OK with a new year") << true << "2031" << 2031;
    QTest::newRow("Cancel with a new year") << false << "2031" << 2031;
    QTest::newRow("OK with no number") << true << "" << 2024;
  }
  void configurationWritesBackHoweverClosed() {
    QFETCH(bool, ok);
    QFETCH(QString, typedYear);
    QFETCH(int, year);
    ConfigChoices choices;
    choices.year = 2024;
    choices.country = 2;
    choices.hebrew = true;
    choices.font = "Serif";
    choices.clipartDirectory = "/pictures/";
    choices.startMonth = 8;
    WhenShown<QDialog>([&](QDialog& dialog) {
      auto* startMonth = Child<QComboBox>(dialog, "comboStartMonth");
      QCOMPARE(startMonth->currentText(), "September");
      startMonth->setCurrentIndex(1);
      QCOMPARE(Child<QComboBox>(dialog, "comboLanguage")->count(), 6);
      QCOMPARE(Child<QComboBox>(dialog, "comboLanguage")->itemText(5), "Italian");
      QCOMPARE(Child<QComboBox>(dialog, "comboCountry")->itemText(13), "Austria");
      QCOMPARE(Child<QComboBox>(dialog, "comboCountry")->currentText(), "United Kingdom");
      QCOMPARE(Child<QPushButton>(dialog, "buttonFont")->text(), "Serif");
      auto* spin = Child<QSpinBox>(dialog, "spinYear");
      spin->selectAll();
      QTest::keyClick(spin, Qt::Key_Backspace);
      QTest::keyClicks(spin, typedYear);
      Child<QComboBox>(dialog, "comboLanguage")->setCurrentIndex(2);
      Child<QCheckBox>(dialog, "checkHebrew")->click();
      Child<QCheckBox>(dialog, "checkNational")->click();
      ok ? dialog.accept() : dialog.reject();
    });
    QtUserPrompts prompts(nullptr);
    QCOMPARE(prompts.RunConfiguration(choices), ok);
    QCOMPARE(choices.year, year);
    QCOMPARE(choices.startMonth, 1);
    QCOMPARE(choices.language, 2);
    QCOMPARE(choices.country, 2);
    QVERIFY(!choices.hebrew && choices.national && !choices.equinox);
    QCOMPARE(choices.font, "Serif");
    QCOMPARE(choices.clipartDirectory, "/pictures/");
  }

  // The regions of the chosen country by name after "Whole country"; another
  // country offers its own, from the whole country.
  void configurationRegionFollowsTheCountry() {
    ConfigChoices choices;
    choices.year = 2027;
    choices.country = 2;
    choices.region = "GB-SCT";
    WhenShown<QDialog>([&](QDialog& dialog) {
      auto* country = Child<QComboBox>(dialog, "comboCountry");
      auto* region = Child<QComboBox>(dialog, "comboRegion");
      QCOMPARE(region->count(), 4);
      QCOMPARE(region->itemText(0), "Whole country");
      QCOMPARE(region->itemText(1), "England and Wales");
      QCOMPARE(region->currentText(), "Scotland");
      country->setCurrentIndex(4);
      emit country->activated(4);
      QCOMPARE(region->count(), 1);
      QVERIFY(!region->isEnabled());
      country->setCurrentIndex(6);
      emit country->activated(6);
      QCOMPARE(region->count(), 17);
      QCOMPARE(region->currentIndex(), 0);
      region->setCurrentIndex(region->findText("Bavaria"));
      dialog.accept();
    });
    QtUserPrompts prompts(nullptr);
    QVERIFY(prompts.RunConfiguration(choices));
    QCOMPARE(choices.country, 6);
    QCOMPARE(choices.region, "DE-BY");
  }

  // Qt's font dialog has no colour, so the colour has a chooser of its own.
  void titleColourAndFontRoundTrip() {
    TitleFields fields;
    fields.fontColor = "#00FF00";
    fields.fontSize = 40;
    fields.fontFace = "DejaVu Sans";
    fields.x = 300;
    fields.y = 200;
    fields.width = 500;
    fields.pictureIndex = 12;
    fields.pictureNames = {std::string("January"), std::string("February")};
    QString chosenFace;
    WhenShown<QDialog>([&](QDialog& dialog) {
      WhenShown<QColorDialog>([](QColorDialog& colors) {
        QCOMPARE(colors.currentColor(), QColor(Qt::green));
        colors.setCurrentColor(Qt::red);
        colors.accept();
      });
      Child<QToolButton>(dialog, "buttonColor")->click();
      QCOMPARE(Child<QLineEdit>(dialog, "editColor")->text(), "#ff0000");
      WhenShown<QFontDialog>([&](QFontDialog& fonts) {
        QCOMPARE(fonts.currentFont().pointSize(), 40);
        fonts.setCurrentFont(QFont("DejaVu Serif", 28));
        chosenFace = fonts.currentFont().family();
        fonts.accept();
      });
      Child<QPushButton>(dialog, "buttonFont")->click();
      Child<QLineEdit>(dialog, "editX")->setText("");
      Child<QLineEdit>(dialog, "editWidth")->setText("wide");
      dialog.accept();
    });
    QtUserPrompts prompts(nullptr);
    QVERIFY(prompts.RunTitle(fields));
    QCOMPARE(fields.fontColor, "#ff0000");
    QCOMPARE(fields.fontSize, 28);
    QCOMPARE(QString::fromStdString(fields.fontFace), chosenFace);
    QCOMPARE(fields.x, 0u);
    QCOMPARE(fields.y, 200u);
    QCOMPARE(fields.width, 0u);
    QCOMPARE(fields.pictureIndex, 0u);  // shown as the first picture
  }

  // The dialog shows what it is given and hands back what is typed; what an
  // empty field means is the flow's to say.
  void bigPictureFields_data() {
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("storedDescription");
    QTest::addColumn<QString>("storedFile");
    QTest::newRow("typed") << true << "Lake"
                           << "lake.jpg"
                           << "Lake"
                           << "lake.jpg";
    QTest::newRow("cleared") << true << ""
                             << ""
                             << ""
                             << "";
    QTest::newRow("cancelled") << false << "Lake"
                               << "lake.jpg"
                               << "Harbour"
                               << "harbour.jpg";
  }
  void bigPictureFields() {
    QFETCH(bool, ok);
    QFETCH(QString, description);
    QFETCH(QString, file);
    BigPictureFields fields{"Harbour", "harbour.jpg", ""};
    WhenShown<QDialog>([&](QDialog& dialog) {
      auto* descriptionEdit = Child<QLineEdit>(dialog, "editDescription");
      auto* fileEdit = Child<QLineEdit>(dialog, "editFileName");
      QCOMPARE(descriptionEdit->text(), "Harbour");
      QCOMPARE(fileEdit->text(), "harbour.jpg");
      descriptionEdit->setText(description);
      fileEdit->setText(file);
      ok ? dialog.accept() : dialog.reject();
    });
    QtUserPrompts prompts(nullptr);
    QCOMPARE(prompts.RunBigPicture(fields), ok);
    QTEST(QString::fromStdString(fields.description), "storedDescription");
    QTEST(QString::fromStdString(fields.fileName), "storedFile");
  }

  // A picture from the clip-art folder keeps a bare name, one from elsewhere its path.
  void bigPictureBrowse_data() {
    QTest::addColumn<QString>("folder");
    QTest::newRow("clip-art folder") << "clipart";
    QTest::newRow("elsewhere") << "other";
  }
  void bigPictureBrowse() {
    QFETCH(QString, folder);
    QTemporaryDir root;
    QVERIFY(QDir(root.path()).mkpath(folder));
    const QString picture = root.filePath(folder + "/lake.jpg");
    QFile(picture).open(QIODevice::WriteOnly);
    BigPictureFields fields;
    fields.clipartDirectory = root.filePath("clipart/").toStdString();
    WhenShown<QDialog>([&](QDialog& dialog) {
      WhenShown<QFileDialog>([&](QFileDialog& files) {
        files.selectFile(picture);
        QMetaObject::invokeMethod(&files, "accept");  // protected in QFileDialog
      });
      Child<QPushButton>(dialog, "buttonBrowse")->click();
      dialog.accept();
    });
    QtUserPrompts prompts(nullptr);
    QVERIFY(prompts.RunBigPicture(fields));
    QCOMPARE(QString::fromStdString(fields.fileName), folder == "clipart" ? "lake.jpg" : picture);
  }

  void saveDialogSuffix_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("saved");
    QTest::newRow("suggested name") << ""
                                    << "old.cal";
    QTest::newRow("no suffix") << "family"
                               << "family.cal";
    QTest::newRow("own suffix") << "family.cal"
                                << "family.cal";
    QTest::newRow("capital suffix") << "family.CAL"
                                    << "family.CAL";
  }
  void saveDialogSuffix() {
    QFETCH(QString, typed);
    QFETCH(QString, saved);
    QTemporaryDir folder;
    WhenShown<QFileDialog>([&](QFileDialog& dialog) {
      if (!typed.isEmpty()) dialog.selectFile(typed);
      QMetaObject::invokeMethod(&dialog, "accept");  // protected in QFileDialog
    });
    QtUserPrompts prompts(nullptr);
    const std::string path = prompts.ChooseCalendarToSave(folder.filePath("old.cal").toStdString());
    QCOMPARE(QString::fromStdString(path), folder.filePath(saved));
  }

  // The preview edits the plan: checks through the checkboxes, a yearly type
  // through its list; OK is off while nothing or more than fits is checked.
  void importPreviewEditsThePlanAndKeepsToTheRoom() {
    ImportPlan plan;
    for (int i = 0; i < 3; ++i) {
      ImportCandidate candidate;
      candidate.entry = DatedEntry(i, 10, 1990, i == 2 ? kPersonalEvent : kAnniversary,
                                   "Person " + std::to_string(i), kNoPicture);
      plan.candidates.push_back(candidate);
    }
    QByteArray png;
    QBuffer buffer(&png);
    QImage(96, 64, QImage::Format_RGB32).save(&buffer, "PNG");
    plan.candidates[0].photoBytes = png.toStdString();
    plan.skipped.push_back({"Cleo", {std::string("the date 1999-02-31 does not exist")}});
    plan.room = 2;
    CDlgImportPreview dialog(plan, "people.vcf", nullptr);
    QAbstractItemModel* model = dialog.Table()->model();
    QVERIFY(!dialog.OkButton()->isEnabled());  // 3 checked, room for 2
    QVERIFY(dialog.RoomText().contains("Uncheck 1"));
    QVERIFY(!model->data(model->index(0, 3), Qt::DecorationRole).value<QPixmap>().isNull());

    QVERIFY(model->setData(model->index(1, 0), Qt::Unchecked, Qt::CheckStateRole));
    QVERIFY(!plan.candidates[1].checked);
    QVERIFY(dialog.OkButton()->isEnabled());
    QVERIFY(model->flags(model->index(0, 1)) & Qt::ItemIsEditable);
    QVERIFY(!(model->flags(model->index(2, 1)) & Qt::ItemIsEditable));
    QVERIFY(model->setData(model->index(0, 1), uint32_t{kBirthday}, Qt::EditRole));
    QVERIFY(!model->setData(model->index(0, 1), uint32_t{kPersonalEvent}, Qt::EditRole));
    QCOMPARE(plan.candidates[0].entry.type, uint32_t{kBirthday});

    for (const char* button : {"Uncheck All", "Check All"}) {
      for (QPushButton* b : dialog.findChildren<QPushButton*>()) {
        if (b->text().remove('&') == button) b->click();
      }
      QCOMPARE(plan.CheckedCount(), std::string(button) == "Check All" ? 3u : 0u);
      QVERIFY(!dialog.OkButton()->isEnabled());
    }
  }
};

}  // namespace tessolar

QTEST_MAIN(tessolar::DialogsTest)
#include "dialogs_test.moc"
