#pragma once
// What every page builder shares: the one page file the browser view loads,
// and the marker replacement in stored blocks.
//
// Builders produce a page as text; writing it is a separate step, so the
// command-line tool and the tests use the same text the desktop program shows.

#include <string>
#include <string_view>

namespace tessolar {

// Folder of the page file: $TESSOLAR_PAGE_DIR, else $XDG_CACHE_HOME/tessolar,
// else $HOME/.cache/tessolar (read at each call; empty or relative values
// are skipped). No trailing slash.
std::string PageFolder();

// The page file of this process inside PageFolder().
std::string PageFilePath();

// The file of this process inside PageFolder() that a page made only for
// printing goes to, so that what the view shows stays.
std::string PrintFilePath();

// PageFilePath() as a file URL, percent-encoded.
std::string PageUrl();

// Writes `text` to the page file (or to `path`), creating the folder when missing. The text
// goes to a temporary file that then replaces the page file, so the browser
// never loads half a page. Returns 0 when written, -1 otherwise (the old page
// file is then left as it was).
int WritePageFile(const std::string& text, const std::string& path = PageFilePath());

// Replaces every occurrence of `marker` in `text` by `value`.
void ReplaceMarker(std::string& text, std::string_view marker, std::string_view value);

// `block` with every "insert_font_here" replaced by `font`, escaped for the
// CSS string the blocks put the marker in.
std::string WithFontMarker(std::string_view block, const std::string& font);

}  // namespace tessolar
