#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <regex>
#include <sstream>
#include <string>

#include "pages/html_escape.h"
#include "pages/page_blocks.h"
#include "pages/page_conventions.h"

namespace tessolar {
namespace {

TEST(HtmlEscape, TextAndAttributes) {
  EXPECT_EQ(EscapeHtml("Tom & Jerry's \"<b>\""), "Tom &amp; Jerry&#39;s &quot;&lt;b&gt;&quot;");
  EXPECT_EQ(EscapeHtml("Año €"), "Año €");
  EXPECT_EQ(EscapeHtml(""), "");
}

TEST(HtmlEscape, CssStringsKeepOnlyPlainCharactersLiteral) {
  EXPECT_EQ(EscapeCssString("Times New Roman"), "Times New Roman");
  EXPECT_EQ(EscapeCssString("Gill_Sans-MT Ünï"), "Gill_Sans-MT Ünï");
  EXPECT_EQ(EscapeCssString("a\"b'c;d}e<f\\g"), "a\\22 b\\27 c\\3b d\\7d e\\3c f\\5c g");
  EXPECT_EQ(EscapeCssString(std::string("a\nb\0c", 5)), "a\\a b\\fffd c");
}

TEST(HtmlEscape, CssValuesKeepColoursAndDropEverythingElse) {
  EXPECT_EQ(SanitizeCssValue("gray"), "gray");
  EXPECT_EQ(SanitizeCssValue("#A0B0C0"), "#A0B0C0");
  EXPECT_EQ(SanitizeCssValue("rgb(10, 20, 30)"), "rgb(10, 20, 30)");
  EXPECT_EQ(SanitizeCssValue("hsl(120, 50%, 50%)"), "hsl(120, 50%, 50%)");
  EXPECT_EQ(SanitizeCssValue("red;background:blue"), "redbackgroundblue");
  EXPECT_EQ(SanitizeCssValue("red' onmouseover='x"), "red onmouseoverx");
  EXPECT_EQ(SanitizeCssValue("url(evil.png)"), "");
  EXPECT_EQ(SanitizeCssValue("red;background:URL(x)"), "");
  EXPECT_EQ(SanitizeCssValue("expression(alert(1))"), "");
  EXPECT_EQ(SanitizeCssValue("image-set(x 1x)"), "");
}

TEST(HtmlEscape, PictureUrlsLoadAnyFileNameAndNeverRunScript) {
  EXPECT_EQ(PictureUrl("/home/ann/My Pictures/a#1 100%.jpg"),
            "file:///home/ann/My%20Pictures/a%231%20100%25.jpg");
  EXPECT_EQ(PictureUrl("/bilder/Mädchen/日本.gif"),
            "file:///bilder/M%C3%A4dchen/%E6%97%A5%E6%9C%AC.gif");
  EXPECT_EQ(PictureUrl("/a/b\"onerror=\"x.gif"), "file:///a/b%22onerror%3D%22x.gif");
  EXPECT_EQ(PictureUrl("null"), "null");
  EXPECT_EQ(PictureUrl(""), "");
  EXPECT_EQ(PictureUrl("javascript:alert(1)"), "javascript%3Aalert%281%29");
  EXPECT_EQ(PictureUrl("JaVaScRiPt:x"), "JaVaScRiPt%3Ax");
  EXPECT_EQ(PictureUrl("C:\\clip\\bear.gif"), "C%3A%5Cclip%5Cbear.gif");
}

TEST(HtmlEscape, RelativePicturesThatExistBecomeAbsoluteFileUrls) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / "tessolar_relative_picture";
  fs::create_directories(dir);
  const fs::path previous = fs::current_path();
  fs::current_path(dir);
  std::ofstream("here pic.gif") << "GIF89a";
  const std::string url = PictureUrl("here pic.gif");
  fs::current_path(previous);
  fs::remove_all(dir);
  EXPECT_EQ(url, "file://" + PercentEncodePath((dir / "here pic.gif").string()));
}

// The printf conversions of a format, "%%" left out.
std::vector<std::string> Conversions(std::string_view format) {
  static const std::regex conversion("%[-+ #0]*[0-9]*(\\.[0-9]+)?[hlLqjzt]*[diouxXeEfFgGaAcspn%]");
  std::vector<std::string> found;
  const std::string text(format);
  for (auto it = std::sregex_iterator(text.begin(), text.end(), conversion); it != std::sregex_iterator(); ++it) {
    if (it->str() != "%%") found.push_back(it->str());
  }
  return found;
}

TEST(PageBlocks, FormatsTakeExactlyTheirArgumentsAndEscapeThem) {
  EXPECT_EQ(Conversions(FolderLinkBlock()), std::vector<std::string>{"%s"});
  EXPECT_EQ(Conversions(MonthPictureCaptionFormat()), std::vector<std::string>{"%s"});
  EXPECT_EQ(Conversions(RecentFileLineFormat()), (std::vector<std::string>{"%s", "%s"}));
  EXPECT_EQ(Conversions(EmptyDayCellFormat()), (std::vector<std::string>{"%02d", "%02d", "%d"}));
  EXPECT_NE(EmptyDayCell(11, 31).find("onBtnOk(\"caldate1131\"); ><span class=daynum>31<"), std::string::npos);
  EXPECT_EQ(MonthPictureCaption("Ann & <Bob>"), "            Ann &amp; &lt;Bob&gt;\n");
  const std::string line = RecentFileLine("/home/ann/My \"cal\" 100%.cal", "Recent <b>", "Title 100%");
  EXPECT_NE(line.find("data-token=\"calendarrecent_/home/ann/My &quot;cal&quot; 100%.cal\""), std::string::npos);
  EXPECT_NE(line.find(">/home/ann/My &quot;cal&quot; 100%.cal</a>"), std::string::npos);
  EXPECT_NE(line.find("Recent <b>"), std::string::npos);  // the program's own texts are markup
}

TEST(PageBlocks, HeadsDeclareUtf8DefineThePageScriptAndEveryClassTheMarkupUses) {
  const std::string open(PageOpenBlock());
  EXPECT_LT(open.find("<meta charset=\"utf-8\">"), 1024u);
  EXPECT_NE(open.find("function onBtnOk(token)"), std::string::npos);
  EXPECT_NE(open.find("page + \"?\" + query"), std::string::npos);  // the token goes after "?"
  const std::string month = open + "\n" + std::string(MonthHeadBlock1()) + "\n" + std::string(MonthHeadBlock2()) +
                            "\n" + std::string(MonthHeadBlock3()) + "\n";
  for (const char* selector : {"p.MsoNormal", "table.MsoTableGrid", "td.xl23", "td.xl24", "td.xl25", "td.xl26",
                               "td.xl27", "td.xl29", "td.xl30", "p.pagebreak { break-before: page;", "@page { size: landscape;"}) {
    EXPECT_NE(month.find(selector), std::string::npos) << selector;
  }
  for (const char* selector : {".Section1", "table.MsoTableGrid", ".panel", ".recent"}) {
    EXPECT_NE(std::string(CommonHeadBlock()).find(selector), std::string::npos) << selector;
  }
  EXPECT_LT(month.find("<style>"), month.find("</style>"));
  EXPECT_LT(month.find("</head>"), month.find("<body>"));
  // The font marker sits in CSS strings, so that an escaped font stays inside them.
  const std::string heads = month + std::string(BigPicturesHeadBlock()) + std::string(PanelHeadBlock());
  size_t markers = 0;
  for (size_t pos = heads.find("insert_font_here"); pos != std::string::npos; pos = heads.find("insert_font_here", pos + 1)) {
    ++markers;
    EXPECT_EQ(heads.substr(pos - 1, 18), "\"insert_font_here\"");
  }
  EXPECT_GE(markers, 3u);
}

namespace fs = std::filesystem;

std::string ReadFile(const std::string& path) {
  std::stringstream text;
  text << std::ifstream(path, std::ios::binary).rdbuf();
  return text.str();
}

class PageFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("tessolar_pages_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(root_);
  }
  // Puts the environment back as it was.
  void TearDown() override {
    for (const auto& [name, value] : saved_) Put(name, value);
    std::error_code error;
    fs::permissions(root_, fs::perms::owner_all, error);
    fs::remove_all(root_, error);
  }
  void Set(const std::string& name, const std::optional<std::string>& value) {
    const char* old = std::getenv(name.c_str());
    saved_.emplace(name, old ? std::optional<std::string>(old) : std::nullopt);
    Put(name, value);
  }
  static void Put(const std::string& name, const std::optional<std::string>& value) {
    value ? setenv(name.c_str(), value->c_str(), 1) : unsetenv(name.c_str());
  }

