#include "print/engine_environment.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QtGlobal>

namespace tessolar {

void PrepareWebEngineEnvironment(bool headless) {
  // Drawing nothing on screen, a headless run needs no display at all, and a
  // display that is named but gone (a closed forwarded session) would stop
  // the platform plugin from loading.
  if (headless && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  if (::geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX")) {
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  }
  // The engine shares GL contexts with the window system; it must be asked
  // for before the application object exists.
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

}  // namespace tessolar
