#include "pages/page_blocks.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "pages/page_conventions.h"

namespace tessolar {
namespace {

// The printf conversions of a format, "%%" left out.
std::vector<std::string> Conversions(std::string_view format) {
  std::vector<std::string> found;
  const std::string text(format);
  const std::regex conversion("%[-+ #0]*[0-9]*(\\.[0-9]+)?[hlLqjzt]*[diouxXeEfFgGaAcspn%]");
  for (auto it = std::sregex_iterator(text.begin(), text.end(), conversion); it != std::sregex_iterator();
       ++it) {
    if (it->str() != "%%") found.push_back(it->str());
  }
  return found;
}

std::string MonthHead() {
  return std::string(PageOpenBlock()) + "\n" + std::string(MonthHeadBlock1()) + "\n" +
         std::string(MonthHeadBlock2()) + "\n" + std::string(MonthHeadBlock3()) + "\n";
}

TEST(PageBlocks, FormatsTakeExactlyTheirArguments) {
  EXPECT_EQ(Conversions(FolderLinkBlock()), std::vector<std::string>{"%s"});
  EXPECT_EQ(Conversions(MonthPictureCaptionFormat()), std::vector<std::string>{"%s"});
  EXPECT_EQ(Conversions(RecentFileLineFormat()), (std::vector<std::string>{"%s", "%s"}));
  EXPECT_EQ(Conversions(EmptyDayCellFormat()), (std::vector<std::string>{"%02d", "%02d", "%d"}));
}

TEST(PageBlocks, HeadDeclaresUtf8AndDefinesThePageScript) {
  const std::string open(PageOpenBlock());
  EXPECT_LT(open.find("<meta charset=\"utf-8\">"), 1024u);
  EXPECT_NE(open.find("function onBtnOk(token)"), std::string::npos);
  EXPECT_NE(open.find("function onLoad()"), std::string::npos);
  // The token goes after "?" on the page's own address.
  EXPECT_NE(open.find("page + \"?\" + query"), std::string::npos);
  EXPECT_EQ(std::string(PageCloseBlock()), "</body>\n</html>");
}

TEST(PageBlocks, StylesDefineEveryClassTheMarkupUses) {
  const std::string month = MonthHead();
  for (const char* selector : {"p.MsoNormal", "table.MsoTableGrid", "td.xl23", "td.xl24", "td.xl25", "td.xl26",
                               "td.xl27", "td.xl29", "td.xl30", "p.pagebreak"}) {
    EXPECT_NE(month.find(selector), std::string::npos) << selector;
  }
  const std::string common(CommonHeadBlock());
  for (const char* selector : {".Section1", "table.MsoTableGrid", ".panel", ".recent"}) {
    EXPECT_NE(common.find(selector), std::string::npos) << selector;
  }
  // Paper, orientation and margins come from the print layout (Page Setup); an
  // @page size in the page would override the orientation chosen there.
  EXPECT_EQ(month.find("@page"), std::string::npos);
  EXPECT_NE(month.find("p.pagebreak { break-before: page; page-break-before: always; }"), std::string::npos);
  // The head is complete: style and head closed, body open.
  EXPECT_LT(month.find("<style>"), month.find("</style>"));
  EXPECT_LT(month.find("</head>"), month.find("<body>"));
}

TEST(PageBlocks, FontMarkerSitsInCssStrings) {
  const std::string head = MonthHead() + std::string(BigPicturesHeadBlock()) + std::string(PanelHeadBlock());
  size_t markers = 0;
  for (size_t pos = head.find("insert_font_here"); pos != std::string::npos;
       pos = head.find("insert_font_here", pos + 1)) {
    ++markers;
    EXPECT_EQ(head.substr(pos - 1, 18), "\"insert_font_here\"");
  }
  EXPECT_GE(markers, 3u);
  EXPECT_EQ(WithFontMarker(MonthHead(), "Verdana").find("insert_font_here"), std::string::npos);
}

TEST(PageBlocks, FormattedPiecesEscapeTheirValues) {
  EXPECT_EQ(EmptyDayCell(1, 5),
            "<td class=xl24 onDblClick=onBtnOk(\"caldate0105\"); ><span class=daynum>5</span></td>\n");
  EXPECT_NE(EmptyDayCell(11, 31).find("onBtnOk(\"caldate1131\")"), std::string::npos);
  EXPECT_EQ(MonthPictureCaption("Ann & <Bob>"), "            Ann &amp; &lt;Bob&gt;\n");
  const std::string line = RecentFileLine("/home/ann/My \"cal\" 100%.cal", "Recent <b>", "Title 100%");
  EXPECT_NE(line.find("data-token=\"calendarrecent_/home/ann/My &quot;cal&quot; 100%.cal\""), std::string::npos);
  EXPECT_NE(line.find(">/home/ann/My &quot;cal&quot; 100%.cal</a>"), std::string::npos);
  EXPECT_NE(line.find("Recent <b>"), std::string::npos);
  EXPECT_NE(line.find("Title 100%"), std::string::npos);
}

}  // namespace
}  // namespace tessolar