  fs::path root_;
  std::map<std::string, std::optional<std::string>> saved_;
};

TEST_F(PageFolderTest, FolderComesFromTheFirstUsableVariableAndItsUrlIsEncoded) {
  Set("TESSOLAR_PAGE_DIR", "/srv/pages/");
  Set("XDG_CACHE_HOME", "/x/cache");
  Set("HOME", "/home/ann");
  EXPECT_EQ(PageFolder(), "/srv/pages");
  Set("TESSOLAR_PAGE_DIR", "");
  EXPECT_EQ(PageFolder(), "/x/cache/tessolar");
  Set("XDG_CACHE_HOME", "relative/cache");  // relative values do not count
  EXPECT_EQ(PageFolder(), "/home/ann/.cache/tessolar");
  Set("XDG_CACHE_HOME", std::nullopt);
  EXPECT_EQ(PageFilePath(), "/home/ann/.cache/tessolar/tessolar-page.html");
  Set("HOME", std::nullopt);
  EXPECT_EQ(PageFolder().front(), '/');
  Set("TESSOLAR_PAGE_DIR", "/tmp/My Pages #1/100%/Año");
  EXPECT_EQ(PageUrl(), "file:///tmp/My%20Pages%20%231/100%25/A%C3%B1o/tessolar-page.html");
}

