#include <QApplication>
#include <QCommandLineParser>
#include <unistd.h>

#include "app/main_frame.h"
#include "app/toolbar_icons.h"
#include "tessolar_version.h"

int main(int argc, char* argv[]) {
  // The browser engine's sandbox cannot run as root (containers, CI machines).
  if (geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  QApplication app(argc, argv);
  QApplication::setApplicationName("Tessolar");
  QApplication::setOrganizationName("Tessolar");
  QApplication::setApplicationVersion(tessolar::kVersionText);
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
