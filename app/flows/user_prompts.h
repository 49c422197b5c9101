#pragma once
// The one way the desktop flows talk to the user. The program answers with
// its Qt dialogs; tests answer from a script. Every Run… returns true for OK.
// Questions, messages and labels come as English texts with their values; the
// program shows them translated.

#include <cstdint>
#include <string>
#include <vector>

#include "caldata/cal_database.h"
#include "caldata/cal_entry.h"
#include "caldata/user_text.h"
#include "imports/import_plan.h"

namespace tessolar {

// What the configuration dialog edits. The dialog writes back what the user
// left in it however it was closed: include flags, font and clip-art folder
// changed before a Cancel stay changed, and the year typed last is the
// default year of new entries.
struct ConfigChoices {
  int year = 0;  // as last typed; unchanged while the year box holds no number
  int startMonth = 0;  // 0..11: the calendar runs twelve months from it
  int language = 0;  // 0..5
  int country = 0;   // 0..13
  std::string region;  // "DE-BY"; empty for the whole country
  int firstWeekday = 0;  // kSundayFirst or kMondayFirst
  bool hebrew = false;
  bool equinox = false;
  bool fullMoons = false;
  bool moonPhases = false;
  bool christian = false;
  bool national = false;
  bool markDaysOff = false;  // a public holiday's number in colour, the weekends tinted
  bool weekNumbers = false;  // each week row's ISO 8601 number
  std::string font;              // main body font
  std::string clipartDirectory;  // ends with "/" when chosen by Browse
};

// The title dialog's fields. The flow fills them from the calendar (clamped)
// and copies them back after OK.
struct TitleFields {
  uint32_t pictureIndex = 0;  // selection in `pictureNames`
  uint32_t x = 0;
  uint32_t y = 0;
  uint32_t width = 0;  // of the title's text box
  int fontSize = 0;    // points
  std::string title;
  std::string fontFace;
  std::string fontColor;  // "#rrggbb"
  // The twelve choices of the picture list: each picture's description, or
  // its month's name when it has none.
  std::vector<UserText> pictureNames;
};

// The big-picture dialog's two edits.
struct BigPictureFields {
  std::string description;
  std::string fileName;
  // The calendar's clip-art folder (read only): where a bare file name lives,
  // and where the picture chooser starts.
  std::string clipartDirectory;
};

enum class EventAnswer { kOk, kCancel, kDelete };

class UserPrompts {
 public:
  virtual ~UserPrompts() = default;

  virtual bool AskYesNo(const UserText& question) = 0;
  virtual void ShowMessage(const UserText& text) = 0;
  virtual bool RunConfiguration(ConfigChoices& choices) = 0;
  virtual bool RunTitle(TitleFields& fields) = 0;
  virtual bool RunBigPicture(BigPictureFields& fields) = 0;
  // The event dialog over `entry` of `calendar` (`isNew`: not stored yet). A
  // fixed day must be a day of its month in the calendar's year; bare picture
  // names come from its clip-art folder; lists are in its language.
  virtual EventAnswer RunEvent(CalEntry& entry, const CCalDatabase& calendar, bool isNew) = 0;
  // Which of `labels` (two or more) the user means: 1, 2, 3 … for the first
  // ones, 0 for the last; -1 when cancelled.
  virtual int RunPick(const std::vector<UserText>& labels) = 0;
  // A calendar file to open, or empty when the user cancelled.
  virtual std::string ChooseCalendarToOpen() = 0;
  // Where to save the calendar (starting at `suggested`, a path or empty), or
  // empty when the user cancelled. The user may name a new file.
  virtual std::string ChooseCalendarToSave(const std::string& suggested) = 0;
  // A vCard or iCalendar file to import into the calendar saved at `calendar`
  // (a path, or empty when never saved), or empty when the user cancelled.
  virtual std::string ChooseImportSource(const std::string& calendar) = 0;
  // The preview of an import: the user checks and unchecks candidates and
  // may change the type of a yearly one.
  virtual bool RunImportPreview(ImportPlan& plan) = 0;
  // Where to write the calendar as iCalendar (starting at `suggested`, a
  // path or a bare file name), or empty when the user cancelled.
  virtual std::string ChooseExportTarget(const std::string& suggested) = 0;
};

}  // namespace tessolar
