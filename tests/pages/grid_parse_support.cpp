#include "pages/grid_parse_support.h"

#include <algorithm>
#include <cstdlib>
#include <regex>

namespace tessolar::testing {
namespace {

// Every capture of `pattern`'s first group in `text`, in order.
std::vector<std::string> AllOf(const std::string& text, const std::regex& pattern) {
  std::vector<std::string> found;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), pattern);
       it != std::sregex_iterator(); ++it)
    found.push_back((*it)[1]);
  return found;
}

// Reads one mini grid text (from "<!-- insert a mini" to its end comment).
MiniGridCells ReadMiniGrid(const std::string& text) {
  static const std::regex heading("padding:-2px;font-family:[^\\n]*\\n([^\\n]*)\\n");
  const std::string dayOpen = "<td align=center class=xl23>\n";
  MiniGridCells mini;
  const auto headings = AllOf(text.substr(0, text.find(dayOpen)), heading);
  if (!headings.empty()) mini.heading = headings[0];
  mini.firstWeekday = static_cast<int>(Occurrences(text, "<td></td><!-- 1 - index "));
  mini.rows = static_cast<int>(Occurrences(text, "<tr height=10 style='mso-height-source:userset"));
  for (size_t pos = text.find(dayOpen); pos != std::string::npos;
       pos = text.find(dayOpen, pos + 1)) {
    mini.days.push_back(std::atoi(text.c_str() + text.find('\n', text.find('\n', pos) + 1) + 1));
  }
  return mini;
}

}  // namespace

size_t Occurrences(const std::string& text, const std::string& needle) {
  size_t n = 0;
  for (size_t pos = text.find(needle); pos != std::string::npos;
       pos = text.find(needle, pos + needle.size()))
    ++n;
  return n;
}

BigGridCells ReadBigGrid(const std::string& page, size_t& from) {
  static const std::regex heading("x:num=38353>([^<]*)</td>");
  static const std::regex weekday("class=xl26[^>]*>([^<]*)</td>");
  const std::string kBlank = "<td></td><!-- ", kMini = "<td valign=center height=95><span>",
                    kDay = "<!-- DayCount is ", kMiniEnd = "end cell with mini month-->";
  BigGridCells grid;
  const size_t start = page.find("<table class=bigmonth x:str border=0", from);
  const size_t end = page.find("</table><!-- end big month ", start);
  if (start == std::string::npos || end == std::string::npos) return grid;
  from = end + 1;
  const std::string text = page.substr(start, end - start);
  const size_t firstRow = text.find("<tr height=95 ");
  grid.found = firstRow != std::string::npos;
  grid.headings = AllOf(text.substr(0, firstRow), heading);
  grid.weekdays = AllOf(text.substr(0, firstRow), weekday);
  grid.rows = static_cast<int>(Occurrences(text, "<tr height=95 "));
  const auto nextCell = [&](size_t pos) {
    return std::min({text.find(kBlank, pos), text.find(kMini, pos), text.find(kDay, pos)});
  };
  for (size_t at = nextCell(0); at != std::string::npos;) {
    GridCell cell;
    size_t next = nextCell(at + 1);
    if (text.compare(at, kMini.size(), kMini) == 0) {
      const size_t close = text.find(kMiniEnd, at);
      cell.kind = GridCell::kMini;
      cell.mini = ReadMiniGrid(text.substr(at, close - at));
      next = nextCell(close);
    } else if (text.compare(at, kDay.size(), kDay) == 0) {
      cell.kind = GridCell::kDay;
      cell.dayCount = std::atoi(text.c_str() + at + kDay.size());
      const size_t token = text.find("caldate", at);
      if (token < next) cell.token = text.substr(token, 11);
    }
    grid.cells.push_back(cell);
    at = next;
  }
  return grid;
}

}  // namespace tessolar::testing
