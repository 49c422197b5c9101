#include "app/flows/entry_editing.h"

#include <string>

#include "app/flows/dialog_flows.h"
#include "caldata/captions.h"
#include "pages/title_pages.h"
#include "pages/plain_pages.h"

namespace tessolar {
namespace {

// What a new entry on a day starts as: a birthday with its age shown.
CalEntry NewEntryOn(int month, int day, int year) {
  CalEntry entry = DatedEntry(month, day, year, kBirthday, {}, {});
  entry.enteredYear = entry.year;
  return entry;
}

// A change's name with the entry's description in it.
UserText Named(Phrase phrase, const CalEntry& entry) { return {phrase, {entry.description}}; }

}  // namespace

bool EntryEditing::ValidIndex(int index) {
  if (index >= 0 && static_cast<uint32_t>(index) < doc_.Db().Count()) return true;
  prompts_.ShowMessage(TESSOLAR_TEXT("EntryEditing", "did not find index in database"));
  return false;
}

bool EntryEditing::HasRoom() {
  if (doc_.Db().Count() < kMaxEntries) return true;
  prompts_.ShowMessage(
      {TESSOLAR_TEXT("EntryEditing",
                     "The calendar is full: it holds %1 entries. Delete one to add another."),
       {std::to_string(kMaxEntries)}});
  return false;
}

bool EntryEditing::AddEntryOnDay(int month, int day) {
  if (!HasRoom()) return false;
  CCalDatabase& db = doc_.Db();
  // Dated in the year the month has in the calendar the dialog last named.
  const CalendarSpan span{doc_.DialogYear(), db.StartMonth()};
  CalEntry entry = NewEntryOn(month, day, span.YearOf(month));
  if (prompts_.RunEvent(entry, db, true) != EventAnswer::kOk) return false;
  doc_.NameChange(Named(TESSOLAR_TEXT("EntryEditing", "Add ‘%1’"), entry));
  db.SaveHolidayData(entry);
  db.SortAndCompact();
  pages_.CalendarChanged();
  return true;
}

bool EntryEditing::ChangeEntry(int index) {
  if (!ValidIndex(index)) return false;
  CCalDatabase& db = doc_.Db();
  const CalEntry original = *db.EntryAt(static_cast<uint32_t>(index));
  CalEntry entry = original;
  switch (prompts_.RunEvent(entry, db, false)) {
    case EventAnswer::kOk:
      doc_.NameChange(Named(TESSOLAR_TEXT("EntryEditing", "Change ‘%1’"), original));
      // In place, whatever its slot: the edit never adds a copy.
      db.PutEntry(entry, static_cast<uint32_t>(index));
      break;
    case EventAnswer::kDelete:
      doc_.NameChange(Named(TESSOLAR_TEXT("EntryEditing", "Delete ‘%1’"), original));
      db.RemoveHolidayData(original.month, original.day, original.year, original.type,
                           original.description, original.pictureFile);
      break;
    case EventAnswer::kCancel:
      return false;
  }
  db.SortAndCompact();
  pages_.CalendarChanged();
  return true;
}

bool EntryEditing::HideEntry(int index) {
  if (!ValidIndex(index)) return false;
  doc_.NameChange(
      Named(TESSOLAR_TEXT("EntryEditing", "Hide ‘%1’"), *doc_.Db().EntryAt(static_cast<uint32_t>(index))));
  doc_.Db().SetEntryHidden(static_cast<uint32_t>(index), true);
  pages_.CalendarChanged();
  return true;
}

bool EntryEditing::DeleteEntry(int index) {
  if (!ValidIndex(index)) return false;
  CCalDatabase& db = doc_.Db();
  const CalEntry entry = *db.EntryAt(static_cast<uint32_t>(index));
  if (!prompts_.AskYesNo({TESSOLAR_TEXT("EntryEditing", "Delete ‘%1’?"), {entry.description}})) {
    return false;
  }
  doc_.NameChange(Named(TESSOLAR_TEXT("EntryEditing", "Delete ‘%1’"), entry));
  db.RemoveHolidayData(entry.month, entry.day, entry.year, entry.type, entry.description,
                       entry.pictureFile);
  db.SortAndCompact();
  pages_.CalendarChanged();
  return true;
}

bool EntryEditing::ChooseEntryOfDay(int month, int day) {
  const CCalDatabase& db = doc_.Db();
  const std::vector<CalEntry> entries = db.GetEntriesOfDay(month, day);
  if (entries.empty()) return false;
  size_t picked = 0;
  if (entries.size() > 1) {
    std::vector<UserText> labels;
    for (const CalEntry& e : entries) labels.push_back(DropChoiceCaption(db, e));
    const int choice = prompts_.RunPick(labels);
    if (choice < 0) return false;
    picked = choice == 0 ? entries.size() - 1 : static_cast<size_t>(choice) - 1;
  }
  return ChangeEntry(static_cast<int>(entries[picked].index));
}

bool EntryEditing::ShowHiddenEntry(int index) {
  if (!ValidIndex(index)) return true;
  CCalDatabase& db = doc_.Db();
  doc_.NameChange(
      Named(TESSOLAR_TEXT("EntryEditing", "Show ‘%1’"), *db.EntryAt(static_cast<uint32_t>(index))));
  db.SetEntryHidden(static_cast<uint32_t>(index), false);
  pages_.WritePageOrSay(BuildHiddenEntriesPage(db));
  pages_.Choose(PageMode::kHiddenEvents);
  return true;
}

bool EntryEditing::ChangeBigPicture(int slot) {
  doc_.NameChange(TESSOLAR_TEXT("EntryEditing", "Change Big Picture"));
  if (!RunBigPictureFlow(doc_.Db(), prompts_, slot)) return false;
  if (!pages_.WritePageOrSay(pages_.BigPicturesPage())) return false;
  pages_.Choose(PageMode::kBigPictures);
  return true;
}

bool EntryEditing::ChangeTitle() {
  CCalDatabase& db = doc_.Db();
  doc_.NameChange(TESSOLAR_TEXT("EntryEditing", "Change Title Page"));
  if (!RunTitleFlow(db, prompts_)) return false;
  pages_.WritePageOrSay(BuildTitlePage(db));
  pages_.Choose(PageMode::kTitlePage);
  return true;
}

void EntryEditing::DropFiles(const std::vector<std::string>& files, const ClickToken& target) {
  if (files.empty()) return;
  doc_.NameChange(TESSOLAR_TEXT("EntryEditing", "Drop Picture"));
  const PageMode mode = pages_.State().currentPageMode;
  if (mode == PageMode::kBigPictures) {
    if (target.kind == TokenKind::kCalBigPic && target.first < kBigPictureCount &&
        RunBigPictureFlow(doc_.Db(), prompts_, target.first, &files.front())) {
      pages_.ShowBigPictures();
    }
    return;
  }
  if (mode != PageMode::kOneMonth) return;
  const int month = target.first;
  const int day = target.second;
  if (target.kind != TokenKind::kCalDate || month < 0 || month > 11 || day < 1 || day > 31) return;
  for (const std::string& file : files) DropOnDay(month, day, file);
}

void EntryEditing::DropOnDay(int month, int day, const std::string& file) {
  CCalDatabase& db = doc_.Db();
  const std::vector<CalEntry> entries = db.GetEntriesOfDay(month, day);
  // The picture goes to one of the day's entries or a new one; as with a
  // double-click, a day takes more than its cell shows.
  int choice = 0;
  if (!entries.empty()) {
    std::vector<UserText> labels;
    for (const CalEntry& e : entries) labels.push_back(DropChoiceCaption(db, e));
    labels.push_back(TESSOLAR_TEXT("EntryEditing", "New Entry"));
    choice = prompts_.RunPick(labels);
    if (choice < 0) return;
  }
  if (choice == 0) {
    if (!HasRoom()) return;
    CalEntry entry = NewEntryOn(month, day, db.Span().YearOf(month));
    entry.pictureFile = file;
    if (prompts_.RunEvent(entry, db, true) != EventAnswer::kOk) return;
    db.SaveHolidayData(entry);
  } else {
    CalEntry entry = entries[static_cast<size_t>(choice) - 1];
    entry.pictureFile = file;
    db.PutEntry(entry, entry.index);
  }
  db.SortAndCompact();
  pages_.Select(PageMode::kOneMonth);
}

}  // namespace tessolar
