#pragma once
// Reading people's days from vCard files (versions 2.1, 3.0 and 4.0).

#include <string>
#include <string_view>
#include <vector>

#include "caldata/user_text.h"

namespace tessolar {

// Sizes past which a file is refused, so a hostile file cannot take the
// memory: the whole file, one unfolded line, one decoded photo.
inline constexpr size_t kMaxImportFileBytes = 64u << 20;
inline constexpr size_t kMaxImportLineBytes = 12u << 20;
inline constexpr size_t kMaxPhotoBytes = 8u << 20;

// A day as a card gives it; year 0 when the card has none. `text` is the
// value as written, for saying why a date was not taken.
struct CardDate {
  bool present = false;
  bool readable = false;
  int year = 0;
  int month = 0;  // 1..12
  int day = 0;
  std::string text;
};

struct CardPhoto {
  std::string bytes;      // the picture, decoded
  std::string extension;  // "jpg", "png" or "gif" from its first bytes
  UserText problem;       // why the card's photo cannot be used; empty when fine
  bool present = false;
};

struct VCardPerson {
  std::string name;  // FN, else N's parts in reading order
  CardDate birthday;
  CardDate anniversary;
  CardPhoto photo;
};

// The people of every card in `text`; false with `error` set for a file that
// is not vCard text (binary, no card, a line or file too large, an unknown
// or broken character set). Photos named by a file: URI are read from disk.
bool ReadVCards(std::string_view text, std::vector<VCardPerson>* people, UserText* error);

// The kind of a picture from its first bytes: "jpg", "png", "gif", or empty.
std::string PictureKind(std::string_view bytes);

}  // namespace tessolar
