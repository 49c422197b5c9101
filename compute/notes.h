#pragma once
// What the core tells its caller along the way, a sentence each: a picture
// that could not be measured, a family of days the year has none of. The
// command-line tool prints them to standard error; the window leaves them.

#include <string>
#include <utility>
#include <vector>

namespace tessolar {

using Notes = std::vector<std::string>;

// Adds `note` when the caller keeps notes (`notes` is not null).
inline void Note(Notes* notes, std::string note) {
  if (notes != nullptr) notes->push_back(std::move(note));
}

}  // namespace tessolar
