#include "pages/page_conventions.h"

#include <gtest/gtest.h>
#include <unistd.h>

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

// Sets environment variables for one test and puts the old values back.
class ScopedEnvironment {
 public:
  ~ScopedEnvironment() {
    for (const auto& [name, value] : saved_) Put(name, value);
  }
  void Set(const std::string& name, const std::optional<std::string>& value) {
    const char* old = std::getenv(name.c_str());
    saved_.emplace(name, old ? std::optional<std::string>(old) : std::nullopt);
    Put(name, value);
  }

 private:
  static void Put(const std::string& name, const std::optional<std::string>& value) {
    value ? setenv(name.c_str(), value->c_str(), 1) : unsetenv(name.c_str());
  }
  std::map<std::string, std::optional<std::string>> saved_;
};

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class PageFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("tessolar_pages_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(root_);
  }
  void TearDown() override {
    std::error_code error;
    fs::permissions(root_, fs::perms::owner_all, error);
    fs::remove_all(root_, error);
  }
  fs::path root_;
  ScopedEnvironment env_;
};

TEST_F(PageFolderTest, FolderComesFromTheFirstUsableVariable) {
  env_.Set("TESSOLAR_PAGE_DIR", "/srv/pages/");
  env_.Set("XDG_CACHE_HOME", "/x/cache");
  env_.Set("HOME", "/home/ann");
  EXPECT_EQ(PageFolder(), "/srv/pages");
  env_.Set("TESSOLAR_PAGE_DIR", "");
  EXPECT_EQ(PageFolder(), "/x/cache/tessolar");
  env_.Set("XDG_CACHE_HOME", "relative/cache");  // relative values do not count
  EXPECT_EQ(PageFolder(), "/home/ann/.cache/tessolar");
  env_.Set("TESSOLAR_PAGE_DIR", std::nullopt);
  env_.Set("XDG_CACHE_HOME", std::nullopt);
  EXPECT_EQ(PageFilePath(), "/home/ann/.cache/tessolar/tessolar-page-" + std::to_string(getpid()) + ".html");
  env_.Set("HOME", std::nullopt);
  EXPECT_EQ(PageFolder().front(), '/');
}

TEST_F(PageFolderTest, PageUrlIsAnEncodedFileUrl) {
  env_.Set("TESSOLAR_PAGE_DIR", "/tmp/My Pages #1/100%/Año");
  EXPECT_EQ(PageUrl(), "file:///tmp/My%20Pages%20%231/100%25/A%C3%B1o/tessolar-page-" + std::to_string(getpid()) + ".html");
}

TEST_F(PageFolderTest, WritingCreatesTheFolderAndReplacesThePage) {
  const fs::path folder = root_ / "deeper" / "still";
  env_.Set("TESSOLAR_PAGE_DIR", folder.string());
  ASSERT_EQ(WritePageFile("<html>first</html>"), 0);
  EXPECT_EQ(ReadFile(PageFilePath()), "<html>first</html>");
  ASSERT_EQ(WritePageFile("second"), 0);
  EXPECT_EQ(ReadFile(PageFilePath()), "second");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST_F(PageFolderTest, FailedWriteReportsAndKeepsTheOldPage) {
  env_.Set("TESSOLAR_PAGE_DIR", root_.string());
  ASSERT_EQ(WritePageFile("old"), 0);
  fs::permissions(root_, fs::perms::owner_read | fs::perms::owner_exec);
  const bool enforced = !std::ofstream((root_ / "probe").string());  // root ignores permissions
  if (enforced) {
    EXPECT_EQ(WritePageFile("new"), -1);
    EXPECT_EQ(ReadFile(PageFilePath()), "old");
  }
  // A folder that cannot exist: its parent is a file.
  fs::permissions(root_, fs::perms::owner_all);
  std::ofstream((root_ / "file").string()) << "x";
  env_.Set("TESSOLAR_PAGE_DIR", (root_ / "file" / "pages").string());
  EXPECT_EQ(WritePageFile("new"), -1);
}

TEST(PageMarkers, EveryOccurrenceIsReplacedOnce) {
  std::string text = "a insert_font_here b insert_font_here";
  ReplaceMarker(text, "insert_font_here", "Verdana");
  EXPECT_EQ(text, "a Verdana b Verdana");
  // A value containing the marker is not replaced again.
  text = "[m][m]";
  ReplaceMarker(text, "m", "mm");
  EXPECT_EQ(text, "[mm][mm]");
  ReplaceMarker(text, "", "x");
  EXPECT_EQ(text, "[mm][mm]");
  EXPECT_EQ(WithFontMarker("\"insert_font_here\", \"insert_font_here\"", "Verdana"),
            "\"Verdana\", \"Verdana\"");
  EXPECT_EQ(WithFontMarker("\"insert_font_here\"", "A\"B"), "\"A\\22 B\"");
}

}  // namespace
}  // namespace tessolar
