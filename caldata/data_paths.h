#pragma once
// Where the program finds the files it ships beside its binary: the help
// document and the clip-art pictures. An installed program reads them from
// the data folder beside its binary (bin/../share/tessolar), else from the
// configured one; a program run from its build tree reads them from the
// source tree's resources/ folder.

#include <string>

namespace tessolar {

// `relative` to the folder of the running binary; empty when that is unknown.
std::string BesideRunningBinary(const std::string& relative);

// The data folder, without a trailing slash.
std::string DataDirectory();

// The help document that the help page links to: the data folder's, else
// the one the build tree made.
std::string HelpDocumentPath();

// The shipped clip-art folder, with a trailing slash as the clip-art folder of
// a calendar is kept; a new calendar without a clip-art folder starts with it.
std::string ShippedClipartDirectory();

}  // namespace tessolar
