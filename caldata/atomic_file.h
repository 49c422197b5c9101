#pragma once
// Replacing a file so that a failure at any point leaves the old file as it was.

#include <string>
#include <string_view>

#include "caldata/user_text.h"

namespace tessolar {

// Writes `bytes` to a new file beside `path`, flushes it to the disk (unless
// `flushToDisk` is false: a page that can be written again needs no more than
// the rename) and renames it over `path`. A symbolic link is followed, so the file it names is
// replaced and the link stays. An existing file keeps its permissions and is
// not replaced when it is read-only. Returns an empty text on success, else
// why it failed; the old file is then untouched and no new file is left.
UserText ReplaceFileAtomically(const std::string& path, std::string_view bytes,
                               bool flushToDisk = true);

}  // namespace tessolar
