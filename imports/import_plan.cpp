#include "imports/import_plan.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <unordered_map>

#include "caldata/calendar_text.h"
#include "compute/date_arithmetic.h"

namespace tessolar {

namespace {

constexpr size_t kMaxPhotoNameBytes = 64;

bool DateExists(const CardDate& date) {
  if (date.month < 1 || date.month > 12 || date.day < 1) return false;
  if (date.year == 0) return date.day <= DaysInMonth(date.month - 1, 2000);  // 29 February may come
  return date.year >= kMinCalendarYear && date.year <= kMaxCalendarYear &&
         date.day <= DaysInMonth(date.month - 1, date.year);
}

void AddDay(ImportPlan& plan, const VCardPerson& person, const CardDate& date, uint32_t type,
            const CalendarSpan& span) {
  if (!date.present) return;
  if (!date.readable || !DateExists(date)) {
    plan.skipped.push_back({person.name, {TESSOLAR_TEXT("ImportPlan", "the date %1 does not exist"), {date.text}}});
    return;
  }
  ImportCandidate candidate;
  candidate.yearKnown = date.year != 0;
  // A day without a year is dated in the year its month has in the calendar.
  const int year = candidate.yearKnown ? date.year : span.YearOf(date.month - 1);
  candidate.entry = DatedEntry(date.month - 1, date.day, year, type, person.name, kNoPicture);
  candidate.entry.showAge = candidate.yearKnown ? 1 : 0;
  candidate.entry.enteredYear = candidate.entry.year;
  if (person.photo.present && person.photo.problem.Empty()) {
    candidate.photoBytes = person.photo.bytes;
    candidate.photoExtension = person.photo.extension;
  } else if (person.photo.present) {
    candidate.note = {TESSOLAR_TEXT("ImportPlan", "comes without its picture: %1"), {person.photo.problem}};
  }
  plan.candidates.push_back(std::move(candidate));
}

// A file name from a person's name: letters, digits, spaces, '-' and '_'
// stay, anything else (slashes and dots among them) becomes '_'.
std::string SafeStem(const std::string& name) {
  std::string stem;
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    const bool keep = byte >= 0x80 || std::isalnum(byte) || c == ' ' || c == '-' || c == '_';
    stem += keep ? c : '_';
  }
  if (stem.size() > kMaxPhotoNameBytes) {
    size_t cut = kMaxPhotoNameBytes;
    while (cut > 0 && (static_cast<unsigned char>(stem[cut]) & 0xC0) == 0x80) --cut;
    stem.resize(cut);
  }
  const size_t first = stem.find_first_not_of(' ');
  if (first == std::string::npos) return "photo";
  return stem.substr(first, stem.find_last_not_of(' ') - first + 1);
}

// Writes `bytes` to a new file in `folder` named after `stem`; never replaces
// a file that is there. Returns its path, or empty on failure.
std::string WriteNewFile(const std::filesystem::path& folder, const std::string& stem,
                         const std::string& extension, const std::string& bytes) {
  for (int n = 1; n < 1000; ++n) {
    const std::string name = stem + (n == 1 ? "" : " " + std::to_string(n)) + "." + extension;
    const std::filesystem::path path = folder / name;
    std::FILE* file = std::fopen(path.c_str(), "wbx");
    if (!file) {
      if (errno == EEXIST) continue;
      return {};
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (std::fclose(file) == 0 && written) return path.string();
    std::filesystem::remove(path);
    return {};
  }
  return {};
}

}  // namespace

uint32_t ImportPlan::CheckedCount() const {
  uint32_t count = 0;
  for (const ImportCandidate& candidate : candidates) count += candidate.checked ? 1 : 0;
  return count;
}

void MarkAlreadyThere(ImportPlan& plan, const CCalDatabase& db) {
  for (ImportCandidate& candidate : plan.candidates) {
    for (uint32_t i = 0; i < db.Count() && !candidate.alreadyThere; ++i) {
      const CalEntry& held = *db.EntryAt(i);
      candidate.alreadyThere = held.month == candidate.entry.month && held.day == candidate.entry.day &&
                               held.description == candidate.entry.description;
    }
    candidate.checked = !candidate.alreadyThere;
  }
  plan.room = kMaxEntries - db.Count();
}

ImportPlan PlanPeopleImport(const std::vector<VCardPerson>& people, const CCalDatabase& db) {
  ImportPlan plan;
  for (const VCardPerson& person : people) {
    if (person.name.empty()) {
      plan.skipped.push_back({"", {TESSOLAR_TEXT("ImportPlan", "a card without a name")}});
    } else if (!person.birthday.present && !person.anniversary.present) {
      plan.skipped.push_back({person.name, {TESSOLAR_TEXT("ImportPlan", "no birthday or anniversary")}});
    }
    if (person.name.empty()) continue;
    AddDay(plan, person, person.birthday, kBirthday, db.Span());
    AddDay(plan, person, person.anniversary, kAnniversary, db.Span());
  }
  MarkAlreadyThere(plan, db);
  return plan;
}

std::string PhotoFolderFor(const std::string& calendarPath) {
  const std::filesystem::path path = std::filesystem::absolute(calendarPath);
  return (path.parent_path() / (path.stem().string() + " pictures")).string();
}

bool ApplyImportPlan(const ImportPlan& plan, CCalDatabase& db, const std::string& calendarPath,
                     UserText* error, std::vector<std::string>* photosWritten) {
  const uint32_t checked = plan.CheckedCount();
  if (checked > kMaxEntries - db.Count()) {
    *error = {TESSOLAR_TEXT("ImportPlan", "%1 entries are checked, but the calendar has room for %2."),
              {std::to_string(checked), std::to_string(kMaxEntries - db.Count())}};
    return false;
  }
  const std::filesystem::path folder = PhotoFolderFor(calendarPath);
  std::vector<CalEntry> entries;
  std::vector<std::string> written;
  std::unordered_map<std::string_view, std::string> byPhoto;
  for (const ImportCandidate& candidate : plan.candidates) {
    if (!candidate.checked) continue;
    entries.push_back(candidate.entry);
    if (candidate.photoBytes.empty()) continue;
    // A person's birthday and anniversary share one photo file.
    if (const auto same = byPhoto.find(candidate.photoBytes); same != byPhoto.end()) {
      entries.back().pictureFile = same->second;
      continue;
    }
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    const std::string path =
        WriteNewFile(folder, SafeStem(candidate.entry.description), candidate.photoExtension, candidate.photoBytes);
    if (path.empty()) {
      for (const std::string& done : written) std::filesystem::remove(done, ec);
      *error = {TESSOLAR_TEXT("ImportPlan", "The picture of %1 cannot be written to %2."),
                {candidate.entry.description, folder.string()}};
      return false;
    }
    written.push_back(path);
    byPhoto.emplace(candidate.photoBytes, path);
    entries.back().pictureFile = path;
  }
  db.AppendEntries(entries);
  if (photosWritten) *photosWritten = std::move(written);
  return true;
}

}  // namespace tessolar
