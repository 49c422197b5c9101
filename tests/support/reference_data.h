#pragma once
// Reference instants read from the tables under tests/data/.

#include <string>
#include <vector>

namespace tessolar::support {

struct UtInstant {
  int year;
  int month;  // 1..12
  int day;
  int minuteOfDay;
  double julianDate;  // Universal Time
  std::string label;  // what follows the time after a tab, if anything
};

// Lines "YYYY-MM-DD HH:MM", optionally a tab and a label; "#" lines are comments.
// Fails the calling test when the file cannot be read or a line is malformed.
std::vector<UtInstant> ReadUtInstants(const std::string& fileName);

// Minutes from the instant to the nearest midnight UT.
double MinutesToMidnight(const UtInstant& instant);

}  // namespace tessolar::support
