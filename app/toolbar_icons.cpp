#include "app/toolbar_icons.h"

// The icons live in this static library, so the library registers them itself
// (outside any namespace, as the resource initialiser is global).
static void InitIconResources() { Q_INIT_RESOURCE(icons); }

namespace tessolar {
namespace {

QIcon IconFile(const QString& name) {
  static const bool registered = (InitIconResources(), true);
  (void)registered;
  return QIcon(QStringLiteral(":/icons/") + name + QStringLiteral(".svg"));
}

}  // namespace

QIcon ToolbarIcon(ToolbarCommand command) {
  switch (command) {
    case ToolbarCommand::kMonthPrevious: return IconFile(QStringLiteral("month_previous"));
    case ToolbarCommand::kMonthNext: return IconFile(QStringLiteral("month_next"));
    case ToolbarCommand::kWelcome: return IconFile(QStringLiteral("welcome"));
    case ToolbarCommand::kConfiguration: return IconFile(QStringLiteral("configuration"));
    case ToolbarCommand::kTitlePage: return IconFile(QStringLiteral("title_page"));
    case ToolbarCommand::kBigPictures: return IconFile(QStringLiteral("big_pictures"));
    case ToolbarCommand::kOneMonth: return IconFile(QStringLiteral("one_month"));
    case ToolbarCommand::kAllMonths: return IconFile(QStringLiteral("all_months"));
    case ToolbarCommand::kUndo: return IconFile(QStringLiteral("undo"));
    case ToolbarCommand::kRedo: return IconFile(QStringLiteral("redo"));
  }
  return {};
}

QIcon MonthIcon(int month) {
  if (month < 0 || month > 11) return {};
  return IconFile(QStringLiteral("month_%1").arg(month + 1, 2, 10, QLatin1Char('0')));
}

QIcon ApplicationIcon() { return IconFile(QStringLiteral("tessolar")); }

}  // namespace tessolar
