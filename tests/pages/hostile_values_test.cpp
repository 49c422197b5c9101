// Calendar and user values that try to add markup, script or styles to a
// page must come out as plain text: the page's markup has the same shape as
// with harmless values of the same kind.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "pages/markup_shape_support.h"
#include "pages/month_grid.h"
#include "pages/page_blocks.h"
#include "pages/page_conventions.h"
#include "pages/title_pages.h"

namespace tessolar {
namespace {

using testing::MarkupShape;
using Shape = std::vector<std::string>;

// One value of each kind a page takes from a calendar.
struct Values {
  std::string text = "Ann", font = "Verdana", colour = "gray", picture = "null";
};

const std::vector<std::string> kTexts = {
    "</td></tr></table><script>alert(1)</script>", "\" onerror=\"alert(1)\" x=\"xxxxxxxxxxx",
    "' onmouseover='alert(1)' x='xxxxxxxxxxxxxx",  "<img src=x onerror=alert(1)>xxxxxxxxxxxxxx",
    "--><script>alert(1)</script><!--xxxxxxxxxx",  "&lt;script&gt; &amp; <!-- xxxxxxxxxxxxxxxx"};
const std::vector<std::string> kFonts = {
    "Verdana\"; background:url(http://evil.example/x); x:\"", "x\\\"; color:red",
    "Verdana'; color:red' onmouseover='alert(1)", "x</style><script>alert(1)</script><style>",
    "x\"}body{background:url(http://evil.example)}a{b:\""};
const std::vector<std::string> kColours = {"red; background:url(http://evil.example/x)",
                                           "red' onmouseover='alert(1)",
                                           "red\" onmouseover=\"alert(1)", "expression(alert(1))"};
// Each beside a harmless path of the same kind: absolute, relative, or a bare clip-art name.
const std::vector<std::pair<std::string, std::string>> kPaths = {
    {"javascript:alert(1)", "harmless.gif"},
    {"/tmp/x\" onerror=\"alert(1).gif", "/tmp/harmless.gif"},
    {"/tmp/x' onerror='alert(1).jpg", "/tmp/harmless.gif"},
    {"/tmp/x><script>alert(1)</script>.png", "/tmp/harmless.gif"},
    {"data:text/html,<script>alert(1)</script>", "tmp/harmless.gif"}};

// The markup of a month whose 5th has `page` entries, the title table or the big-pictures page.
Shape ShapeOf(int page, const Values& v) {
  CCalDatabase db;
  std::string html;
  db.SetFontMainBody(v.font);
  if (page <= 3) {
    for (int k = 0; k < page; ++k)
      db.SaveHolidayData(2, 5, 1990 + k, kPersonalEvent, v.text, v.picture, 0, 0);
    PageFacts facts(db);
    AppendMonthGrid(html, BuildMonthView(db, 2, db.Year(), facts), GridPlace::kOwnPage);
    html += WithFontMarker(std::string(MonthHeadBlock1()), v.font);
  } else {
    db.SetTitle(v.text);
    db.SetTitleFontStyle(v.font);
    db.SetTitleFontColor(v.colour);
    for (int i = 0; i < kBigPictureCount; ++i) db.SetBigPicture(i, v.picture, v.text);
    if (page == 4) TitleTable(html, db);
    if (page == 5) html = BuildBigPicturesPage(db, 945, 730);
  }
  return MarkupShape(html);
}

TEST(HostileValues, MonthsTitleAndBigPicturesShowEveryValueAsTextOrAFile) {
  for (int page = 1; page <= 5; ++page) {
    const Shape harmless = ShapeOf(page, {});
    std::vector<std::pair<Values, Values>> cases;
    for (const std::string& text : kTexts)
      cases.push_back({{text}, {std::string(text.size(), 'x')}});
    for (const std::string& font : kFonts) cases.push_back({{"Ann", font}, {}});
    for (const std::string& colour : kColours) cases.push_back({{"Ann", "Verdana", colour}, {}});
    for (const auto& [path, same] : kPaths) {
      cases.push_back({{"Ann", "Verdana", "gray", path}, {"Ann", "Verdana", "gray", same}});
    }
    for (const auto& [hostile, plain] : cases) {
      const Shape shape = ShapeOf(page, hostile);
      EXPECT_EQ(shape,
                plain.text == "Ann" && plain.picture == "null" ? harmless : ShapeOf(page, plain))
          << page << ": " << hostile.text << hostile.font << hostile.colour << hostile.picture;
      for (const std::string& item : shape) {
        EXPECT_TRUE(item != "scheme:javascript" && item != "scheme:data") << hostile.picture;
      }
    }
  }
}

TEST(HostileValues, FormattedBlocksEscapeDescriptionsPathsAndTheFolder) {
  for (const std::string& text : kTexts) {
    const std::string plain(text.size(), 'x');
    EXPECT_EQ(MarkupShape(MonthPictureCaption(text)), MarkupShape(MonthPictureCaption(plain)));
    EXPECT_EQ(MarkupShape(RecentFileLine("/cal/" + text, "Recent", "Title")),
              MarkupShape(RecentFileLine("/cal/" + plain, "Recent", "Title")));
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
