#pragma once
// What the browser engine needs from the process environment, set before the
// QApplication exists.

namespace tessolar {

// Prepares the environment for Qt WebEngine; call before constructing the
// QApplication. `headless`: the caller draws nothing on screen (tessolar-cli),
// so the offscreen platform is chosen, with or without a display, unless
// QT_QPA_PLATFORM names one. Running as root, the engine's sandbox is turned
// off: it refuses to start as root otherwise.
void PrepareWebEngineEnvironment(bool headless);

}  // namespace tessolar
