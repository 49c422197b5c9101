#include "pages/page_blocks.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "pages/page_conventions.h"

namespace tessolar {
namespace {

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

}  // namespace
}  // namespace tessolar
