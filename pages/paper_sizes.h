#pragma once
// The papers calendars print on and the printable area of their sheets, as
// the pages lay themselves out for them.

#include <cstdint>
#include <optional>
#include <string_view>

namespace tessolar {

enum class Paper { kA4, kLetter };

// A sheet's printable area in CSS pixels (96 an inch).
struct SheetArea {
  uint32_t width;
  uint32_t height;
};

// The margin every printer reaches, on each side of every sheet.
inline constexpr double kPrintMarginMm = 10;

// Letter where the locale's paper is Letter, A4 elsewhere. The locale is the
// one the environment names for LC_PAPER (LC_ALL, LC_PAPER, LANG): its paper
// when it is installed, else the territory in its name (Letter in the United
// States and Canada); A4 when none or only the C locale is named.
Paper PaperOfLocale();

// "letter" or "a4" in any case; nothing for other names.
std::optional<Paper> PaperNamed(std::string_view name);

// "letter" or "a4".
const char* PaperName(Paper paper);

// The printable area of a portrait sheet of `paper` within kPrintMarginMm.
SheetArea PortraitArea(Paper paper);

// The printable area of a sheet of `widthMm` x `heightMm` with `marginMm`
// on every side (a paper chosen in Page Setup), in whole pixels.
SheetArea PortraitArea(double widthMm, double heightMm, double marginMm);

}  // namespace tessolar
