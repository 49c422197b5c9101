// File Import and Export as iCalendar over scripted answers.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/scripted_prompts.h"
#include "caldata/calendar_file.h"

namespace tessolar {
namespace {

namespace fs = std::filesystem;
using support::Session;

// Anna has a photo (a 1 × 1 PNG), Ben a birthday without a year and an
// anniversary, Cleo a date that does not exist.
constexpr char kPeople[] =
    "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Anna Berg\r\nBDAY:1990-03-14\r\n"
    "PHOTO;ENCODING=b;TYPE=PNG:"
    "iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAAAAAA6fptVAAAACklEQVR4nGNgAAAAAgAB\r\n"
    "END:VCARD\r\n"
    "BEGIN:VCARD\r\nVERSION:2.1\r\nN:Kraus;Ben\r\nBDAY:--0704\r\nX-ANNIVERSARY:20100620\r\nEND:"
    "VCARD\r\n"
    "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Cleo\r\nBDAY:19990231\r\nEND:VCARD\r\n";

std::string WriteFile(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
  return path.string();
}

std::string ReadFile(const fs::path& path) {
  std::ostringstream text;
  text << std::ifstream(path, std::ios::binary).rdbuf();
  return text.str();
}

// A saved calendar of 2027 that has Ben's birthday already, opened.
std::string OpenSavedCalendar(Session& s) {
  CCalDatabase db;
  db.SetYear(2027);
  db.SaveHolidayData(6, 4, 2027, kBirthday, "Ben Kraus", kNoPicture, 0, 0);
  const std::string path = (s.folder / "family.cal").string();
  EXPECT_EQ(SaveCalendarFile(db, path), 0);
  s.view.OpenCalendarFile(path);
  return path;
}

TEST(ImportFlows, PreviewThenOkAddsTheCheckedEntriesWithTheirPhotosAndCancelChangesNothing) {
  Session s;
  const std::string calendar = OpenSavedCalendar(s);
  const std::string source = WriteFile(s.folder / "people.vcf", kPeople);
  const uint32_t before = s.doc.Db().Count();

  s.prompts.paths.push_back(source);
  s.prompts.previews.push_back({nullptr, false});
  s.view.Import();
  ASSERT_EQ(s.prompts.lastPreview.candidates.size(), 3u);
  EXPECT_FALSE(s.prompts.lastPreview.candidates[1].checked);  // Ben's birthday is there
  ASSERT_EQ(s.prompts.lastPreview.skipped.size(), 1u);
  EXPECT_EQ(s.prompts.lastPreview.skipped[0].what, "Cleo");
  EXPECT_EQ(s.doc.Db().Count(), before);
  EXPECT_FALSE(s.doc.HasUnsavedChanges());
  EXPECT_FALSE(fs::exists(s.folder / "family pictures"));

  // OK, with Ben's anniversary made a sober anniversary in the preview.
  s.prompts.paths.push_back(source);
  s.prompts.previews.push_back(
      {[](ImportPlan& plan) { plan.candidates[2].entry.type = kSoberAnniversary; }, true});
  const int navigations = s.display.navigations;
  s.view.Import();
  EXPECT_EQ(s.doc.Db().Count(), before + 2);
  EXPECT_GT(s.display.navigations, navigations);
  EXPECT_TRUE(s.doc.HasUnsavedChanges());
  const std::vector<CalEntry> march = s.doc.Db().GetEntriesOfDay(2, 14);
  ASSERT_EQ(march.size(), 1u);
  EXPECT_EQ(march[0].pictureFile, (s.folder / "family pictures" / "Anna Berg.png").string());
  EXPECT_EQ(ReadFile(march[0].pictureFile).substr(1, 3), "PNG");
  EXPECT_EQ(s.doc.Db().GetEntriesOfDay(5, 20).at(0).type, uint32_t{kSoberAnniversary});
  EXPECT_TRUE(s.view.BeforeNavigate(s.PageUrlWith()).accept);  // March, with Anna's birthday
  EXPECT_NE(s.PageText().find("Anna Berg"), std::string::npos);

  // Imported entries are ordinary ones: saved and read back.
  s.prompts.answers.push_back(true);  // "Overwrite existing file?"
  ASSERT_TRUE(s.files.Save());
  CCalDatabase reread;
  ASSERT_EQ(LoadCalendarFile(reread, calendar), 1);
  EXPECT_EQ(reread.GetEntriesOfDay(2, 14).at(0).description, "Anna Berg");
}

TEST(ImportFlows, NothingChangesWithoutACalendarForABadSourceOrWhenThePhotosHaveNoFolder) {
  Session s;
  s.view.Import();
  ASSERT_EQ(s.prompts.messages.size(), 1u);
  EXPECT_NE(s.prompts.messages[0].find("Start a new calendar"), std::string::npos);

  // A new calendar has no file yet: it is saved first, and cancelling the save imports nothing.
  s.prompts.configs.push_back({[](ConfigChoices& c) { c.year = 2027; }, true});
  s.view.NewCalendar();
  const uint32_t before = s.doc.Db().Count();
  s.prompts.paths.push_back(WriteFile(s.folder / "people.vcf", kPeople));
  s.prompts.previews.push_back({nullptr, true});
  s.prompts.paths.push_back("");
  s.view.Import();
  EXPECT_NE(s.prompts.messages.back().find("saved first"), std::string::npos);
  EXPECT_EQ(s.doc.Db().Count(), before);

  s.prompts.paths.push_back(
      WriteFile(s.folder / "binary.vcf", std::string("\x89PNG\0\0\x01\x02", 8)));
  s.view.Import();
  EXPECT_NE(s.prompts.messages.back().find("not text"), std::string::npos);
  s.prompts.paths.push_back((s.folder / "missing.ics").string());
  s.view.Import();
  EXPECT_NE(s.prompts.messages.back().find("cannot be read"), std::string::npos);
  EXPECT_EQ(s.doc.Db().Count(), before);
}

TEST(ImportFlows, ExportWritesTheYearAndImportingItBackFindsEveryEntryThere) {
  Session s;
  OpenSavedCalendar(s);
  s.prompts.paths.push_back(WriteFile(s.folder / "people.vcf", kPeople));
  s.prompts.previews.push_back({nullptr, true});
  s.view.Import();
  const fs::path exported = s.folder / "family.ics";
  s.prompts.paths.push_back(exported.string());
  s.view.ExportICalendar();
  EXPECT_EQ(s.prompts.dialogs.back(), "export:" + exported.string());
  const std::string text = ReadFile(exported);
  EXPECT_EQ(text.rfind("BEGIN:VCALENDAR", 0), 0u);
  EXPECT_NE(text.find("SUMMARY:Anna Berg"), std::string::npos);

  s.prompts.paths.push_back(exported.string());
  s.prompts.previews.push_back({nullptr, false});
  s.view.Import();
  EXPECT_EQ(s.prompts.lastPreview.candidates.size(), 3u);
  EXPECT_EQ(s.prompts.lastPreview.CheckedCount(), 0u);

  s.prompts.paths.push_back((s.folder / "no such folder" / "x.ics").string());
  s.view.ExportICalendar();
  EXPECT_NE(s.prompts.messages.back().find("could not be written"), std::string::npos);
}

}  // namespace
}  // namespace tessolar
