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

void Tell(UserText* message, UserText text) {
  if (message != nullptr) *message = std::move(text);
}

// Why the calendar at `path` did not open: `reason` is a phrase or the system's message.
UserText NotOpened(const std::string& path, UserText reason) {
  return {TESSOLAR_TEXT("CalendarFile", "Could not open the calendar %1: %2."),
          {path, std::move(reason)}};
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

UserText EntriesLeftOutMessage(const std::string& path, uint32_t leftOut) {
  // Worded without a plural form, so that a translation needs none either.
  return {TESSOLAR_TEXT("CalendarFile",
                        "%1 lists more entries than a calendar holds (%2). Entries left out: %3."),
          {path, std::to_string(kMaxEntries), std::to_string(leftOut)}};
}

std::vector<UserText> SettingsNotReadMessages(const std::string& path, const CCalDatabase& db) {
  std::vector<UserText> messages;
  if (!db.UnknownRegion().empty()) {
    messages.push_back(
        {TESSOLAR_TEXT("CalendarFile",
                       "%1 names a region its country has not (%2): it shows the whole country."),
         {path, db.UnknownRegion()}});
  }
  if (!db.UnreadStartMonth().empty()) {
    messages.push_back(
        {TESSOLAR_TEXT("CalendarFile",
                       "%1 names a first month that is not 1 to 12 (%2): it starts in January."),
         {path, db.UnreadStartMonth()}});
  }
  return messages;
}

std::optional<std::string> ReadCalendarBytes(CCalDatabase& db, std::string_view bytes) {
  std::optional<std::string> text = DecodeCalendarBytes(bytes);
  if (!text) return std::nullopt;
  // Read into a copy, so that a file failing half-way leaves no setting of its own behind.
  auto read = std::make_unique<CCalDatabase>(db);
  if (ReadCalendarText(*read, *text) != 1) return std::nullopt;
  db = std::move(*read);
  return text;
}

int SaveCalendarFile(CCalDatabase& db, const std::string& path, SavedState* saved,
                     UserText* message) {
  const std::string text = CalendarText(db);
  if (saved && text == saved->text && SameFile(path, saved->path)) return 0;
  UserText reason;
  try {
    reason = ReplaceFileAtomically(path, SealEnvelope(text));
  } catch (const std::exception& error) {
    reason = std::string(error.what());
  }
  if (!reason.Empty()) {
    Tell(message,
         {TESSOLAR_TEXT("CalendarFile", "Could not save the calendar to %1: %2."), {path, reason}});
    return -1;
  }
  if (saved) *saved = {text, path};
  db.ForgetWhatWasLeftOut();  // the file now holds the calendar as it is
  return 0;
}

int LoadCalendarFile(CCalDatabase& db, const std::string& path, SavedState* saved,
                     UserText* message) {
  struct stat info {};
  if (path.empty() || ::stat(path.c_str(), &info) != 0) {
    const int error = path.empty() ? ENOENT : errno;
    Tell(message, NotOpened(path, std::string(std::strerror(error))));
    return error == ENOENT || error == ENOTDIR ? -1 : 0;
  }
  // A folder, a pipe or a device would fail or never end when read.
  if (S_ISDIR(info.st_mode)) {
    Tell(message, NotOpened(path, TESSOLAR_TEXT("CalendarFile", "it is a folder")));
    return 0;
  }
  if (!S_ISREG(info.st_mode)) {
    Tell(message, NotOpened(path, TESSOLAR_TEXT("CalendarFile", "it is not a regular file")));
    return 0;
  }
  std::string bytes;
  if (const int error = ReadWhole(path, bytes)) {
    const UserText reason =
        error == EFBIG
            ? UserText(TESSOLAR_TEXT("CalendarFile", "it is far too large for a calendar"))
            : UserText(std::strerror(error));
    Tell(message, NotOpened(path, reason));
    return 0;
  }
  if (bytes.empty()) {
    Tell(message, NotOpened(path, TESSOLAR_TEXT("CalendarFile", "the file is empty")));
    return 0;
  }
  std::optional<std::string> text = ReadCalendarBytes(db, bytes);
  if (!text) {
    Tell(message, NotOpened(path, TESSOLAR_TEXT("CalendarFile",
                                                "it is not a calendar file, or it is damaged")));
    return 0;
  }
  if (saved) *saved = {std::move(*text), path};
  return 1;
}

}  // namespace tessolar
