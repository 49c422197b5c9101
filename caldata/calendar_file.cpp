#include "caldata/calendar_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <exception>
#include <filesystem>
#include <memory>
#include <system_error>
#include <utility>

#include "caldata/atomic_file.h"
#include "caldata/calendar_text.h"
#include "caldata/calendar_text_reader.h"
#include "caldata/cipher_envelope.h"
#include "caldata/text_encoding.h"

namespace tessolar {
namespace {

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code ec;
  return !a.empty() && !b.empty() && std::filesystem::equivalent(a, b, ec) && !ec;
}

void Tell(std::string* message, const std::string& text) {
  if (message != nullptr) *message = text;
}

// The whole file, or the error that stopped the reading.
int ReadWhole(const std::string& path, std::string& bytes) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errno;
  char chunk[1 << 16];
  int error = 0;
  for (;;) {
    const ssize_t n = ::read(fd, chunk, sizeof chunk);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) error = errno;
    if (n <= 0) break;
    if (bytes.size() + static_cast<size_t>(n) > kMaxCalendarFileBytes) {
      error = EFBIG;
      break;
    }
    bytes.append(chunk, static_cast<size_t>(n));
  }
  ::close(fd);
  return error;
}

void RemoveCarriageReturnsBeforeLineFeeds(std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out += text[i];
  }
  text.swap(out);
}

}  // namespace

std::optional<std::string> DecodeCalendarBytes(std::string_view bytes) {
  std::string text;
  if (HasEnvelopeMagic(bytes)) {
    auto opened = OpenEnvelope(bytes);
    if (!opened) return std::nullopt;
    text = std::move(*opened);
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
  } else {
    text.assign(bytes);
    RemoveCarriageReturnsBeforeLineFeeds(text);
  }
  // Earlier programs kept the text in a C string, which ends at a NUL.
  text.erase(std::min(text.find('\0'), text.size()));
  if (!IsValidUtf8(text)) text = Windows1252ToUtf8(text);
  return text;
}

std::string EntriesLeftOutMessage(const std::string& path, uint32_t leftOut) {
  return path + " lists " + std::to_string(leftOut) + " more " +
         (leftOut == 1 ? "entry" : "entries") + " than a calendar holds (" +
         std::to_string(kMaxEntries) + "); " + (leftOut == 1 ? "it was" : "they were") +
         " left out.";
}

int ReadCalendarBytes(CCalDatabase& db, std::string_view bytes) {
  const auto text = DecodeCalendarBytes(bytes);
  if (!text) return 0;
  // Read into a copy, so that a file failing half-way leaves no setting of its own behind.
  auto read = std::make_unique<CCalDatabase>(db);
  if (ReadCalendarText(*read, *text) != 1) return 0;
  db = std::move(*read);
  db.SetSavedText(*text);
  return 1;
}

int SaveCalendarFile(CCalDatabase& db, const std::string& path, std::string* message) {
  const std::string text = CalendarText(db);
  if (text == db.SavedText() && SameFile(path, db.SavedPath())) return 0;
  std::string reason;
  try {
    reason = ReplaceFileAtomically(path, SealEnvelope(text));
  } catch (const std::exception& error) {
    reason = error.what();
  }
  if (!reason.empty()) {
    Tell(message, "Could not save the calendar to " + path + ": " + reason + ".");
    return -1;
  }
  db.SetSavedText(text);
  db.SetSavedPath(path);
  db.ForgetEntriesLeftOut();  // the file now holds the calendar as it is
  return 0;
}

int LoadCalendarFile(CCalDatabase& db, const std::string& path, std::string* message) {
  const std::string opening = "Could not open the calendar " + path + ": ";
  struct stat info {};
  if (path.empty() || ::stat(path.c_str(), &info) != 0) {
    const int error = path.empty() ? ENOENT : errno;
    Tell(message, opening + std::strerror(error) + ".");
    return error == ENOENT || error == ENOTDIR ? -1 : 0;
  }
  // A folder, a pipe or a device would fail or never end when read.
  if (S_ISDIR(info.st_mode)) {
    Tell(message, opening + "it is a folder.");
    return 0;
  }
  if (!S_ISREG(info.st_mode)) {
    Tell(message, opening + "it is not a regular file.");
    return 0;
  }
  std::string bytes;
  if (const int error = ReadWhole(path, bytes)) {
    Tell(message,
         opening + (error == EFBIG ? "it is far too large for a calendar" : std::strerror(error)) +
             ".");
    return 0;
  }
  if (bytes.empty()) {
    Tell(message, opening + "the file is empty.");
    return 0;
  }
  if (ReadCalendarBytes(db, bytes) != 1) {
    Tell(message, opening + "it is not a calendar file, or it is damaged.");
    return 0;
  }
  db.SetSavedPath(path);
  return 1;
}

}  // namespace tessolar
