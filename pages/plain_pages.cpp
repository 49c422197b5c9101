#include "pages/plain_pages.h"

#include <algorithm>

#include "caldata/captions.h"
#include "caldata/data_paths.h"
#include "compute/language_table.h"
#include "pages/click_tokens.h"
#include "pages/html_escape.h"
#include "pages/page_blocks.h"
#include "pages/page_conventions.h"
#include "pages/page_text.h"

namespace tessolar {
namespace {

// The plain pages keep one font whatever the calendar's.
constexpr const char* kPlainFont = "Verdana";

std::string CommonStart() {
  std::string page;
  page += PageOpenBlock();
  page += '\n';
  page += FolderLink();
  page += '\n';
  page += CommonHeadBlock();
  return page;
}

void AppendClose(std::string& page) {
  page += PageCloseBlock();
  page += '\n';
}

// Entry `textIndex` with every occurrence of entry `wordIndex` shown as a link.
std::string WithLinkWord(int language, int textIndex, int wordIndex) {
  std::string text = EscapeHtml(LanguageString(language, textIndex));
  const std::string word = EscapeHtml(LanguageString(language, wordIndex));
  if (!word.empty()) {
    ReplaceMarker(text, word, "<font COLOR=\"#0000FF\" style=\"cursor:hand\" >" + word + "</font>");
  }
  return text;
}

}  // namespace

std::string BuildWelcomePage(int language, const std::vector<std::string>& recentFiles) {
  std::string page = CommonStart();
  std::string panel(PanelHeadBlock());
  ReplaceMarker(panel, "insert_welcome_title_here",
                EscapeHtml(LanguageString(language, lang::kWelcomeTitle)));
  ReplaceMarker(panel, "text_create_new",
                WithLinkWord(language, lang::kNewCalendarText, lang::kNewCalendarLinkWord));
  ReplaceMarker(panel, "title_create_new",
                EscapeHtml(LanguageString(language, lang::kNewCalendarTitle)));
  ReplaceMarker(panel, "token_create_new", kNewCalendarToken);
  ReplaceMarker(panel, "token_open_existing", kBrowseCalendarsToken);
  ReplaceMarker(panel, "text_open_existing",
                WithLinkWord(language, lang::kOpenCalendarText, lang::kSavedCalendarLinkWord));
  ReplaceMarker(panel, "title_open_existing",
                EscapeHtml(LanguageString(language, lang::kOpenCalendarTitle)));
  page += WithFontMarker(panel, kPlainFont);

  const std::string textRecent = EscapeHtml(LanguageString(language, lang::kRecentCalendarsText));
  const std::string titleRecent = EscapeHtml(LanguageString(language, lang::kRecentCalendarsTitle));
  for (std::string path : recentFiles) {
    std::replace(path.begin(), path.end(), '\\', '/');
    page += RecentFileLine(path, textRecent, titleRecent);
  }
  page += PanelMarkBlock();
  AppendClose(page);
  return page;
}

std::string BuildHelpPage() {
  std::string page = CommonStart();
  page += "<span style='color:black;font-family:\"Verdana\",sans-serif;font-size:16.0pt' >";
  AppendFormat(page,
               "Click <a href=\"%s\" ><font COLOR=\"#0000FF\" "
               "style=\"cursor:hand\" >here</font></a> to view the help file.",
               FileUrl(HelpDocumentPath()).c_str());
  page += "</span>";
  AppendClose(page);
  return page;
}

std::string BuildHiddenEntriesPage(const CCalDatabase& db) {
  std::string page = CommonStart();
  page += "<span style='color:black;font-family:\"Verdana\",sans-serif' >";
  const std::vector<uint32_t> hidden = db.GetHiddenEntryIndices();
  if (hidden.empty()) {
    page += "<h1>No entries are hidden</h1><br>";
  } else {
    page += "<h1>Check one of the boxes to unhide the specific event</h1><br>";
  }
  for (uint32_t slot : hidden) {
    const CalEntry* entry = db.EntryAt(slot);
    if (entry == nullptr) {
      AppendFormat(page, "index %u is invalid<br>", slot);
      continue;
    }
    const std::string caption = EntryCaption(db, *entry);
    AppendFormat(page,
                 "<input type=checkbox name=abc onClick=onBtnOk(\"%s\") >%s - %s %d, %d<br>",
                 UnhideToken(slot).c_str(), EscapeHtml(caption).c_str(),
                 EscapeHtml(MonthName(db.Language(), entry->month)).c_str(), entry->day,
                 entry->year);
  }
  page += "</span></body></html>";
  return page;
}

std::string BuildDatabasePage(const std::string& calendarText) {
  std::string page = CommonStart();
  for (char c : EscapeHtml(calendarText)) {
    page += c;
    if (c == '\n') page += "<br>";
  }
  AppendClose(page);
  return page;
}

}  // namespace tessolar
