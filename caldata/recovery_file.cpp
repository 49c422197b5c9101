#include "caldata/recovery_file.h"

#include <fstream>
#include <sstream>

#include "caldata/atomic_file.h"
#include "caldata/calendar_file.h"

namespace tessolar {
namespace {

constexpr char kMagic[] = "Tessolar recovery 1";

}  // namespace

UserText WriteRecoveryFile(const std::string& path, const std::string& calendarFile,
                           const std::string& calendarText, int64_t changedAt) {
  if (calendarFile.find('\n') != std::string::npos) {
    return TESSOLAR_TEXT("CalendarFile", "the calendar's file name holds a line break");
  }
  return ReplaceFileAtomically(path, std::string(kMagic) + "\n" + std::to_string(changedAt) + "\n" +
                                         calendarFile + "\n" + calendarText);
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
  if (!ReadCalendarBytes(db, rest.str())) return false;
  info = read;
  return true;
}

}  // namespace tessolar
