#include "pages/title_pages.h"

#include "pages/click_tokens.h"
#include "pages/html_escape.h"
#include "pages/image_size.h"
#include "pages/page_blocks.h"
#include "pages/page_conventions.h"
#include "pages/page_text.h"

namespace tessolar {
namespace {

constexpr uint32_t kTitleSize = 750;  // title table and picture box height
constexpr uint32_t kTitlePictureLargestWidth = 1025;

// The index accepts 12, one past the last big picture; it shows the first.
int TitlePictureSlot(const CCalDatabase& db) {
  const uint32_t index = db.TitlePictureIndex();
  return index < static_cast<uint32_t>(kBigPictureCount) ? static_cast<int>(index) : 0;
}

std::string TitleColor(const CCalDatabase& db) {
  const std::string color = SanitizeCssValue(db.TitleFontColor());
  return color.empty() ? "gray" : color;
}

std::string PageStart() {
  std::string page(PageOpenBlock());
  page += "\n" + FolderLink() + "\n";
  page += CommonHeadBlock();
  return page;
}

}  // namespace

void TitleTable(std::string& page, const CCalDatabase& db, Notes* notes) {
  const int slot = TitlePictureSlot(db);
  const std::string picture = db.BigPicturePath(slot);
  const PictureSize size = ImageSize(picture, notes);
  const PictureSize fit =
      FitIntoBox(kTitleSize, kTitlePictureLargestWidth, size.height, size.width);
  const std::string color = TitleColor(db);
  const std::string font = EscapeCssString(db.TitleFontStyle());
  const uint32_t fontSize = db.TitleFontSize();

  page += Printf("<table cols=1 class=MsoTableGrid border=0 cellspacing=0 cellpadding=0 width=%u\n",
                 kTitleSize);
  page += Printf("style='width:%upt;border-collapse:collapse;mso-yfti-tbllook:%u;\n", kTitleSize,
                 kTitleSize);
  page += "mso-padding-alt:0in .1pt 0in .1pt'>\n";
  page += Printf("<tr style='mso-yfti-irow:0;mso-yfti-lastrow:yes;height:%u '>", kTitleSize);
  AppendPiece(
      page, 8,
      Printf(
          "<td width=%u align=center valign=middle style='width:%upt;padding:0in .0pt 0in .0pt'>\n",
          kTitleSize, kTitleSize));
  page += Printf("<span align=center style='color:%s;font-size:%u.0pt;font-family:\"%s\"'>\n",
                 color.c_str(), fontSize, font.c_str());
  page += Printf(
      "<img width=\"%u\" height=\"%u\" src=\"%s\" onDblClick=onBtnOk(\"%s\"); >\n",
      fit.width, fit.height, PictureUrl(picture).c_str(), TitlePictureToken(slot).c_str());
  page += Printf(
      "<span onDblClick=onBtnOk(\"%s\"); style='position:absolute; left:%upx; "
      "top:%upx; color:%s; font-size:%u.0pt;font-family:\"%s\"; z-index:1 '>\n",
      kTitleTextToken, db.TitleXPos(), db.TitleYPos(), color.c_str(), fontSize, font.c_str());
  page += EscapeHtml(db.Title()) + Printf(" %d\n", db.Year());
  AppendPiece(page, 12, "</span><!-- span for text -->\n");
  AppendPiece(page, 12, "</span><!-- span for picture -->\n");
  AppendPiece(page, 8, "</td>\n");
  page += "</tr>\n";
}

std::string BuildTitlePage(const CCalDatabase& db, Notes* notes) {
  std::string page = PageStart();
  page +=
      "<body link=blue vlink=purple onload=\"onLoad();\" leftmargin=0 topmargin=0 "
      "rightmargin=0 bottommargin=0 \n";
  page += "style=\"background-color: buttonface\" >\n";
  page += "<div class=Section1>\n";
  page += "<span style='color:black;font-family:\"Verdana\",sans-serif;font-size:16.0pt' >";
  TitleTable(page, db, notes);
  page += "</span>";
  page += std::string(PageCloseBlock()) + "\n";
  return page;
}

std::string BigPicturesTable(const CCalDatabase& db, uint32_t width, uint32_t height,
                             Notes* notes) {
  std::string table = "<table width=\"100%\" cols=4 valign=top border=1 >";
  for (int i = 0; i < kBigPictureCount; ++i) {
    const BigPicture& big = db.BigPictureAt(i);
    if (i % 4 == 0) table += "<tr>";
    const std::string token = BigPictureToken(i);
    table += Printf("<td valign=top width=\"25%%\" data-token=\"%s\" >", token.c_str());
    table += "<table cols=1 width=100% valign=top >";
    table += Printf("<tr><td align=center ><span onDblClick=onBtnOk(\"%s\") >%s</span></td></tr>",
                    token.c_str(), EscapeHtml(big.description).c_str());
    table += "<tr><td>";
    const std::string picture = db.BigPicturePath(i);
    const PictureSize size = ImageSize(picture, notes);
    const PictureSize fit = FitIntoBox(height / 4, width / 4, size.height, size.width);
    table += Printf(
        "<img width=%u height=%u src=\"%s\" v:shapes=_x0000_i1025 "
        "onDblClick=onBtnOk(\"%s\") >\n",
        fit.width, fit.height, PictureUrl(picture).c_str(), token.c_str());
    table += "</td></tr>";
    table += "</table><!-- table 6 addbigpics row of 4 -->";
    table += "</td>";
    if (i % 4 == 3) table += "</tr>";
  }
  table += "</table><!-- table 7 bigpics page -->";
  return table;
}

std::string BuildBigPicturesPage(const CCalDatabase& db, uint32_t width, uint32_t height,
                                 Notes* notes) {
  std::string page = PageStart();
  page += WithFontMarker(BigPicturesHeadBlock(), db.FontMainBody());
  page += Printf("<font face=\"%s\" >\n", EscapeHtml(db.FontMainBody()).c_str());
  page += BigPicturesTable(db, width, height, notes);
  page += "</font>\n";
  page += std::string(PageCloseBlock()) + "\n";
  return page;
}

}  // namespace tessolar
