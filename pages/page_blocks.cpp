#include "pages/page_blocks.h"

#include <algorithm>
#include <map>

#include "pages/click_tokens.h"
#include "pages/html_escape.h"
#include "pages/page_conventions.h"
#include "pages/page_text.h"

namespace tessolar::embedded {
extern const std::string_view kPageBlocks;
}  // namespace tessolar::embedded

namespace tessolar {
namespace {

// Splits the block file at its "@@ Name" lines. A block is the text up to the
// line feed before the next header; a blank line there makes it end in "\n".
std::map<std::string, std::string_view, std::less<>> ParseBlocks(std::string_view text) {
  std::map<std::string, std::string_view, std::less<>> blocks;
  constexpr std::string_view kHeader = "\n@@ ";
  size_t header = text.find(kHeader);
  while (header != std::string_view::npos) {
    const size_t nameStart = header + kHeader.size();
    const size_t nameEnd = text.find('\n', nameStart);
    if (nameEnd == std::string_view::npos) break;
    const size_t next = text.find(kHeader, nameEnd);
    const size_t end = next == std::string_view::npos ? text.size() : next;
    std::string_view body = text.substr(nameEnd + 1, std::max(end, nameEnd + 1) - (nameEnd + 1));
    if (next == std::string_view::npos && !body.empty() && body.back() == '\n') {
      body.remove_suffix(1);
    }
    blocks.emplace(std::string(text.substr(nameStart, nameEnd - nameStart)), body);
    header = next;
  }
  return blocks;
}

std::string_view Block(std::string_view name) {
  static const auto blocks = ParseBlocks(embedded::kPageBlocks);
  const auto found = blocks.find(name);
  return found == blocks.end() ? std::string_view() : found->second;
}

}  // namespace

std::string_view PageOpenBlock() { return Block("PageOpenBlock"); }
std::string_view MonthHeadBlock1() { return Block("MonthHeadBlock1"); }
std::string_view MonthHeadBlock2() { return Block("MonthHeadBlock2"); }
std::string_view MonthHeadBlock3() { return Block("MonthHeadBlock3"); }
std::string_view CommonHeadBlock() { return Block("CommonHeadBlock"); }
std::string_view BigPicturesHeadBlock() { return Block("BigPicturesHeadBlock"); }
std::string_view PageCloseBlock() { return Block("PageCloseBlock"); }
std::string_view WallHeadBlock() { return Block("WallHeadBlock"); }
std::string_view PanelHeadBlock() { return Block("PanelHeadBlock"); }
std::string_view PanelMarkBlock() { return Block("PanelMarkBlock"); }
std::string_view FolderLinkBlock() { return Block("FolderLinkBlock"); }
std::string_view MonthPictureCaptionFormat() { return Block("MonthPictureCaptionFormat"); }
std::string_view RecentFileLineFormat() { return Block("RecentFileLineFormat"); }

std::string FolderLink() {
  return Printf(std::string(FolderLinkBlock()).c_str(), EscapeHtml(FileUrl(PageFolder())).c_str());
}

std::string MonthPictureCaption(const std::string& description) {
  return Printf(std::string(MonthPictureCaptionFormat()).c_str(), EscapeHtml(description).c_str());
}

std::string RecentFileLine(const std::string& path, const std::string& textRecent,
                           const std::string& titleRecent) {
  std::string format(RecentFileLineFormat());
  // The texts go in before formatting: a '%' in them must not act as a conversion.
  std::string text = textRecent;
  std::string title = titleRecent;
  ReplaceMarker(text, "%", "%%");
  ReplaceMarker(title, "%", "%%");
  ReplaceMarker(format, "text_recent", text);
  ReplaceMarker(format, "title_recent", title);
  return Printf(format.c_str(), EscapeHtml(RecentCalendarToken(path)).c_str(),
                EscapeHtml(path).c_str());
}

}  // namespace tessolar
