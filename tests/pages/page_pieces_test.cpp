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

TEST(PageBlocks, PagesDeclareUtf8AndSendTheirTokenAfterAQuestionMark) {
  const std::string open(PageOpenBlock());
  EXPECT_LT(open.find("<meta charset=\"utf-8\">"), 1024u);
  EXPECT_NE(open.find("page + \"?\" + query"), std::string::npos);
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

TEST_F(PageFolderTest, WritingCreatesTheFolderReplacesThePageAndFailsWhereNoFolderCanBe) {
  Set("TESSOLAR_PAGE_DIR", (root_ / "deeper").string());
  ASSERT_EQ(WritePageFile("<html>first</html>"), 0);
  ASSERT_EQ(WritePageFile("second"), 0);
  EXPECT_EQ(ReadFile(PageFilePath()), "second");
  EXPECT_EQ(std::distance(fs::directory_iterator(root_ / "deeper"), fs::directory_iterator()), 1);
  // A folder that cannot exist: its parent is a file.
  std::ofstream((root_ / "file").string()) << "x";
  Set("TESSOLAR_PAGE_DIR", (root_ / "file" / "pages").string());
  EXPECT_EQ(WritePageFile("new"), -1);
}

}  // namespace
}  // namespace tessolar
