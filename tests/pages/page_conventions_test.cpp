#include "pages/page_conventions.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>

namespace tessolar {
namespace {

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
