#include "pages/day_cell.h"

#include "caldata/captions.h"
#include "compute/utf8.h"
#include "pages/click_tokens.h"
#include "pages/html_escape.h"
#include "pages/page_text.h"

namespace tessolar {
namespace {

// What every element of an entry carries: its store index and its click token.
void AppendEntryAction(std::string& page, uint32_t slot) {
  Append(page, "data-entry=", slot, " onDblClick=onBtnOk(\"", EntryToken(slot), "\")");
}

// A caption is the entry's button for the keyboard and the screen reader:
// Tab reaches the captions of the selected day, and Enter edits the entry.
void AppendCaptionAction(std::string& page, uint32_t slot) {
  page += "role=button tabindex=-1 ";
  AppendEntryAction(page, slot);
}

void AppendImage(std::string& page, const EntryView& entry) {
  if (entry.box.width == 0) return;
  Append(page, "<img width=", entry.box.width, " height=", entry.box.height, " src=\"", entry.url,
         "\" alt=\"", EscapeHtml(entry.caption), "\" ");
  AppendEntryAction(page, entry.slot);
  page += " >\n";
}

void AppendTableOpening(std::string& page, bool twoColumns) {
  page += twoColumns ? "<table role=presentation cols=2 class=MsoTableGrid"
                     : "<table role=presentation class=MsoTableGrid";
  page +=
      " border=0 cellspacing=0 cellpadding=0 width=125 style='width:95pt;"
      "border-collapse:collapse'>\n";
}

// The first row's opening and the narrow cell with the day number, in the
// holiday colour on a day off.
void AppendDayNumber(std::string& page, const std::string& font, const std::string& token,
                     const DayView& day) {
  Append(page,
         "<tr>\n<td width=8 nowrap valign=top style='width:.1in;padding:0in .1pt 0in .1pt'>\n"
         "<p class=MsoNormal><span aria-hidden=true style='",
         day.dayOff ? "color:#b3261e;font-weight:bold" : "color:gray", ";font-family:\"", font,
         "\"' onDblClick=onBtnOk(\"", token, "\"); >", day.day, "</span></p>\n</td>\n");
}

void AppendOneEntry(std::string& page, const DayView& day, const std::string& font,
                    const std::string& token) {
  const EntryView& entry = day.entries[0];
  AppendTableOpening(page, false);
  AppendDayNumber(page, font, token, day);
  // Short captions keep the page's size; longer ones shrink by their width.
  const char* size = "";
  if (CodePointCount(entry.caption) > kShortCaptionLength) {
    size = CaptionWidth(entry.caption) > 48 ? ";font-size:7.0pt" : ";font-size:9.0pt";
  }
  Append(page,
         "<td colspan=2 width=125 nowrap align=center valign=top "
         "style='width:99pt;padding:0in .1pt 0in .1pt'>\n"
         "<p class=MsoNormal><span style='color:gray;font-family:\"",
         font, "\"", size, "' ");
  AppendCaptionAction(page, entry.slot);
  Append(page, " >", EscapeHtml(entry.caption),
         "</span></p>\n</td>\n</tr>\n<tr>\n"
         "<td colspan=3 width=150 align=center valign=top "
         "style='width:125pt;padding:0in .1pt 0in .1pt'>\n<p class=MsoNormal>\n");
  AppendImage(page, entry);
  page += "</p>\n</td>\n</tr>\n</table>\n";
}

void AppendTwoEntries(std::string& page, const DayView& day, const std::string& font,
                      const std::string& token) {
  AppendTableOpening(page, true);
  AppendDayNumber(page, font, token, day);
  page += "<td></td>\n</tr>\n<tr>\n";
  for (const EntryView& entry : day.entries) {
    Append(page,
           "<td width=80 valign=top style='width:75pt;padding:0in .1pt 0in .1pt'>\n"
           "<span style='color:gray;font-size:",
           CaptionWidth(entry.caption) > 24 ? 8 : 10, ";font-family:\"", font, "\"' ");
    AppendCaptionAction(page, entry.slot);
    Append(page, " >", EscapeHtml(entry.caption), "</span>\n</td>\n");
  }
  page += "</tr>\n<tr>\n";
  for (const EntryView& entry : day.entries) {
    page += "<td nowrap width=80 valign=top >\n";
    AppendImage(page, entry);
    page += "</td>\n";
  }
  page += "</tr>\n</table>\n";
}

// A quadrant without an entry acts on no entry. The lower row keeps its
// line with a space where it has no caption.
void AppendQuadrantCaption(std::string& page, const std::string& font, const EntryView* entry,
                           bool lower) {
  Append(page,
         "<td width=80 valign=top style='width:50pt;padding:0in .1pt 0in .1pt;color:gray;"
         "font-size:",
         entry != nullptr && CaptionWidth(entry->caption) > 24 ? 7 : 9, ";font-family:\"", font,
         "\" ' ");
  if (entry != nullptr) {
    AppendCaptionAction(page, entry->slot);
    page += " ";
  }
  const bool empty = entry == nullptr || entry->caption.empty();
  Append(page, ">",
         empty && lower ? "&nbsp;"
         : empty        ? ""
                        : EscapeHtml(entry->caption),
         "\n</td>\n");
}

void AppendQuadrantPicture(std::string& page, const EntryView* entry) {
  page += "<td nowrap width=80 valign=top style='width:50pt;padding:0in .1pt 0in .1pt'>\n";
  if (entry != nullptr) AppendImage(page, *entry);
  page += "</td>\n";
}

void AppendFourEntries(std::string& page, const DayView& day, int month, const std::string& font,
                       const std::string& token) {
  AppendTableOpening(page, true);
  AppendDayNumber(page, font, token, day);
  page += "<td align=right valign=top style='padding:0in .1pt 0in .1pt'>\n";
  if (day.more > 0) {
    Append(page,
           "<span class=more role=button tabindex=-1 style='color:gray;font-size:9;font-family:\"",
           font, "\"' onDblClick=onBtnOk(\"", MoreEntriesToken(month, day.day), "\") >+", day.more,
           "</span>\n");
  }
  page += "</td>\n</tr>\n";
  for (size_t row = 0; row < 2; ++row) {
    const EntryView* pair[2];
    for (size_t k = 0; k < 2; ++k) {
      const size_t index = 2 * row + k;
      pair[k] = index < day.entries.size() ? &day.entries[index] : nullptr;
    }
    page += "<tr>\n";
    for (const EntryView* entry : pair) AppendQuadrantCaption(page, font, entry, row == 1);
    page += "</tr>\n<tr>\n";
    for (const EntryView* entry : pair) AppendQuadrantPicture(page, entry);
    page += "</tr>\n";
  }
  page += "</table>\n";
}

}  // namespace

void AppendDayCell(std::string& page, const DayView& day, int month, const std::string& font) {
  const std::string token = DateToken(month, day.day);
  // The day as a cell of the grid: what a screen reader says of it, and a
  // place in the page's keyboard order once selected.
  const std::string cell = "data-date=\"" + day.date + "\" data-token=\"" + token +
                           "\" tabindex=-1 aria-label=\"" + EscapeHtml(day.spoken) + "\"";
  const char* marks = day.dayOff && day.weekend ? " dayoff weekend"
                      : day.dayOff              ? " dayoff"
                      : day.weekend             ? " weekend"
                                                : "";
  if (day.layout == DayLayout::kEmpty) {
    Append(page, "<td class=\"xl24", marks, "\" ", cell, " onDblClick=onBtnOk(\"", token,
           "\"); ><span class=daynum aria-hidden=true>", day.day, "</span></td>\n");
    return;
  }
  Append(page, "<td class=\"xl25", marks, "\" bgcolor=white ", cell, " >\n");
  switch (day.layout) {
    case DayLayout::kOne: AppendOneEntry(page, day, font, token); break;
    case DayLayout::kTwo: AppendTwoEntries(page, day, font, token); break;
    default: AppendFourEntries(page, day, month, font, token); break;
  }
  page += "</td>\n";
}

}  // namespace tessolar
