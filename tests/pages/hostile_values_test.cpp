// Calendar and user values that try to add markup, script or styles to a
// page must come out as plain text: the page's markup has the same shape as
// with harmless values of the same length.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "pages/day_cell.h"
#include "pages/markup_shape_support.h"
#include "pages/page_blocks.h"
#include "pages/page_conventions.h"
#include "pages/title_pages.h"

namespace tessolar {
namespace {

using testing::MarkupShape;
using Shape = std::vector<std::string>;

const std::vector<std::string> kHostileTexts = {
    "</td></tr></table><script>alert(1)</script>",  "\" onerror=\"alert(1)\" x=\"xxxxxxxxxxxxxxxx",
    "' onmouseover='alert(1)' x='xxxxxxxxxxxxxxxx", "<img src=x onerror=alert(1)>xxxxxxxxxxxxxxx",
    "--><script>alert(1)</script><!--xxxxxxxxxx",   "&lt;script&gt; &amp; <!-- xxxxxxxxxxxxxxxxx",
};
const std::vector<std::string> kHostileFonts = {
    "Verdana\"; background:url(http://evil.example/x); x:\"", "Verdana'; color:red' onmouseover='alert(1)",
    "x</style><script>alert(1)</script><style>", "x\"}body{background:url(http://evil.example)}a{b:\"",
    "x\\\"; color:red",
};
const std::vector<std::string> kHostilePaths = {
    "javascript:alert(1)", "/tmp/x\" onerror=\"alert(1).gif", "/tmp/x' onerror='alert(1).jpg",
    "/tmp/x><script>alert(1)</script>.png", "data:text/html,<script>alert(1)</script>",
};
const std::vector<std::string> kHostileColours = {
    "red; background:url(http://evil.example/x)", "red' onmouseover='alert(1)", "red\" onmouseover=\"alert(1)",
    "expression(alert(1))",
};

std::string Harmless(const std::string& hostile) { return std::string(hostile.size(), 'x'); }

// A harmless path of the same kind: absolute, relative, or a bare clip-art name.
std::string HarmlessPath(const std::string& hostile) {
  if (hostile.front() == '/') return "/tmp/harmless.gif";
  return hostile.find('/') != std::string::npos ? "tmp/harmless.gif" : "harmless.gif";
}

void ExpectSameShapeWithoutScriptUrls(const Shape& hostile, const Shape& harmless, const std::string& value) {
  EXPECT_EQ(hostile, harmless) << value;
  for (const std::string& item : hostile) EXPECT_TRUE(item != "scheme:javascript" && item != "scheme:data") << value;
}

class HostileValuesTest : public ::testing::Test {
 protected:
  void TearDown() override { SetPageFont("Verdana"); }

  static Shape DayCellShape(const std::string& description, const std::string& picture, uint32_t count) {
    CCalDatabase db;
    for (uint32_t k = 0; k < count; ++k) {
      db.SaveHolidayData(2, 5, 1990 + static_cast<int>(k), kPersonalEvent, description, picture, 0, 0);
    }
    db.SortAndCompact();
    std::string page;
    DayCell(page, db, 2, 5, count);
    return MarkupShape(page);
  }
};

TEST_F(HostileValuesTest, DayCellsShowDescriptionsAsTextLoadPathsAsFilesAndKeepFontsInTheirStrings) {
  SetPageFont("Verdana");
  for (uint32_t count : {1u, 2u, 3u}) {
    for (const std::string& text : kHostileTexts) {
      ExpectSameShapeWithoutScriptUrls(DayCellShape(text, "null", count), DayCellShape(Harmless(text), "null", count), text);
    }
    // A path that exists is shown; one that does not is "null", so compare with the same kind.
    for (const std::string& path : kHostilePaths) {
      ExpectSameShapeWithoutScriptUrls(DayCellShape("Ann", path, count), DayCellShape("Ann", HarmlessPath(path), count), path);
    }
  }
  const Shape harmless = DayCellShape("Ann", "null", 3);
  const Shape harmlessBlock = MarkupShape(WithFontMarker(std::string(MonthHeadBlock1()), "Verdana"));
  for (const std::string& font : kHostileFonts) {
    SetPageFont(font);
    EXPECT_EQ(DayCellShape("Ann", "null", 3), harmless) << font;
    EXPECT_EQ(MarkupShape(WithFontMarker(std::string(MonthHeadBlock1()), font)), harmlessBlock) << font;
  }
}

// The title table and the big-pictures page, each built from a text, a font,
// a colour and a picture path: every hostile value of each kind in turn.
TEST_F(HostileValuesTest, TitleAndBigPicturesPagesEscapeEveryValue) {
  using Build = std::string (*)(const std::string&, const std::string&, const std::string&, const std::string&);
  const Build title = [](const std::string& text, const std::string& font, const std::string& colour,
                         const std::string& picture) {
    CCalDatabase db;
    db.SetTitle(text);
    db.SetTitleFontStyle(font);
    db.SetTitleFontColor(colour);
    db.SetBigPicture(0, picture, "");
    std::string page;
    TitleTable(page, db);
    return page;
  };
  const Build bigPictures = [](const std::string& text, const std::string& font, const std::string&,
                               const std::string& picture) {
    CCalDatabase db;
    db.SetFontMainBody(font);
    for (int i = 0; i < kBigPictureCount; ++i) db.SetBigPicture(i, picture, text);
    return BuildBigPicturesPage(db, 945, 730);
  };
  for (const Build build : {title, bigPictures}) {
    const auto shape = [build](const std::string& text, const std::string& font = "Verdana",
                               const std::string& colour = "gray", const std::string& picture = "/tmp/harmless.gif") {
      return MarkupShape(build(text, font, colour, picture));
    };
    const Shape harmless = shape("Title");
    for (const std::string& text : kHostileTexts) ExpectSameShapeWithoutScriptUrls(shape(text), harmless, text);
    for (const std::string& font : kHostileFonts) ExpectSameShapeWithoutScriptUrls(shape("Title", font), harmless, font);
    for (const std::string& colour : kHostileColours) {
      ExpectSameShapeWithoutScriptUrls(shape("Title", "Verdana", colour), harmless, colour);
    }
    for (const std::string& path : kHostilePaths) {
      ExpectSameShapeWithoutScriptUrls(shape("Title", "Verdana", "gray", path),
                                       shape("Title", "Verdana", "gray", HarmlessPath(path)), path);
    }
  }
}

TEST_F(HostileValuesTest, FormattedBlocksEscapeDescriptionsPathsAndTheFolder) {
  for (const std::string& text : kHostileTexts) {
    EXPECT_EQ(MarkupShape(MonthPictureCaption(text)), MarkupShape(MonthPictureCaption(Harmless(text))));
    EXPECT_EQ(MarkupShape(RecentFileLine("/cal/" + text, "Recent", "Title")),
              MarkupShape(RecentFileLine("/cal/" + Harmless(text), "Recent", "Title")));
  }
  const char* old = std::getenv("TESSOLAR_PAGE_DIR");
  const std::string saved = old ? old : "";
  setenv("TESSOLAR_PAGE_DIR", "/tmp/pages", 1);
  const Shape harmless = MarkupShape(FolderLink());
  setenv("TESSOLAR_PAGE_DIR", "/tmp/\"><script>alert(1)</script>", 1);
  EXPECT_EQ(MarkupShape(FolderLink()), harmless);
  old ? setenv("TESSOLAR_PAGE_DIR", saved.c_str(), 1) : unsetenv("TESSOLAR_PAGE_DIR");
}

}  // namespace
}  // namespace tessolar
