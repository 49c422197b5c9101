#pragma once
// The fixed markup that opens and closes the pages: document head, styles,
// page script and the formats of a few repeated pieces. The blocks live as
// resource files under resources/pages/ and are compiled in.
//
// Order on the month pages: PageOpenBlock, MonthHeadBlock1..3, FolderLink().
// Order on the other pages: PageOpenBlock, FolderLink(), CommonHeadBlock,
// then the page's own blocks. Every page ends with PageCloseBlock and "\n".
//
// The page script defines onBtnOk(token), which every double-clickable
// element calls: it loads the page file again with "?" and the token
// appended (e.g. ".../page.html?caldate0105"), which the view intercepts.
// Spaces and other characters outside a URL's plain set arrive
// percent-encoded ("%20"). The script also defines onLoad() for the title page.
//
// "insert_font_here" in the month head blocks and BigPicturesHeadBlock sits
// in a CSS string: replace it with WithFontMarker (page_conventions.h).

#include <string>
#include <string_view>

namespace tessolar {

std::string_view PageOpenBlock();
std::string_view MonthHeadBlock1();  // styles of the month grids and day cells
std::string_view MonthHeadBlock2();  // print styles
std::string_view MonthHeadBlock3();  // ends the head of the month pages
std::string_view CommonHeadBlock();  // styles of the title and plain pages
std::string_view BigPicturesHeadBlock();
std::string_view PageCloseBlock();
std::string_view WallHeadBlock();  // styles of the wall calendar's sheets

// The welcome panel with the markers "insert_welcome_title_here",
// "text_create_new", "title_create_new", "text_open_existing",
// "title_open_existing" and "insert_font_here", and its links that send
// "calendarnew" and "calendarbrowse".
std::string_view PanelHeadBlock();
// Ends the welcome panel.
std::string_view PanelMarkBlock();

// printf-style formats. Their arguments take values already escaped for the
// place they land in; the helpers below do that and are what builders call.
std::string_view FolderLinkBlock();            // one %s: file URL of the page folder
std::string_view MonthPictureCaptionFormat();  // one %s: description, HTML-escaped
// Two %s, the same HTML-escaped path; carries the markers "text_recent" and
// "title_recent" and a link that sends "calendarrecent_" with the path.
std::string_view RecentFileLineFormat();

// FolderLinkBlock formatted with the page folder.
std::string FolderLink();
// The caption line under a month picture of the all-months page.
std::string MonthPictureCaption(const std::string& description);
// One line of the welcome page's recent-files list for `path` (escaped here).
// `textRecent` and `titleRecent` replace the markers "text_recent" and
// "title_recent" as they stand: markup, so the caller escapes plain texts.
std::string RecentFileLine(const std::string& path, const std::string& textRecent,
                           const std::string& titleRecent);

}  // namespace tessolar
