#include "caldata/calendar_text.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <chrono>
#include <string>
#include <tuple>
#include <vector>

#include "caldata/calendar_text_reader.h"
#include "caldata/captions.h"
#include "caldata/line_splitter.h"
#include "caldata/text_encoding.h"
#include "compute/language_table.h"

namespace tessolar {
namespace {

using Lines = std::vector<std::vector<std::string>>;

Lines SplitAll(const std::string& text) {
  Lines lines;
  LineSplitter splitter(text);
  while (!splitter.AtEnd()) {
    const size_t n = splitter.NextLine();
    lines.emplace_back();
    for (size_t i = 0; i < n; ++i) lines.back().push_back(splitter.Field(i));
  }
  return lines;
}

TEST(LineSplitter, FieldsSeparatorsQuotesAndLineEnds) {
  const std::pair<const char*, Lines> cases[] = {
      // Empty fields count before a separator but not at the end.
      {"a\tb\n", {{"a", "b"}}},
      {"a\t\n", {{"a"}}},
      {"a\t\t\n", {{"a", ""}}},
      {"last line without break", {{"last line without break"}}},
      // Blank lines and carriage returns disappear.
      {"a\r\n\r\n\nb\rc\n", {{"a"}, {"b"}, {"c"}}},
      // Quoted fields hold separators and doubled quotes; a later quote is an ordinary character.
      {"\"a\tb\"\tc\n", {{"a\tb", "c"}}},
      {"\"say \"\"hi\"\"\"\tx\n", {{"say \"hi\"", "x"}}},
      {"a\"b\t\"\n", {{"a\"b"}}},
      // The character right after the opening quote is taken as it stands.
      {"\"\"x\"\ty\n", {{"\"x", "y"}}},
      // After the closing quote the field goes on unquoted.
      {"\"ab\"cd\"\te\n", {{"abcd\"", "e"}}},
      // An unclosed quote runs to the end of the line.
      {"1\t\"open\tpic\t7\n2\tnext\n", {{"1", "open\tpic\t7"}, {"2", "next"}}},
      // The twelfth field onward is read as the next line; a separator after eleven adds no line.
      {"1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t11\t12\t13\n",
       {{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"}, {"12", "13"}}},
      {"1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t11\t\nx\n",
       {{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"}, {"x"}}},
  };
  for (const auto& [text, lines] : cases) EXPECT_EQ(SplitAll(text), lines) << text;
  LineSplitter end("");
  EXPECT_EQ(end.NextLine(), 0u);
  EXPECT_EQ(end.Field(0), "");
}

// Reference encoder, written from the table of the UTF-8 definition.
std::string Encode(char32_t cp) {
  if (cp < 0x80) return std::string(1, static_cast<char>(cp));
  const int tail = cp < 0x800 ? 1 : cp < 0x10000 ? 2 : 3;
  const unsigned lead[] = {0, 0xC0, 0xE0, 0xF0};
  std::string s(1, static_cast<char>(lead[tail] + (cp >> (6 * tail))));
  for (int i = tail - 1; i >= 0; --i) s += static_cast<char>(0x80 + ((cp >> (6 * i)) & 0x3F));
  return s;
}

TEST(TextEncoding, EveryScalarValueIsValidAndNothingElse) {
  for (char32_t cp = 0; cp <= 0x10FFFF; ++cp) {
    const std::string s = Encode(cp);
    ASSERT_EQ(IsValidUtf8(s), cp < 0xD800 || cp > 0xDFFF) << std::hex << cp;
    // A sequence cut short is never valid.
    if (s.size() > 1) {
      ASSERT_FALSE(IsValidUtf8("x" + s.substr(0, s.size() - 1))) << std::hex << cp;
    }
  }
  for (const char* bad :
       {"\xC0\xAF", "\xE0\x80\xAF", "\xF4\x90\x80\x80", "\xF8\x88\x80\x80\x80", "M\xFCller"})
    EXPECT_FALSE(IsValidUtf8(bad)) << bad;
}

TEST(TextEncoding, Windows1252AgreesWithTheSystemConverter) {
  iconv_t cd = iconv_open("UTF-8", "WINDOWS-1252");
  ASSERT_NE(cd, reinterpret_cast<iconv_t>(-1));
  for (int byte = 1; byte < 256; ++byte) {
    char in[1] = {static_cast<char>(byte)}, out[8];
    char *inp = in, *outp = out;
    size_t inLeft = 1, outLeft = sizeof out;
    // The five unassigned bytes are kept as the C1 controls of their value.
    const bool unassigned = iconv(cd, &inp, &inLeft, &outp, &outLeft) == static_cast<size_t>(-1);
    EXPECT_EQ(Windows1252ToUtf8(std::string(1, in[0])),
              unassigned ? Encode(byte) : std::string(out, outp))
        << byte;
    if (unassigned) iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  iconv_close(cd);
  EXPECT_EQ(Windows1252ToUtf8("M\xFCller \x80 \x93q\x94"), "Müller € “q”");
}

// A calendar text as the program of `build` wrote it.
std::string FileOfBuild(int build, const std::vector<std::string>& entries,
                        const std::vector<std::string>& excluded = {}) {
  std::string t = std::to_string(build) +
                  "\tBuild\n2\tLanguage\n6\tCountry\n2007\tYear\n"
                  "1\tChristian\n0\tHebrew\n1\tEquinox\n0\tFullMoons\n1\tNational\n";
  if (build > 1038) t += "/clip/\tClipartDirectory\n";
  t += "Arial\tFontMainBody\nFamily\tTitle\n";
  if (build > 4028) t += "Georgia\tTitleFontStyle\nred\tTitleFontColor\n99\tTitleFontSize\n";
  if (build > 4030) t += "10\t20\t3\t500\tTitleXPos, Y, Idx, Width\n";
  for (int i = 0; i < kBigPictureCount; ++i)
    t += "big" + std::to_string(i) + ".jpg\tBig " + std::to_string(i) + "\n";
  t += std::to_string(entries.size()) + "\n";
  for (const std::string& e : entries) t += e + "\n";
  if (build > 1039) {
    t += std::to_string(excluded.size()) + "\n";
    for (const std::string& x : excluded) t += x + "\n";
  }
  return t;
}

// The entries of a build-4034 text read into `db`.
std::vector<CalEntry> ReadEntries(CCalDatabase& db, const std::vector<std::string>& lines) {
  EXPECT_EQ(ReadCalendarText(db, FileOfBuild(4034, lines)), 1);
  std::vector<CalEntry> entries;
  for (uint32_t i = 0; i < db.Count(); ++i) entries.push_back(*db.EntryAt(i));
  return entries;
}

class CalendarTextReader : public ::testing::Test {
 protected:
  CCalDatabase db;
};

TEST_F(CalendarTextReader, EachBuildThresholdDecidesWhichLinesAreRead) {
  // Fields 9 to 11 of a floating entry: Monday, third week, entered year.
  const std::string floating = "0\t15\t1990\t8\t0\t1\tTeam day\tnull\t1\t43\t1990";
  const struct {
    int build;
    bool clip, floatingFields, titleFont, titlePosition, excludedDays;
  } cases[] = {{1000, false, false, false, false, false}, {1039, true, false, false, false, false},
               {1040, true, false, false, false, true},   {4028, true, true, false, false, true},
               {4029, true, true, true, false, true},     {4034, true, true, true, true, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.build);
    CCalDatabase d;
    ASSERT_EQ(
        ReadCalendarText(d, FileOfBuild(c.build, {floating, "2\t14\t1975\t1\t1\t0\tVal\tv.jpg"},
                                        {"11\t24\tEve"})),
        1);
    EXPECT_EQ(std::make_pair(d.Language(), d.Country()), std::make_pair(2, 6));
    EXPECT_TRUE(d.Christian() && d.Equinox() && d.National() && !d.Hebrew() && !d.FullMoons());
    EXPECT_EQ(d.TitleFontStyle(), c.titleFont ? "Georgia" : "Verdana");
    EXPECT_EQ(d.TitleWidth(), c.titlePosition ? 500u : 700u);
    ASSERT_EQ(d.Count(), 2u);
    const CalEntry& team = *d.EntryAt(0);
    EXPECT_EQ(team.weekCode, c.floatingFields ? 43 : 0);
    EXPECT_EQ(team.enteredYear, c.floatingFields ? 1990 : 0);
    EXPECT_EQ(d.EntryAt(1)->pictureFile, (c.clip ? "/clip/" : "") + std::string("v.jpg"));
    EXPECT_EQ(d.ExcludedDays().size(), c.excludedDays ? 1u : 0u);
  }
}

TEST_F(CalendarTextReader, ValuesOutsideTheirLimitsAreDroppedOrKeepTheDefault) {
  std::string text = FileOfBuild(
      4034,
      {"12\t1\t2000\t1\t1\t0\tMonth twelve\tnull\t0\t0\t0",
       "3\t0\t2000\t1\t1\t0\tDay zero\tnull\t0\t0\t0", "3\t1\t0\t1\t1\t0\tYear zero\tnull\t0\t0\t0",
       "3\t300\t2000\t1\t1\t0\tDay too big\tnull\t0\t0\t0",
       "x\t1\t2000\t1\t1\t0\tNo month\tnull\t0\t0\t0",
       "3\t1\t70000\t1\t1\t0\tYear too big\tnull\t0\t0\t0", "3\t2\t2000\t1\t1\t0\t\t\t0\t0\t0"},
      {"11\t24\tEve", "12\t1\tBad month", "-244\t1\tWraps", "3\t0\tDay zero", "3\t256\tBig day", "",
       "0\t1\t"});
  for (const auto& [from, to] : std::vector<std::pair<std::string, std::string>>{
           {"2\tLanguage", std::to_string(kLanguageCount) + "\tLanguage"},
           {"6\tCountry", "-1\tCountry"},
           {"2007\tYear", "99999999999999999999999\tYear"},
           {"99\tTitleFontSize", "257\tTitleFontSize"},
           {"10\t20\t3\t500", "1026\t926\t13\t4294967296"},
           {"big3.jpg\tBig 3", "big3.jpg\t"}}) {
    text.replace(text.find(from), from.size(), to);
  }
  db.SetLanguage(1);
  ASSERT_EQ(ReadCalendarText(db, text), 1);
  EXPECT_EQ(std::make_pair(db.Language(), db.Country()), std::make_pair(1, 0));
  EXPECT_EQ(db.Year(), 2007);
  EXPECT_EQ(std::make_tuple(db.TitleFontSize(), db.TitleXPos(), db.TitleYPos(),
                            db.TitlePictureIndex(), db.TitleWidth()),
            std::make_tuple(128u, 50u, 50u, 0u, 700u));
  // A big picture line with one field leaves the picture empty.
  EXPECT_EQ(db.BigPictureAt(3).pictureFile, "");
  ASSERT_EQ(db.Count(), 1u);
  EXPECT_EQ(db.EntryAt(0)->description, "unknown");
  EXPECT_EQ(db.EntryAt(0)->pictureFile, "/clip/");
  EXPECT_EQ(db.ExcludedDays(), (std::vector<ExcludedDay>{{11, 24, "Eve"}, {0, 1, ""}}));
}

// The region follows the week start on the country's line, where readers
// that know no region pass over it; the whole country writes the line as before.
TEST_F(CalendarTextReader, TheRegionFollowsTheWeekStartAndAnUnknownOneLeavesTheWholeCountry) {
  const std::string hostile = std::string(5000, '\x01') + "\xFF<script>";
  const struct {
    std::string field;
    std::string region, unknown;
  } cases[] = {
      {"DE-BY", "DE-BY", ""},        {"de-by", "DE-BY", ""},
      {"", "", ""},                  {"US-CA", "", "US-CA"},
      {"DE-BY-X", "", "DE-BY-X"},    {hostile, "", std::string(16, '?')},
      {"DE-Atlantis und mehr", "", "DE-Atlantis?und?"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.field.substr(0, 20));
    std::string text = FileOfBuild(4034, {});
    text.replace(text.find("6\tCountry"), 9, "6\t1\t" + c.field + "\tCountry, FirstWeekday, Region");
    CCalDatabase d;
    ASSERT_EQ(ReadCalendarText(d, text), 1);
    EXPECT_EQ(std::make_tuple(d.Country(), d.FirstWeekday(), d.Region(), d.UnknownRegion()),
              std::make_tuple(6, 1, c.region, c.unknown));
    if (c.region.empty()) {
      EXPECT_NE(CalendarText(d).find("\n6\t1\tCountry, FirstWeekday\n"), std::string::npos);
    } else {
      EXPECT_NE(CalendarText(d).find("\n6\t1\tDE-BY\tCountry, FirstWeekday, Region\n"),
                std::string::npos);
    }
  }
  // A file of the earlier line reads as the whole country.
  ASSERT_EQ(ReadCalendarText(db, FileOfBuild(4034, {})), 1);
  EXPECT_EQ(db.Region(), "");
  // Another country takes the region away; a region of another country is refused.
  ASSERT_TRUE(db.SetRegion("DE-HH"));
  EXPECT_FALSE(db.SetRegion("AT-9"));
  EXPECT_EQ(db.Region(), "DE-HH");
  db.SetCountry(13);  // Austria
  EXPECT_EQ(db.Region(), "");

  // The marking of days off follows the region, read back; a file without it
  // keeps the plain look.
  EXPECT_FALSE(db.MarkDaysOff());
  for (const char* region : {"", "DE-BY"}) {
    CCalDatabase marked;
    marked.SetCountry(6);
    marked.SetFirstWeekday(1);
    ASSERT_TRUE(marked.SetRegion(region));
    marked.SetMarkDaysOff(true);
    const std::string text = CalendarText(marked);
    EXPECT_NE(text.find("\n6\t1\t" + std::string(region) +
                        "\t1\tCountry, FirstWeekday, Region, MarkDaysOff\n"),
              std::string::npos);
    CCalDatabase again;
    ASSERT_EQ(ReadCalendarText(again, text), 1);
    EXPECT_TRUE(again.MarkDaysOff());
    EXPECT_EQ(again.Region(), region);
  }
  // Week numbers after the marking of days off, and the moon's other phases
  // after the full moons, read back; files without them show neither.
  EXPECT_FALSE(db.WeekNumbers() || db.MoonPhases());
  CCalDatabase numbered;
  numbered.SetCountry(6);
  numbered.SetFirstWeekday(1);
  numbered.SetWeekNumbers(true);
  numbered.SetMoonPhases(true);
  const std::string text = CalendarText(numbered);
  EXPECT_NE(text.find("\n6\t1\t\t0\t1\tCountry, FirstWeekday, Region, MarkDaysOff, WeekNumbers\n"),
            std::string::npos);
  EXPECT_NE(text.find("\n0\t1\tFullMoons, MoonPhases\n"), std::string::npos);
  CCalDatabase again;
  ASSERT_EQ(ReadCalendarText(again, text), 1);
  EXPECT_TRUE(again.WeekNumbers() && again.MoonPhases());
  EXPECT_FALSE(again.MarkDaysOff() || again.FullMoons());
}

// The start month follows the year on its line, where readers that know none
// pass over it; January writes the line as before. One out of 1..12 starts
// in January and is kept for a note.
TEST_F(CalendarTextReader, TheStartMonthFollowsTheYearAndOneOutOfRangeStartsInJanuary) {
  const struct {
    std::string line;
    int startMonth;
    std::string unread;
  } cases[] = {
      {"2007\tYear", 0, ""},
      {"2007\t1\tYear, StartMonth", 0, ""},
      {"2007\t9\tYear, StartMonth", 8, ""},
      {"2007\t12\tYear, StartMonth", 11, ""},
      {"2007\t0\tYear, StartMonth", 0, "0"},
      {"2007\t13\tYear, StartMonth", 0, "13"},
      {"2007\tSep\tYear, StartMonth", 0, "Sep"},
      {"2007\t-3\x01\tYear", 0, "-3?"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    std::string text = FileOfBuild(4034, {});
    text.replace(text.find("2007\tYear"), 9, c.line);
    CCalDatabase d;
    ASSERT_EQ(ReadCalendarText(d, text), 1);
    EXPECT_EQ(std::make_tuple(d.Year(), d.StartMonth(), d.UnreadStartMonth()),
              std::make_tuple(2007, c.startMonth, c.unread));
  }
  for (int month = 0; month < 12; ++month) {
    db.SetStartMonth(month);
    const std::string text = CalendarText(db);
    const std::string line = month == 0
                                 ? "\n2007\tYear\n"
                                 : "\n2007\t" + std::to_string(month + 1) + "\tYear, StartMonth\n";
    EXPECT_NE(text.find(line), std::string::npos) << month;
    CCalDatabase again;
    ASSERT_EQ(ReadCalendarText(again, text), 1);
    EXPECT_EQ(again.StartMonth(), month);
  }
}

// Entries of a calendar from September 2027 are shown, aged and dated by
// their rules in the year their month has: March in 2028, October in 2027.
TEST_F(CalendarTextReader, EntriesCountInTheYearTheirMonthHasInTheCalendar) {
  std::string text = FileOfBuild(
      4034,
      {"2\t5\t1980\t1\t1\t0\tAnn\tnull\t0\t0\t0", "9\t5\t1980\t1\t1\t0\tBen\tnull\t0\t0\t0",
       "2\t6\t2028\t7\t0\t0\tDentist\tnull\t0\t0\t0", "9\t6\t2028\t8\t0\t0\tNot yet\tnull\t0\t0\t0",
       "4\t1\t2000\t8\t0\t0\tClub\tnull\t1\t45\t2000"});
  text.replace(text.find("2007\tYear"), 9, "2027\t9\tYear, StartMonth");
  ASSERT_EQ(ReadCalendarText(db, text), 1);
  const auto captionsOf = [this](int month, int day) {
    std::vector<std::string> captions;
    for (const CalEntry& e : db.GetEntriesOfDay(month, day))
      captions.push_back(EntryCaption(db, e));
    return captions;
  };
  using Captions = std::vector<std::string>;
  EXPECT_EQ(captionsOf(2, 5), Captions{"Ann wird 48"});
  EXPECT_EQ(captionsOf(9, 5), Captions{"Ben wird 47"});
  EXPECT_EQ(captionsOf(2, 6), Captions{"Dentist"});
  EXPECT_EQ(captionsOf(9, 6), Captions{});
  // The last Monday of May 2028, not of 2027 (the 31st).
  EXPECT_EQ(captionsOf(4, 29), Captions{"Club"});
  db.SetYear(2028);
  db.SetStartMonth(5);
  db.RedateFloatingEntries();
  EXPECT_EQ(captionsOf(4, 28), Captions{"Club"});  // May 2029
}

TEST_F(CalendarTextReader, FloatingEntriesAreDatedByTheirWeekCodeForTheCalendarYear) {
  const auto e =
      ReadEntries(db, {"0\t16\t1990\t8\t0\t0\tClub\tnull\t1\t43\t1990",  // third Monday: 15th
                       "5\t0\t1990\t8\t0\t1\tClub\tnull\t0\t45\t1990",   // last Sunday: 24th
                       "1\t9\t1990\t8\t0\t0\tTeam\tnull\t3\t42\t1990",   // second Wednesday: 14th
                       "10\t7\t2006\t8\t0\t0\tElection Day party\tnull\t1\t41\t0",
                       "3\t5\t1990\t8\t0\t0\tBad weekday\tnull\t9\t41\t0",
                       "3\t0\t1990\t8\t0\t0\tNo day at all\tnull\t9\t41\t0"});
  ASSERT_EQ(e.size(), 5u);
  EXPECT_EQ(std::make_tuple(e[0].day, e[0].year, e[0].pictureFile),
            std::make_tuple(15, 1990, std::string("null")));
  EXPECT_EQ(e[1].day, 14);
  EXPECT_EQ(e[2].description + std::to_string(e[2].day), "Bad weekday5");
  EXPECT_EQ(e[3].day, 24);
  EXPECT_EQ(e[4].day, 7);  // no election in 2007: the day it had
  for (uint32_t i = 0; i < db.Count(); ++i) EXPECT_EQ(db.EntryAt(i)->index, i);
}

TEST_F(CalendarTextReader, CountsBeyondTheTextOrTheStoreNeitherHangNorOverflow) {
  std::string text = FileOfBuild(4034, {"0\t1\t2000\t1\t0\t0\tA\tnull\t0\t0\t0"}, {"0\t2\tB"});
  text.replace(text.find("\n1\n0\t1") + 1, 1, "4000000000");
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(ReadCalendarText(db, text), 0);  // the excluded-days count line was taken as an entry
  EXPECT_EQ(db.Count(), 1u);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  std::vector<std::string> many(700, "4\t1\t2000\t9\t0\t0\tE\tnull\t0\t0\t0");
  CCalDatabase d;
  ASSERT_EQ(ReadCalendarText(d, FileOfBuild(4034, many, {"0\t2\tB"})), 1);
  EXPECT_EQ(d.Count(), kMaxEntries);
  EXPECT_EQ(d.ExcludedDays().size(), 1u);
}

}  // namespace
}  // namespace tessolar