TEST_F(PageFolderTest, WritingCreatesTheFolderReplacesThePageAndAFailedWriteKeepsTheOldOne) {
  Set("TESSOLAR_PAGE_DIR", (root_ / "deeper").string());
  ASSERT_EQ(WritePageFile("<html>first</html>"), 0);
  ASSERT_EQ(WritePageFile("second"), 0);
  EXPECT_EQ(ReadFile(PageFilePath()), "second");
  EXPECT_EQ(std::distance(fs::directory_iterator(root_ / "deeper"), fs::directory_iterator()), 1);
  fs::permissions(root_ / "deeper", fs::perms::owner_read | fs::perms::owner_exec);
  if (!std::ofstream((root_ / "deeper" / "probe").string())) {  // root ignores permissions
    EXPECT_EQ(WritePageFile("new"), -1);
    EXPECT_EQ(ReadFile(PageFilePath()), "second");
  }
  fs::permissions(root_ / "deeper", fs::perms::owner_all);
  // A folder that cannot exist: its parent is a file.
  std::ofstream((root_ / "file").string()) << "x";
  Set("TESSOLAR_PAGE_DIR", (root_ / "file" / "pages").string());
  EXPECT_EQ(WritePageFile("new"), -1);
}

TEST(PageMarkers, EveryOccurrenceIsReplacedOnce) {
  std::string text = "a insert_font_here b insert_font_here";
  ReplaceMarker(text, "insert_font_here", "Verdana");
  EXPECT_EQ(text, "a Verdana b Verdana");
  text = "[m][m]";
  ReplaceMarker(text, "m", "mm");  // a value containing the marker is not replaced again
  ReplaceMarker(text, "", "x");
  EXPECT_EQ(text, "[mm][mm]");
  EXPECT_EQ(WithFontMarker("\"insert_font_here\", \"insert_font_here\"", "A\"B"), "\"A\\22 B\", \"A\\22 B\"");
}

}  // namespace
}  // namespace tessolar
