#include "caldata/recovery_file.h"

#include <fstream>
#include <sstream>

#include "caldata/atomic_file.h"
#include "caldata/calendar_file.h"
#include "caldata/calendar_text.h"

namespace tessolar {
namespace {

constexpr char kMagic[] = "Tessolar recovery 1";

}  // namespace

std::string WriteRecoveryFile(const std::string& path, const CCalDatabase& db, int64_t changedAt) {
  const std::string& file = db.CalendarFileName();
  if (file.find('\n') != std::string::npos) return "the calendar's file name holds a line break";
  std::string text = std::string(kMagic) + "\n" + std::to_string(changedAt) + "\n" + file + "\n";
  text += CalendarText(db);
  return ReplaceFileAtomically(path, text);
}

bool ReadRecoveryFile(const std::string& path, CCalDatabase& db, RecoveryInfo& info) {
  std::ifstream in(path, std::ios::binary);
  std::string magic, time, file;
  if (!std::getline(in, magic) || magic != kMagic || !std::getline(in, time) ||
      !std::getline(in, file)) {
    return false;
  }
  RecoveryInfo read;
  try {
    read.changedAt = std::stoll(time);
  } catch (const std::exception&) {
    return false;
  }
  read.calendarFile = file;
  std::ostringstream rest;
  rest << in.rdbuf();
  if (ReadCalendarBytes(db, rest.str()) != 1) return false;
  db.SetCalendarFileName(file);
  info = read;
  return true;
}

}  // namespace tessolar
