#include "app/flows/dialog_flows.h"

#include <vector>

#include "app/flows/program_names.h"
#include "caldata/calendar_text.h"

namespace tessolar {
namespace {

constexpr char kNone[] = "none";

std::string OrNone(const std::string& text) { return text.empty() ? kNone : text; }

ConfigChoices ChoicesOf(const CCalDatabase& db) {
  ConfigChoices c;
  c.year = db.Year();
  c.startMonth = db.StartMonth();
  c.language = db.Language();
  c.country = db.Country();
  c.region = db.Region();
  c.firstWeekday = db.FirstWeekday();
  c.hebrew = db.Hebrew();
  c.equinox = db.Equinox();
  c.fullMoons = db.FullMoons();
  c.moonPhases = db.MoonPhases();
  c.christian = db.Christian();
  c.national = db.National();
  c.markDaysOff = db.MarkDaysOff();
  c.weekNumbers = db.WeekNumbers();
  c.font = db.FontMainBody();
  c.clipartDirectory = db.ClipartDirectory();
  return c;
}

// What the dialog changes at once, whether it ends with OK or Cancel.
void ApplyLiveChoices(CCalDatabase& db, const ConfigChoices& c) {
  db.SetHebrew(c.hebrew);
  db.SetEquinox(c.equinox);
  db.SetFullMoons(c.fullMoons);
  db.SetMoonPhases(c.moonPhases);
  db.SetChristian(c.christian);
  db.SetNational(c.national);
  db.SetFontMainBody(c.font);
  db.SetClipartDirectory(c.clipartDirectory);
}

}  // namespace

bool RunConfigurationFlow(CalendarDocument& doc, UserPrompts& prompts) {
  CCalDatabase& db = doc.Db();
  ConfigChoices choices = ChoicesOf(db);
  doc.SetDialogYear(db.Year());
  const bool ok = prompts.RunConfiguration(choices);
  ApplyLiveChoices(db, choices);
  // A year no calendar file can hold is never taken.
  const bool yearValid = choices.year >= kMinCalendarYear && choices.year <= kMaxCalendarYear;
  if (yearValid) doc.SetDialogYear(choices.year);
  if (!ok) return false;

  const int year = doc.DialogYear();
  std::vector<CalEntry> hidden;
  if (year != db.Year() || choices.startMonth != db.StartMonth() ||
      choices.country != db.Country() || choices.region != db.Region() ||
      choices.language != db.Language()) {
    hidden = db.GetHiddenEntries();
    doc.BuildYear(db.Year(), true);
    db.SetYear(year);
    db.SetStartMonth(choices.startMonth);
  }
  db.SetCountry(choices.country);
  db.SetRegion(choices.region);
  db.SetLanguage(choices.language);
  db.SetFirstWeekday(choices.firstWeekday);
  db.SetMarkDaysOff(choices.markDaysOff);
  db.SetWeekNumbers(choices.weekNumbers);
  doc.BuildYear(year, false);
  db.RedateFloatingEntries();
  db.RestoreHiddenByDescription(hidden);
  return true;
}

bool RunTitleFlow(CCalDatabase& db, UserPrompts& prompts) {
  TitleFields f;
  // The store keeps every value within its limits, so the dialog opens on them as they are.
  f.pictureIndex = db.TitlePictureIndex();
  f.x = db.TitleXPos();
  f.y = db.TitleYPos();
  f.width = db.TitleWidth();
  f.fontSize = static_cast<int>(db.TitleFontSize());
  f.title = db.Title().empty() ? "Blank Title" : db.Title();
  f.fontFace = db.TitleFontStyle();
  f.fontColor = db.TitleFontColor();
  for (int slot = 0; slot < kBigPictureCount; ++slot) {
    const std::string& description = db.BigPictureAt(slot).description;
    const bool named = !description.empty() && description.find("null") == std::string::npos;
    f.pictureNames.push_back(named ? UserText(description) : MonthPhrase(slot));
  }
  if (!prompts.RunTitle(f)) return false;
  db.SetTitlePictureIndex(f.pictureIndex);
  db.SetTitleXPos(f.x);
  db.SetTitleYPos(f.y);
  db.SetTitleWidth(f.width);
  if (f.fontSize >= 0) db.SetTitleFontSize(static_cast<uint32_t>(f.fontSize));
  db.SetTitle(f.title);
  db.SetTitleFontStyle(f.fontFace);
  db.SetTitleFontColor(f.fontColor);
  return true;
}

bool RunBigPictureFlow(CCalDatabase& db, UserPrompts& prompts, int slot,
                       const std::string* droppedFile) {
  if (slot < 0 || slot >= kBigPictureCount) return false;
  const BigPicture& current = db.BigPictureAt(slot);
  BigPictureFields fields{OrNone(current.description),
                          OrNone(droppedFile ? *droppedFile : current.pictureFile),
                          db.ClipartDirectory()};
  if (!prompts.RunBigPicture(fields)) return false;
  db.SetBigPicture(slot, OrNone(fields.fileName), OrNone(fields.description));
  return true;
}

}  // namespace tessolar
