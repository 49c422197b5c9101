// The event and pick dialogs, headless: what they hand back to the flows.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "app/dialogs/dlg_modify_event.h"
#include "app/dialogs/dlg_pick_from.h"

namespace tessolar {

class EventDialogsTest : public QObject {
  Q_OBJECT

 private:
  template <typename Widget>
  static Widget* Find(QWidget& dialog, const char* name) {
    Widget* widget = dialog.findChild<Widget*>(name);
    if (widget == nullptr) qFatal("no %s", name);
    return widget;
  }

 private slots:
  void FloatingEntryShowsItsRuleAndFixedClearsIt() {
    CCalDatabase calendar;
    calendar.SetYear(2025);
    CDlgModifyEvent dialog(calendar, nullptr);
    CalEntry entry;
    entry.month = 0;
    entry.day = 20;
    entry.weekCode = 43;
    entry.weekday = 1;
    entry.year = entry.enteredYear = 1990;
    entry.type = kPersonalEvent;
    entry.description = "Club";
    entry.pictureFile = "null";
    dialog.SetEntry(entry, false);
    QVERIFY(Find<QRadioButton>(dialog, "variableRadio")->isChecked());
    QCOMPARE(Find<QComboBox>(dialog, "weekOfMonthList")->currentText(), QString("Third"));
    QCOMPARE(Find<QComboBox>(dialog, "weekdayList")->currentText(), QString("Monday"));
    QVERIFY(!Find<QLineEdit>(dialog, "dayEdit")->isEnabled());
    QCOMPARE(dialog.Entry().day, 20);  // third Monday of January 2025

    Find<QComboBox>(dialog, "weekOfMonthList")->setCurrentIndex(4);  // last Monday
    QCOMPARE(dialog.Entry().day, 27);
    Find<QRadioButton>(dialog, "fixedRadio")->click();
    QCOMPARE(dialog.Entry().weekCode, 0);
    QCOMPARE(dialog.Entry().day, 20);
  }

  void BadDayKeepsTheDialogOpenUntilFixed() {
    CCalDatabase calendar;
    calendar.SetYear(2025);
    CDlgModifyEvent dialog(calendar, nullptr);
    CalEntry entry;
    entry.month = 1;
    entry.day = 3;
    entry.type = kBirthday;
    entry.showAge = 1;
    entry.year = entry.enteredYear = 2025;
    dialog.SetEntry(entry, true);
    QVERIFY(!Find<QPushButton>(dialog, "deleteButton")->isEnabled());
    Find<QLineEdit>(dialog, "descriptionEdit")->setText("Ann\tLee");
    Find<QLineEdit>(dialog, "yearEdit")->setText("2015");
    QCOMPARE(Find<QLineEdit>(dialog, "captionEdit")->text(), QString("Ann Lee turns 10"));

    Find<QLineEdit>(dialog, "dayEdit")->setText("31");
    dialog.open();
    Find<QPushButton>(dialog, "okButton")->click();
    QVERIFY(dialog.isVisible());
    QVERIFY(Find<QLabel>(dialog, "problemLabel")->text().contains("February 2025 has no day 31"));
    Find<QLineEdit>(dialog, "dayEdit")->setText("28");
    QVERIFY(Find<QLabel>(dialog, "problemLabel")->isHidden());
    Find<QPushButton>(dialog, "okButton")->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));

    const CalEntry out = dialog.Entry();
    QCOMPARE(out.day, 28);
    QCOMPARE(out.year, 2015);
    QCOMPARE(out.enteredYear, 2015);
    QCOMPARE(out.description, std::string("Ann Lee"));
    QCOMPARE(out.pictureFile, std::string("null"));
    QVERIFY(!dialog.DeleteChosen());
  }

  void PickDialogsStartOnTheFirstChoiceAndCountTheLastAsZero() {
    CDlgPickFrom3 pick(nullptr, "Ann & Bob are 25", "Cy's B'day", "New Entry");
    QCOMPARE(pick.Choice(), 1);
    const QList<QRadioButton*> buttons = pick.findChildren<QRadioButton*>();
    QCOMPARE(buttons.size(), 3);
    QCOMPARE(buttons[0]->text(), QString("Ann && Bob are 25"));  // "&" shown, not a shortcut
    buttons[1]->click();
    QCOMPARE(pick.Choice(), 2);
    buttons[2]->click();
    QCOMPARE(pick.Choice(), 0);
  }
};

}  // namespace tessolar

QTEST_MAIN(tessolar::EventDialogsTest)
#include "event_dialogs_test.moc"
