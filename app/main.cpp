#include <QApplication>
#include <QCommandLineParser>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>

#include <cstdio>
#include <cstring>

#include "app/main_frame.h"
#include "app/toolbar_icons.h"
#include "app/translations.h"
#include "print/engine_environment.h"
#include "tessolar_version.h"

namespace {

// The program's texts in the desktop's language, then the command line, whose
// help is in that language too. Returns the calendar named on it, if any.
QString CalendarArgument(QCoreApplication& app) {
  tessolar::InstallTranslations(app);
  QCommandLineParser parser;
  parser.setApplicationDescription(QCoreApplication::translate(
      "main", "Builds a personalised calendar for one year and prints it."));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument(
      QCoreApplication::translate("main", "calendar"),
      QCoreApplication::translate("main", "A calendar file (.cal) to open."),
      QCoreApplication::translate("main", "[calendar]"));
  parser.process(app);
  return parser.positionalArguments().value(0);
}

// The help and the version only print, so they must not need a display.
bool OnlyPrints(int argc, char* argv[]) {
  for (int i = 1; i < argc; ++i) {
    for (const char* option : {"-h", "-?", "--help", "--help-all", "-v", "--version"}) {
      if (std::strcmp(argv[i], option) == 0) return true;
    }
  }
  return false;
}

// Whether the desktop's accessibility bus says an assistive technology (a
// screen reader) is on, or the user asked for accessibility always.
bool AssistiveTechnologyOn() {
  if (!qEnvironmentVariableIsEmpty("QT_LINUX_ACCESSIBILITY_ALWAYS_ON")) return true;
  // One plain call, without the introspection an interface object makes.
  QDBusMessage get = QDBusMessage::createMethodCall(
      QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
      QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
  get << QStringLiteral("org.a11y.Status") << QStringLiteral("IsEnabled");
  const QDBusReply<QDBusVariant> enabled =
      QDBusConnection::sessionBus().call(get, QDBus::Block, 500);
  return enabled.isValid() && enabled.value().variant().toBool();
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication::setApplicationName("Tessolar");
  QCoreApplication::setOrganizationName("Tessolar");
  QCoreApplication::setApplicationVersion(tessolar::kVersionText);
  if (OnlyPrints(argc, argv)) {
    QCoreApplication app(argc, argv);
    CalendarArgument(app);  // prints and exits
    return 0;
  }

  if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
      qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    std::fprintf(stderr,
                 "tessolar: there is no display to show the window on (DISPLAY and "
                 "WAYLAND_DISPLAY are not set); tessolar-cli renders and prints calendars "
                 "without one.\n");
    return 1;
  }
  tessolar::PrepareWebEngineEnvironment(false);
  QApplication app(argc, argv);
  // Ties the windows to the installed menu entry (its name and icon on Wayland).
  QGuiApplication::setDesktopFileName(QStringLiteral("tessolar"));
  QApplication::setWindowIcon(tessolar::ApplicationIcon());
  const QString calendar = CalendarArgument(app);
  // With a screen reader running, the engine builds the pages' accessible
  // tree from the start; it reads its flags when the first page is made.
  if (AssistiveTechnologyOn()) {
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.append(" --force-renderer-accessibility"));
  }

  tessolar::CMainFrame frame;
  frame.Start(calendar);
  return app.exec();
}
