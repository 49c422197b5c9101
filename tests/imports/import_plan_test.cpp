#include "imports/import_plan.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace tessolar {
namespace {

namespace fs = std::filesystem;

VCardPerson Person(const std::string& name, CardDate birthday, const std::string& photo = {}) {
  VCardPerson person;
  person.name = name;
  person.birthday = birthday;
  if (!photo.empty()) {
    person.photo.present = true;
    person.photo.bytes = photo;
    person.photo.extension = PictureKind(photo);
  }
  return person;
}

CardDate Date(int year, int month, int day) { return {true, true, year, month, day, "x"}; }

TEST(ImportPlan, ListsCandidatesAndSkipsWithReasons) {
  CCalDatabase db;
  db.SetYear(2025);
  db.SaveHolidayData(2, 14, 1990, kBirthday, "Anna Berg", kNoPicture, 0, 1);
  VCardPerson both = Person("Ben", Date(0, 7, 4));
  both.anniversary = Date(2010, 6, 20);
  VCardPerson badPhoto = Person("Cleo", Date(1970, 1, 1));
  badPhoto.photo.present = true;
  badPhoto.photo.problem = {std::string("not a picture")};
  const ImportPlan plan = PlanPeopleImport(
      {Person("Anna Berg", Date(1990, 3, 14)), both, badPhoto, Person("Dora", Date(1999, 2, 29)),
       Person("Eli", CardDate{true, false, 0, 0, 0, "soon"}), Person("Fay", CardDate{}),
       Person("", Date(2000, 1, 1))},
      db);
  ASSERT_EQ(plan.candidates.size(), 4u);
  EXPECT_TRUE(plan.candidates[0].alreadyThere);
  EXPECT_FALSE(plan.candidates[0].checked);
  const CalEntry& yearless = plan.candidates[1].entry;
  EXPECT_EQ(std::make_tuple(yearless.type, int{yearless.year}, int{yearless.month}, int{yearless.showAge}),
            std::make_tuple(uint32_t{kBirthday}, 2025, 6, 0));
  EXPECT_EQ(std::make_tuple(plan.candidates[2].entry.type, int{plan.candidates[2].entry.year}),
            std::make_tuple(uint32_t{kAnniversary}, 2010));
  EXPECT_NE(English(plan.candidates[3].note).find("without its picture: not a picture"), std::string::npos);
  std::vector<std::string> skipped;
  for (const SkippedItem& item : plan.skipped) skipped.push_back(item.what + ": " + English(item.reason));
  EXPECT_EQ(skipped, (std::vector<std::string>{"Dora: the date x does not exist",
                                               "Eli: the date soon does not exist",
                                               "Fay: no birthday or anniversary", ": a card without a name"}));
  EXPECT_EQ(plan.CheckedCount(), 3u);
  EXPECT_EQ(plan.room, kMaxEntries - 1);
}

TEST(ImportPlan, ApplyWritesPhotosBesideTheCalendarUnderSafeNewNames) {
  const fs::path dir = fs::path(::testing::TempDir()) / "import_apply";
  fs::remove_all(dir);
  fs::create_directories(dir / "family pictures");
  std::ofstream(dir / "family pictures" / "Ann.png") << "someone else's";
  const std::string png = "\x89PNG\r\n\x1A\nrest";
  CCalDatabase db;
  VCardPerson ann = Person("Ann", Date(1990, 3, 14), png);
  ann.anniversary = Date(2015, 6, 1);  // shares the birthday's photo file
  ImportPlan plan = PlanPeopleImport(
      {ann, Person("../../etc/passwd", Date(1991, 4, 1), png + "2"), Person("Bo", Date(1992, 5, 2))}, db);
  UserText error;
  std::vector<std::string> written;
  ASSERT_TRUE(ApplyImportPlan(plan, db, (dir / "family.cal").string(), &error, &written)) << English(error);
  ASSERT_EQ(db.Count(), 4u);
  std::vector<std::string> pictures;
  for (uint32_t i = 0; i < db.Count(); ++i) pictures.push_back(db.EntryAt(i)->pictureFile);
  const std::string folder = (dir / "family pictures").string();
  EXPECT_EQ(pictures, (std::vector<std::string>{folder + "/Ann 2.png", folder + "/______etc_passwd.png", "null",
                                                folder + "/Ann 2.png"}));
  EXPECT_EQ(written, (std::vector<std::string>{folder + "/Ann 2.png", folder + "/______etc_passwd.png"}));
  std::ifstream other(dir / "family pictures" / "Ann.png");
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(other), {}), "someone else's");

  // Again: all are there now, nothing is checked, nothing added.
  plan = PlanPeopleImport({Person("Ann", Date(1990, 3, 14))}, db);
  EXPECT_EQ(plan.CheckedCount(), 0u);
}

TEST(ImportPlan, ApplyRefusesWhatDoesNotFitAndChangesNothing) {
  CCalDatabase db;
  for (int i = 0; i < 499; ++i) db.SaveHolidayData(0, 1 + i % 28, 2000 + i, kPersonalEvent, "e", kNoPicture, 0, 0);
  const ImportPlan plan = PlanPeopleImport({Person("A", Date(1990, 3, 14)), Person("B", Date(1990, 3, 15))}, db);
  UserText error;
  EXPECT_FALSE(ApplyImportPlan(plan, db, ::testing::TempDir() + "/full.cal", &error));
  EXPECT_EQ(English(error), "2 entries are checked, but the calendar has room for 1.");
  EXPECT_EQ(db.Count(), 499u);
}

}  // namespace
}  // namespace tessolar
