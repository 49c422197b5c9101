#include <QApplication>
#include <QCommandLineParser>

#include "app/main_frame.h"
#include "app/print/engine_environment.h"
#include "app/toolbar_icons.h"
#include "tessolar_version.h"

int main(int argc, char* argv[]) {
  tessolar::PrepareWebEngineEnvironment(false);
  QApplication app(argc, argv);
  QApplication::setApplicationName("Tessolar");
  QApplication::setOrganizationName("Tessolar");
  QApplication::setApplicationVersion(tessolar::kVersionText);
  // Ties the windows to the installed menu entry (its name and icon on Wayland).
  QGuiApplication::setDesktopFileName(QStringLiteral("tessolar"));
  QApplication::setWindowIcon(tessolar::ApplicationIcon());

  QCommandLineParser parser;
  parser.setApplicationDescription("Builds a personalised calendar for one year and prints it.");
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument("calendar", "A calendar file (.cal) to open.", "[calendar]");
  parser.process(app);

  tessolar::CMainFrame frame;
  frame.Start(parser.positionalArguments().value(0));
  return app.exec();
}
