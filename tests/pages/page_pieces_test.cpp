// The pieces every page is made of: escaping for each context a value lands
// in, the stored formats, and the page folder and file.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "pages/html_escape.h"
#include "pages/page_blocks.h"
#include "pages/page_conventions.h"

namespace tessolar {
namespace {

namespace fs = std::filesystem;

TEST(HtmlEscape, EachContextKeepsPlainTextAndDefusesTheRest) {
  const struct {
    std::string (*escape)(std::string_view);
    std::string in, out;
  } cases[] = {
      {EscapeHtml, "Tom & Jerry's \"<b>\" Año €",
       "Tom &amp; Jerry&#39;s &quot;&lt;b&gt;&quot; Año €"},
      {EscapeCssString, "a\"b'c;d}e<f\\g", "a\\22 b\\27 c\\3b d\\7d e\\3c f\\5c g"},
      {EscapeCssString, std::string("a\nb\0c", 5), "a\\a b\\fffd c"},
      {SanitizeCssValue, "hsl(120, 50%, 50%)", "hsl(120, 50%, 50%)"},
      {SanitizeCssValue, "red;background:blue", "redbackgroundblue"},
      {SanitizeCssValue, "red' onmouseover='x", "red onmouseoverx"},
      {SanitizeCssValue, "red;background:URL(x)", ""},
      {SanitizeCssValue, "expression(alert(1))", ""},
      {SanitizeCssValue, "image-set(x 1x)", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(c.escape(c.in), c.out) << c.in;
  const std::pair<const char*, const char*> urls[] = {
      {"/home/ann/My Pictures/a#1 100%.jpg", "file:///home/ann/My%20Pictures/a%231%20100%25.jpg"},
      {"/bilder/Mädchen/日本.gif", "file:///bilder/M%C3%A4dchen/%E6%97%A5%E6%9C%AC.gif"},
      {"/a/b\"onerror=\"x.gif", "file:///a/b%22onerror%3D%22x.gif"},
      {"JaVaScRiPt:alert(1)", "JaVaScRiPt%3Aalert%281%29"},
      {"C:\\clip\\bear.gif", "C%3A%5Cclip%5Cbear.gif"},
  };
  for (const auto& [path, url] : urls) EXPECT_EQ(PictureUrl(path), url) << path;
}

TEST(PictureUrl, ARasterWithAnSvgOfItsNameBesideItIsDrawnFromTheSvg) {
  const fs::path root = fs::temp_directory_path() / "tessolar_picture_url";
  const fs::path folder = root / "My Art";
  fs::remove_all(root);
  fs::create_directories(folder);
  for (const char* name : {"santa.png", "santa.svg", "Lake.JPEG", "Lake.svg", "solo.gif",
                           "drawing.svg", "gone.svg", "photo.webp", "photo.svg"}) {
    std::ofstream(folder / name) << "x";
  }
  const std::string url = FileUrl(folder.string()) + "/";
  // gone.png has its SVG but no raster: the name stays as stored.
  const std::pair<const char*, const char*> pictures[] = {
      {"santa.png", "santa.svg"},     {"Lake.JPEG", "Lake.svg"}, {"solo.gif", "solo.gif"},
      {"drawing.svg", "drawing.svg"}, {"gone.png", "gone.png"},  {"photo.webp", "photo.webp"}};
  for (const auto& [name, drawn] : pictures) {
    EXPECT_EQ(PictureUrl((folder / name).string()), url + drawn) << name;
  }
  // A name relative to the current directory maps the same way; one that
  // names no file there stays a bare name.
  const fs::path start = fs::current_path();
  fs::current_path(folder);
  EXPECT_EQ(PictureUrl("santa.png"), url + "santa.svg");
  fs::current_path(root);
  EXPECT_EQ(PictureUrl("santa.png"), "santa.png");
  fs::current_path(start);
  fs::remove_all(root);
}

// The printf conversions of a format, "%%" left out.
std::vector<std::string> Conversions(std::string_view format) {
  static const std::regex conversion("%[-+ #0]*[0-9]*(\\.[0-9]+)?[hlLqjzt]*[diouxXeEfFgGaAcspn%]");
  std::vector<std::string> found;
  const std::string text(format);
  for (auto it = std::sregex_iterator(text.begin(), text.end(), conversion);
       it != std::sregex_iterator(); ++it) {
    if (it->str() != "%%") found.push_back(it->str());
  }
  return found;
}

TEST(PageBlocks, FormatsTakeExactlyTheirArgumentsAndPagesDeclareUtf8) {
  using Found = std::vector<std::string>;
  EXPECT_EQ(Conversions(FolderLinkBlock()), Found{"%s"});
  EXPECT_EQ(Conversions(MonthPictureCaptionFormat()), Found{"%s"});
  EXPECT_EQ(Conversions(RecentFileLineFormat()), (Found{"%s", "%s"}));
  const std::string line = RecentFileLine("/home/My \"cal\" 100%.cal", "Recent <b>", "Title");
  EXPECT_NE(line.find("calendarrecent_/home/My &quot;cal&quot; 100%.cal\""), std::string::npos);
  EXPECT_NE(line.find("Recent <b>"), std::string::npos);  // the program's own texts are markup
  EXPECT_LT(std::string(PageOpenBlock()).find("<meta charset=\"utf-8\">"), 1024u);
}

const char* const kFolderVariables[] = {"TESSOLAR_PAGE_DIR", "XDG_CACHE_HOME", "HOME"};

void Set(const char* name, const char* value) { value ? setenv(name, value, 1) : unsetenv(name); }

class PageFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : kFolderVariables) {
      const char* value = std::getenv(name);
      saved_.push_back(value ? std::optional<std::string>(value) : std::nullopt);
    }
  }
  void TearDown() override {
    for (size_t i = 0; i < saved_.size(); ++i) {
      Set(kFolderVariables[i], saved_[i] ? saved_[i]->c_str() : nullptr);
    }
    fs::remove_all(root_);
  }
  const fs::path root_ =
      fs::temp_directory_path() /
      ("tessolar_page_folder_" +
       std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
  std::vector<std::optional<std::string>> saved_;
};

TEST_F(PageFolderTest, FolderComesFromTheFirstUsableVariableAndItsUrlIsEncoded) {
  Set("TESSOLAR_PAGE_DIR", "/srv/pages/");
  Set("XDG_CACHE_HOME", "/x/cache");
  Set("HOME", "/home/ann");
  EXPECT_EQ(PageFolder(), "/srv/pages");
  Set("TESSOLAR_PAGE_DIR", "");
  EXPECT_EQ(PageFolder(), "/x/cache/tessolar");
  Set("XDG_CACHE_HOME", "relative/cache");  // relative values do not count
  EXPECT_EQ(fs::path(PageFilePath()).parent_path(), "/home/ann/.cache/tessolar");
  Set("HOME", nullptr);
  EXPECT_EQ(PageFolder().front(), '/');
  Set("TESSOLAR_PAGE_DIR", "/tmp/My Pages #1/100%/Año");
  EXPECT_EQ(PageUrl().rfind("file:///tmp/My%20Pages%20%231/100%25/A%C3%B1o/tessolar-page", 0), 0u);
}

TEST_F(PageFolderTest, WritingCreatesTheFolderReplacesThePageAndFailsWhereNoFolderCanBe) {
  Set("TESSOLAR_PAGE_DIR", (root_ / "deeper").c_str());
  ASSERT_EQ(WritePageFile("<html>first</html>"), 0);
  ASSERT_EQ(WritePageFile("second"), 0);
  std::stringstream written;
  written << std::ifstream(PageFilePath()).rdbuf();
  EXPECT_EQ(written.str(), "second");
  EXPECT_EQ(std::distance(fs::directory_iterator(root_ / "deeper"), fs::directory_iterator()), 1);
  std::ofstream(root_ / "file") << "x";
  Set("TESSOLAR_PAGE_DIR", (root_ / "file" / "pages").c_str());
  EXPECT_EQ(WritePageFile("new"), -1);
}

}  // namespace
}  // namespace tessolar
