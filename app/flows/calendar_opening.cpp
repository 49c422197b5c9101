#include "app/flows/calendar_opening.h"

#include <ctime>

#include "app/flows/dialog_flows.h"
#include "caldata/calendar_file.h"
#include "caldata/data_paths.h"
#include "caldata/regions.h"
#include "compute/week_start.h"

namespace tessolar {

int SystemCurrentYear() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local.tm_year + 1900;
}

bool CalendarOpening::NewCalendar() {
  if (!files_.ConfirmReplace()) return false;
  doc_.Reset();
  CCalDatabase& db = doc_.Db();
  // A calendar is mostly made for the year to come, where the person lives,
  // with the days off that people there plan around.
  db.SetYear(currentYear_() + 1);
  const LocaleCalendar local = CalendarForLocale(desktopLocale());
  db.SetLanguage(local.language);
  db.SetCountry(local.country);
  db.SetRegion(RegionOfZone(local.country, desktopZone()));
  db.SetFirstWeekday(local.firstWeekday);
  db.SetMarkDaysOff(true);
  db.SetWeekNumbers(UsualWeekNumbers(local.country));
  db.SetNational(true);
  db.SetChristian(true);
  db.SetHebrew(false);
  db.SetEquinox(false);
  db.SetFullMoons(false);
  db.SetMoonPhases(false);
  if (db.ClipartDirectory().empty()) db.SetClipartDirectory(ShippedClipartDirectory());
  if (!RunConfigurationFlow(doc_, prompts_)) {
    pages_.Choose(PageMode::kWelcome);
    return true;
  }
  pages_.SetMonth(doc_.Db().StartMonth());
  doc_.MarkStarted();
  pages_.Choose(PageMode::kOneMonth);
  return true;
}

bool CalendarOpening::Browse() {
  if (!files_.ConfirmReplace()) return false;
  const std::string path = prompts_.ChooseCalendarToOpen();
  return !path.empty() && Open(path, true, false);
}

bool CalendarOpening::OpenRecent(const std::string& path) {
  return files_.ConfirmReplace() && Open(path, false, true);
}

bool CalendarOpening::OpenDropped(const std::string& path) {
  return files_.ConfirmReplace() && Open(path, true, false);
}

bool CalendarOpening::Open(const std::string& path, bool addToRecent, bool forgetOnFailure) {
  if (mayOpen && !mayOpen(path)) return false;
  UserText reason;
  if (!doc_.Open(path, &reason)) {
    // The calendar in hand and its page stay; the welcome page is written
    // again, as it may list the file no more.
    prompts_.ShowMessage(
        {TESSOLAR_TEXT("CalendarOpening", "Could not open file (%1)\n%2"), {path, reason}});
    if (forgetOnFailure) recent_.Remove(path);
    if (pages_.State().currentPageMode != PageMode::kWelcome) return false;
    pages_.Choose(PageMode::kWelcome);
    return true;
  }
  pages_.SetMonth(doc_.Db().StartMonth());
  if (addToRecent) recent_.Add(path);
  if (const uint32_t leftOut = doc_.Db().EntriesLeftOut()) {
    prompts_.ShowMessage(
        {TESSOLAR_TEXT("CalendarOpening", "%1 Saving will not replace the file without asking."),
         {EntriesLeftOutMessage(path, leftOut)}});
  }
  for (const UserText& message : SettingsNotReadMessages(path, doc_.Db())) {
    prompts_.ShowMessage(message);
  }
  pages_.Choose(PageMode::kOneMonth);
  return true;
}

bool CalendarOpening::Configure() {
  doc_.NameChange(TESSOLAR_TEXT("CalendarOpening", "Change Configuration"));
  if (!RunConfigurationFlow(doc_, prompts_)) return false;
  doc_.MarkStarted();
  pages_.Choose(PageMode::kOneMonth);
  return true;
}

}  // namespace tessolar
