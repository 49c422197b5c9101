#pragma once
// The paper calendars print on: its size follows the user's locale, and the
// pages are laid out for landscape sheets.

#include <QPageLayout>
#include <QPageSize>
#include <optional>
#include <string_view>

namespace tessolar {

// Letter where the locale's paper is Letter, A4 elsewhere. The locale is the
// one the environment names for LC_PAPER; its paper size when it is
// installed, else its territory decides (Letter in the United States and
// Canada), as the system locale's territory does when none is named.
QPageSize::PageSizeId LocalePaper();

// `paper` in landscape with margins that every printer can reach.
QPageLayout LandscapeLayout(QPageSize::PageSizeId paper);

// LandscapeLayout(LocalePaper()): where printing starts until the user
// chooses another paper in Page Setup.
QPageLayout DefaultPageLayout();

// "letter" or "a4" in any case; nothing for other names.
std::optional<QPageSize::PageSizeId> ParsePaperName(std::string_view name);

}  // namespace tessolar
