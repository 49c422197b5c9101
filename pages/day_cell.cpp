#include "pages/day_cell.h"

#include "caldata/captions.h"
#include "compute/utf8.h"
#include "pages/click_tokens.h"
#include "pages/html_escape.h"
#include "pages/image_size.h"
#include "pages/page_conventions.h"
#include "pages/page_text.h"

namespace tessolar {
namespace {

const char kSoberPicture[] = "al_anon.jpg";

struct PictureBox {
  uint32_t height;
  uint32_t largestWidth;
};
constexpr PictureBox kOneEntryBox{95, 135};
constexpr PictureBox kTwoEntriesBox{65, 75};
constexpr PictureBox kFourEntriesBox{40, 67};

// What a cell shows of the k-th shown entry of its day.
struct CellEntry {
  std::string caption;  // escaped for element text
  int captionWidth = 0;
  size_t captionLength = 0;
  std::string picture;  // as the captions module names it: a path, "null" or empty
  uint32_t slot = 0;
  bool present = true;  // false for a quadrant the day has no entry for
};

CellEntry EntryOfDay(const CCalDatabase& db, int month, int day, int k) {
  const std::string caption = DayEntryCaption(db, month, day, k);
  return {EscapeHtml(caption), CaptionWidth(caption), CodePointCount(caption),
          DayEntryPicture(db, month, day, k), DayEntrySlot(db, month, day, k)};
}

// What an element of an entry carries: the entry's store index, for
// scripts, tests and assistive technology, and its click token.
std::string EntryAction(uint32_t slot) {
  return Printf("data-entry=%u onDblClick=onBtnOk(\"%s\")", slot, EntryToken(slot).c_str());
}

std::string Font(const CCalDatabase& db) { return EscapeCssString(db.FontMainBody()); }

void AppendImage(std::string& page, const std::string& picture, PictureBox box, uint32_t slot,
                 Notes* notes) {
  const PictureSize size = ImageSize(picture, notes);
  const PictureSize fit = FitIntoBox(box.height, box.largestWidth, size.height, size.width);
  AppendPiece(
      page, 12,
      Printf("<img width=%u height=%u src=\"%s\" v:shapes=_x0000_i1025 "
             "%s >\n",
             fit.width, fit.height, PictureUrl(picture).c_str(), EntryAction(slot).c_str()));
}

void AppendTableOpening(std::string& page, bool twoColumns) {
  page += twoColumns
              ? "<table cols=2 class=MsoTableGrid border=0 cellspacing=0 cellpadding=0 width=125\n"
              : "<table class=MsoTableGrid border=0 cellspacing=0 cellpadding=0 width=125\n";
  page += "style='width:95pt;border-collapse:collapse;mso-yfti-tbllook:135;\n";
  page += "mso-padding-alt:0in .1pt 0in .1pt'>\n";
}

// First row's opening and the narrow cell with the day number.
void AppendDayNumber(std::string& page, const std::string& font, int month, int day) {
  AppendPiece(page, 4, "<tr style='mso-yfti-irow:0'>\n");
  AppendPiece(page, 8,
              "<td width=8 nowrap valign=top style='width:.1in;padding:0in .1pt 0in .1pt'>\n");
  AppendPiece(page, 12, "<p class=MsoNormal>\n");
  AppendPiece(page, 12,
              Printf("<span style='color:gray;font-family:\"%s\"' "
                     "onDblClick=onBtnOk(\"%s\"); >\n",
                     font.c_str(), DateToken(month, day).c_str()));
  AppendPiece(page, 12, Printf("%d\n", day));
  AppendPiece(page, 12, "</span>\n");
  AppendPiece(page, 12, "</p>\n");
  AppendPiece(page, 8, "</td>\n");
}

void AppendOneEntry(std::string& page, const CCalDatabase& db, int month, int day, Notes* notes) {
  const CellEntry entry = EntryOfDay(db, month, day, 0);
  AppendTableOpening(page, false);
  AppendDayNumber(page, Font(db), month, day);
  AppendPiece(page, 8,
              "<td colspan=2 width=125 nowrap align=center valign=top "
              "style='width:99pt;padding:0in .1pt 0in .1pt'>\n");
  AppendPiece(page, 12, "<p class=MsoNormal>\n");
  // Short captions keep the page's size; longer ones shrink by their width.
  std::string size;
  if (entry.captionLength > kShortCaptionLength) {
    size = entry.captionWidth > 48 ? ";font-size:7.0pt" : ";font-size:9.0pt";
  }
  AppendPiece(page, 12,
              Printf("<span style='color:gray;font-family:\"%s\"%s' %s >\n", Font(db).c_str(),
                     size.c_str(), EntryAction(entry.slot).c_str()));
  AppendPiece(page, 12, entry.caption + "\n");
  AppendPiece(page, 12, "</span>\n");
  AppendPiece(page, 12, "</p>\n");
  AppendPiece(page, 8, "</td>\n");
  AppendPiece(page, 4, "</tr>\n");
  AppendPiece(page, 4, "<tr style='mso-yfti-irow:1;mso-yfti-lastrow:yes'>\n");
  AppendPiece(page, 8,
              "<td colspan=3 width=150 align=center valign=top style='width:125pt;padding:0in .1pt "
              "0in .1pt'>\n");
  AppendPiece(page, 12, "<p class=MsoNormal>\n");
  if (!entry.picture.empty()) AppendImage(page, entry.picture, kOneEntryBox, entry.slot, notes);
  AppendPiece(page, 12, "</p>\n");
  AppendPiece(page, 8, "</td>\n");
  AppendPiece(page, 4, "</tr>\n");
  page += "</table><!-- table 2 picture 1 -->\n";
}

void AppendTwoEntries(std::string& page, const CCalDatabase& db, int month, int day, Notes* notes) {
  const CellEntry entries[2] = {EntryOfDay(db, month, day, 0), EntryOfDay(db, month, day, 1)};
  AppendTableOpening(page, true);
  AppendDayNumber(page, Font(db), month, day);
  AppendPiece(page, 4, "<td></td>\n");
  AppendPiece(page, 4, "</tr>\n");
  AppendPiece(page, 4, "<tr style='mso-yfti-irow:1;mso-yfti-lastrow:yes'>\n");
  for (const CellEntry& entry : entries) {
    AppendPiece(page, 8, "<td width=80 valign=top style='width:75pt;padding:0in .1pt 0in .1pt'>\n");
    AppendPiece(page, 8,
                Printf("<span style='color:gray;font-size:%d;font-family:\"%s\"' "
                       "%s >%s</span>\n",
                       entry.captionWidth > 24 ? 8 : 10, Font(db).c_str(),
                       EntryAction(entry.slot).c_str(), entry.caption.c_str()));
    AppendPiece(page, 8, "</td>\n");
  }
  AppendPiece(page, 4, "</tr>\n");
  AppendPiece(page, 4, "<tr style='mso-yfti-irow:1;mso-yfti-lastrow:yes'>\n");
  for (const CellEntry& entry : entries) {
    AppendPiece(page, 8, "<td nowrap width=80 valign=top >\n");
    if (IsNoPicture(entry.picture)) {
      // A sober anniversary without a picture of its own gets the shipped one.
      const CalEntry* stored = db.EntryAt(entry.slot);
      if (stored != nullptr && stored->type == kSoberAnniversary) {
        AppendPiece(page, 12,
                    Printf("<img width=80 height=75 src=\"%s\" v:shapes=_x0000_i1025 "
                           "%s >\n",
                           PictureUrl(db.PicturePathToShow(kSoberPicture)).c_str(),
                           EntryAction(entry.slot).c_str()));
      }
    } else if (!entry.picture.empty()) {
      AppendImage(page, entry.picture, kTwoEntriesBox, entry.slot, notes);
    }
    AppendPiece(page, 8, "</td>\n");
  }
  AppendPiece(page, 4, "</tr>\n");
  page += "</table><!-- table 3 picture 2 -->\n";
}

void AppendQuadrantCaption(std::string& page, const std::string& font, const CellEntry& entry,
                           bool emptyAsSpace) {
  const std::string caption = emptyAsSpace && entry.caption.empty() ? "&nbsp;" : entry.caption;
  // A quadrant without an entry acts on none when double-clicked.
  const std::string action = entry.present ? Printf("%s ", EntryAction(entry.slot).c_str()) : "";
  AppendPiece(
      page, 8,
      Printf("<td width=80 valign=top style='width:50pt;padding:0in .1pt 0in "
             ".1pt;color:gray;font-size:%d;font-family:\"%s\" ' %s>%s\n",
             entry.captionWidth > 24 ? 7 : 9, font.c_str(), action.c_str(), caption.c_str()));
  AppendPiece(page, 8, "</td>\n");
}

const char kQuadrantCell[] =
    "<td nowrap width=80 valign=top style='width:50pt;padding:0in .1pt 0in .1pt'>\n";

void AppendQuadrantPicture(std::string& page, const CellEntry& entry, Notes* notes) {
  AppendPiece(page, 8, kQuadrantCell);
  if (!IsNoPicture(entry.picture)) {
    AppendImage(page, entry.picture, kFourEntriesBox, entry.slot, notes);
  }
  AppendPiece(page, 8, "</td>\n");
}

// The day number's row, with a mark of how many entries the cell does not
// show ("+3") whose double-click reaches them.
void AppendNumberAndMore(std::string& page, const std::string& font, int month, int day,
                         uint32_t more) {
  AppendDayNumber(page, font, month, day);
  AppendPiece(page, 8, "<td align=right valign=top style='padding:0in .1pt 0in .1pt'>\n");
  if (more > 0) {
    AppendPiece(page, 12,
                Printf("<span class=more style='color:gray;font-size:9;font-family:\"%s\"' "
                       "onDblClick=onBtnOk(\"%s\") >+%u</span>\n",
                       font.c_str(), MoreEntriesToken(month, day).c_str(), more));
  }
  AppendPiece(page, 8, "</td>\n");
  AppendPiece(page, 4, "</tr>\n");
}

void AppendFourEntries(std::string& page, const CCalDatabase& db, int month, int day,
                       uint32_t count, Notes* notes) {
  CellEntry entries[kEntriesShownPerDay];
  for (uint32_t k = 0; k < kEntriesShownPerDay; ++k) {
    entries[k] = EntryOfDay(db, month, day, static_cast<int>(k));
    entries[k].present = k < count;
  }
  const char kRowOpening[] = "<tr style='mso-yfti-irow:1;mso-yfti-lastrow:yes'>\n";
  const std::string font = Font(db);
  AppendTableOpening(page, true);
  AppendNumberAndMore(page, font, month, day,
                      count > kEntriesShownPerDay ? count - kEntriesShownPerDay : 0);
  for (int row = 0; row < 2; ++row) {
    const CellEntry& left = entries[2 * row];
    const CellEntry& right = entries[2 * row + 1];
    const bool lower = row == 1;
    AppendPiece(page, 4, kRowOpening);
    AppendQuadrantCaption(page, font, left, lower);
    AppendQuadrantCaption(page, font, right, lower);
    AppendPiece(page, 4, "</tr>\n");
    AppendPiece(page, 4, kRowOpening);
    AppendQuadrantPicture(page, left, notes);
    AppendQuadrantPicture(page, right, notes);
    AppendPiece(page, 4, "</tr>\n");
  }
  page += "</table><!-- table 4 picture 4 -->\n";
}

}  // namespace

void DayCell(std::string& page, const CCalDatabase& db, int month, int day, uint32_t count,
             Notes* notes) {
  if (count == 1) {
    AppendOneEntry(page, db, month, day, notes);
  } else if (count == 2) {
    AppendTwoEntries(page, db, month, day, notes);
  } else {
    AppendFourEntries(page, db, month, day, count, notes);
  }
}

}  // namespace tessolar
