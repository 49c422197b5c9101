#pragma once
// The scalable images of the toolbar and the program icon, compiled in.

#include <QIcon>

namespace tessolar {

enum class ToolbarCommand {
  kMonthPrevious,
  kMonthNext,
  kWelcome,
  kConfiguration,
  kTitlePage,
  kBigPictures,
  kOneMonth,
  kAllMonths,
  kUndo,
  kRedo,
};

QIcon ToolbarIcon(ToolbarCommand command);
// A calendar leaf with the month's number, 0 = January; an empty icon outside 0..11.
QIcon MonthIcon(int month);
QIcon ApplicationIcon();

}  // namespace tessolar
