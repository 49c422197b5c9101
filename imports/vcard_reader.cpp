#include "imports/vcard_reader.h"

#include <botan/base64.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "caldata/hex_escapes.h"
#include "imports/vcard_lines.h"

namespace tessolar {

namespace {

// The year some address books write for a day whose year is not known.
constexpr int kNoYearMarker = 1604;

// A text value without its backslash escapes; line breaks and tabs become
// spaces, as descriptions cannot hold them.
std::string Unescape(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\\' && i + 1 < text.size()) {
      c = text[++i];
      if (c == 'n' || c == 'N') c = ' ';
    }
    out += (c == '\t' || c == '\r' || c == '\n') ? ' ' : c;
  }
  const size_t first = out.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return out.substr(first, out.find_last_not_of(' ') - first + 1);
}

// N's parts (family; given; additional; prefixes; suffixes) in reading order.
std::string NameFromParts(std::string_view value) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t i = 0; i <= value.size(); ++i) {
    if (i == value.size() || (value[i] == ';' && (i == 0 || value[i - 1] != '\\'))) {
      parts.push_back(Unescape(value.substr(start, i - start)));
      start = i + 1;
    }
  }
  parts.resize(5);
  std::string name;
  for (const size_t i : {3, 1, 2, 0, 4}) {
    if (parts[i].empty()) continue;
    if (!name.empty()) name += ' ';
    name += parts[i];
  }
  return name;
}

bool AllDigits(std::string_view text) {
  for (const char c : text) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  }
  return true;
}

CardDate ReadDate(const std::string& value) {
  CardDate date;
  date.present = true;
  date.text = value;
  std::string digits;
  const std::string day = value.substr(0, value.find('T'));
  const bool yearless = day.rfind("--", 0) == 0;
  for (const char c : yearless ? day.substr(2) : day) {
    if (c != '-') digits += c;
  }
  if (!AllDigits(digits) || digits.size() != (yearless ? 4u : 8u)) return date;
  const size_t md = yearless ? 0 : 4;
  date.year = yearless ? 0 : std::stoi(digits.substr(0, 4));
  if (date.year == kNoYearMarker) date.year = 0;
  date.month = std::stoi(digits.substr(md, 2));
  date.day = std::stoi(digits.substr(md + 2, 2));
  date.readable = true;
  return date;
}

bool ReadBoundedFile(const std::string& path, std::string* bytes, UserText* problem) {
  std::error_code ec;
  std::ifstream in;
  // Only plain files: a pipe or device named by a card would never end.
  if (std::filesystem::is_regular_file(path, ec)) in.open(path, std::ios::binary);
  if (!in.is_open()) {
    *problem = {TESSOLAR_TEXT("VCardReader", "the photo file %1 cannot be read"), {path}};
    return false;
  }
  bytes->resize(kMaxPhotoBytes + 1);
  in.read(bytes->data(), static_cast<std::streamsize>(bytes->size()));
  bytes->resize(static_cast<size_t>(in.gcount()));
  return true;
}

CardPhoto ReadPhoto(const ContentLine& line) {
  CardPhoto photo;
  photo.present = true;
  std::string encoded;
  if (HasParam(line, "ENCODING", "B") || HasParam(line, "ENCODING", "BASE64")) {
    encoded = line.value;
  } else if (line.value.rfind("data:", 0) == 0 && line.value.find(";base64,") != std::string::npos) {
    encoded = line.value.substr(line.value.find(";base64,") + 8);
  } else if (line.value.rfind("file:", 0) == 0) {
    std::string path = line.value.substr(5);
    if (path.rfind("//", 0) == 0) {
      // file://host/path: a URI with no path names no file.
      const size_t slash = path.find('/', 2);
      path = slash == std::string::npos ? std::string() : path.substr(slash);
    }
    if (!ReadBoundedFile(HexUnescaped(path, '%'), &photo.bytes, &photo.problem)) return photo;
  } else {
    photo.problem = {TESSOLAR_TEXT("VCardReader", "the photo is neither in the card nor a local file")};
    return photo;
  }
  if (!encoded.empty()) {
    if (encoded.size() / 4 * 3 > kMaxPhotoBytes + 3) {
      photo.bytes.resize(kMaxPhotoBytes + 1);
    } else {
      try {
        const auto decoded = Botan::base64_decode(encoded, true);
        photo.bytes.assign(decoded.begin(), decoded.end());
      } catch (const std::exception&) {
        photo.problem = {TESSOLAR_TEXT("VCardReader", "the photo's Base64 is broken")};
        return photo;
      }
    }
  }
  photo.extension = PictureKind(photo.bytes);
  if (photo.bytes.size() > kMaxPhotoBytes) {
    photo.problem = {TESSOLAR_TEXT("VCardReader", "the photo is larger than %1 MB"),
                     {std::to_string(kMaxPhotoBytes >> 20)}};
  } else if (photo.extension.empty()) {
    photo.problem = {TESSOLAR_TEXT("VCardReader", "the photo is not a JPEG, PNG or GIF picture")};
  }
  if (!photo.problem.Empty()) photo.bytes.clear();
  return photo;
}

}  // namespace

std::string PictureKind(std::string_view bytes) {
  if (bytes.rfind("\xFF\xD8\xFF", 0) == 0) return "jpg";
  if (bytes.rfind("\x89PNG\r\n\x1A\n", 0) == 0) return "png";
  if (bytes.rfind("GIF87a", 0) == 0 || bytes.rfind("GIF89a", 0) == 0) return "gif";
  return {};
}

bool ReadVCards(std::string_view text, std::vector<VCardPerson>* people, UserText* error) {
  const auto lines = SplitContentLines(text, error);
  if (!lines) return false;
  std::vector<VCardPerson> read;
  bool inCard = false;
  std::string structuredName;
  for (const ContentLine& line : *lines) {
    if (line.name == "BEGIN" && UpperAscii(line.value) == "VCARD") {
      read.emplace_back();
      structuredName.clear();
      inCard = true;
    } else if (!inCard) {
      continue;
    } else if (line.name == "END") {
      if (read.back().name.empty()) read.back().name = structuredName;
      inCard = false;
    } else if (line.name == "FN" && read.back().name.empty()) {
      read.back().name = Unescape(line.value);
    } else if (line.name == "N") {
      structuredName = NameFromParts(line.value);
    } else if (line.name == "BDAY") {
      read.back().birthday = ReadDate(line.value);
    } else if (line.name == "ANNIVERSARY" || line.name == "X-ANNIVERSARY") {
      read.back().anniversary = ReadDate(line.value);
    } else if (line.name == "PHOTO" && !read.back().photo.present) {
      read.back().photo = ReadPhoto(line);
    }
  }
  if (read.empty()) {
    *error = {TESSOLAR_TEXT("VCardReader", "The file holds no vCard.")};
    return false;
  }
  if (inCard && read.back().name.empty()) read.back().name = structuredName;
  *people = std::move(read);
  return true;
}

}  // namespace tessolar
