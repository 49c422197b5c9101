// The program in German, as a person with a German desktop (LANG=de_DE.UTF-8)
// starts it: the translations load as main() loads them, and the menus,
// dialogs, the flows' questions and Qt's own buttons speak German.
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>
#include <functional>
#include <tuple>

#include "app/dialogs/dlg_gen_config.h"
#include "app/dialogs/dlg_modify_event.h"
#include "app/dialogs/import_plan_model.h"
#include "app/flows/event_entry_check.h"
#include "app/main_frame.h"
#include "app/translations.h"
#include "compute/week_start.h"

namespace tessolar {
namespace {

// The title, labels and buttons of the dialog that `open` shows, which then closes.
QStringList TextsOfDialog(const std::function<void()>& open) {
  QStringList texts;
  QTimer::singleShot(0, [&texts] {
    QWidget* shown = QApplication::activeModalWidget();
    if (!shown) return;
    texts << shown->windowTitle();
    for (const QLabel* label : shown->findChildren<QLabel*>()) texts << label->text();
    for (const QAbstractButton* button : shown->findChildren<QAbstractButton*>())
      texts << button->text();
    shown->close();
  });
  open();
  return texts;
}

}  // namespace

class TranslationsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QCOMPARE(InstallTranslations(*qApp), "de_DE");
    // The calendar opened below leaves a recovery file, which a later run would offer back.
    QVERIFY(state_.isValid());
    qputenv("XDG_STATE_HOME", state_.path().toUtf8());
  }

  void menusAndDialogsSpeakGerman() {
    CMainFrame frame;
    QStringList menus;
    for (const QAction* menu : frame.menuBar()->actions()) menus << menu->text();
    QCOMPARE(menus, QStringList({"&Datei", "&Bearbeiten", "&Seite", "&Hilfe"}));
    // The welcome page, before any calendar, speaks it too.
    const CCalDatabase& db = frame.Document().Db();
    QCOMPARE(std::make_tuple(db.Language(), db.Country(), db.FirstWeekday()), std::make_tuple(2, 6, 1));

    const QStringList about = TextsOfDialog([&frame] {
      for (QAction* action : frame.findChildren<QAction*>()) {
        if (action->text() == "Ü&ber Tessolar…") action->trigger();
      }
    });
    QVERIFY2(about.contains("Über Tessolar") && about.contains("Tessolar Version 4.0.34"),
             qPrintable(about.join(" | ")));
  }

  // With an English calendar open, what the program lists and explains still
  // speaks German; only the event dialog's caption, page text, stays English.
  void listsAndTooltipsFollowTheDesktopNotTheCalendar() {
    CMainFrame frame;
    QSignalSpy loaded(frame.View(), &QWebEngineView::loadFinished);
    frame.Start(TESSOLAR_SOURCE_DIR "/resources/sample.cal");
    QVERIFY(loaded.wait(15000));
    QCOMPARE(frame.Document().Db().Language(), 0);
    QStringList tips;
    for (const QAction* action : frame.findChild<QToolBar*>("pages")->actions())
      tips << action->toolTip();
    QVERIFY2(tips.contains("Kalendereinstellungen ändern") && tips.contains("Januar 2027"),
             qPrintable(tips.join(" | ")));

    ConfigChoices choices;
    choices.firstWeekday = kSundayFirst;
    const CDlgGenConfig config(choices);
    QStringList configTexts;
    for (const char* name : {"comboLanguage", "comboCountry", "comboWeekStart"})
      configTexts << config.findChild<QComboBox*>(name)->currentText();
    QCOMPARE(configTexts, QStringList({"Englisch", "Vereinigte Staaten", "Sonntag"}));

    CCalDatabase calendar;
    calendar.SetYear(2025);
    CDlgModifyEvent event(calendar, nullptr);
    event.SetEntry(DatedEntry(0, 20, 2015, kBirthday, "Ann", kNoPicture), false);
    const auto list = [&event](const char* name) { return event.findChild<QComboBox*>(name); };
    QCOMPARE(list("monthList")->currentText(), "Januar");
    QCOMPARE(list("typeList")->currentText(), "Geburtstag");
    QCOMPARE(list("weekOfMonthList")->itemText(2) + " " + list("weekdayList")->itemText(1),
             "Dritter Montag");
    QCOMPARE(event.findChild<QLineEdit*>("captionEdit")->text(), "Ann turns 10");
    QCOMPARE(Translated(CheckEventEntry(1, true, "31", "1985", 2025).message),
             "Im Februar 2025 gibt es keinen Tag 31: Geben Sie einen Tag von 1 bis 28 ein.");
    QCOMPARE(ImportPlanModel::TypeName(kSoberAnniversary), "Abstinenzjubiläum");
  }

  // A flow's question: its English source translated, its value put in after,
  // and the yes/no buttons from Qt's own German.
  void aFlowsQuestionSpeaksGerman() {
    QtUserPrompts prompts(nullptr);
    const QStringList shown = TextsOfDialog([&prompts] {
      prompts.AskYesNo({TESSOLAR_TEXT("CalendarLocks",
                                      "%1 is open in another Tessolar (process %2). Open it here "
                                      "as well? Each may then save over the other's changes."),
                        {std::string("/tmp/%2.cal"), std::string("42")}});
    });
    QVERIFY2(shown.contains("/tmp/%2.cal ist in einem anderen Tessolar geöffnet (Prozess 42). Hier "
                            "ebenfalls öffnen? Dann kann jedes von beiden die Änderungen des "
                            "anderen überschreiben."),
             qPrintable(shown.join(" | ")));
    QVERIFY2(shown.contains("&Ja") && shown.contains("&Nein"), qPrintable(shown.join(" | ")));
  }

  // LANGUAGE's list first, then the first of LC_ALL, LC_MESSAGES and LANG.
  void desktopLanguagesComeInTheirOrder_data() {
    QTest::addColumn<QStringList>("environment");  // LANGUAGE, LC_ALL, LC_MESSAGES, LANG
    QTest::addColumn<QStringList>("languages");
    QTest::newRow("LANG") << QStringList{"", "", "", "de_DE.UTF-8"} << QStringList{"de_DE"};
    QTest::newRow("LC_MESSAGES over LANG")
        << QStringList{"", "", "es_MX.UTF-8", "de_DE.UTF-8"} << QStringList{"es_MX"};
    QTest::newRow("LC_ALL over both")
        << QStringList{"", "C.UTF-8", "es_MX", "de_DE"} << QStringList{"en"};
    QTest::newRow("LANGUAGE first")
        << QStringList{"fr:es_ES@euro:", "de_DE", "", ""} << QStringList{"fr", "es_ES", "de_DE"};
  }
  void desktopLanguagesComeInTheirOrder() {
    QFETCH(QStringList, environment);
    QFETCH(QStringList, languages);
    const char* names[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
    for (int i = 0; i < 4; ++i) qputenv(names[i], environment[i].toUtf8());
    QCOMPARE(DesktopLanguages(), languages);
  }

 private:
  QTemporaryDir state_;
};

}  // namespace tessolar

QTEST_MAIN(tessolar::TranslationsTest)
#include "translations_test.moc"
