#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>

#include "compute/date_arithmetic.h"
#include "support/reference_data.h"

namespace tessolar::support {

std::vector<UtInstant> ReadUtInstants(const std::string& fileName) {
  std::vector<UtInstant> result;
  std::ifstream in(std::string(TESSOLAR_TEST_DATA) + "/" + fileName);
  EXPECT_TRUE(in.good()) << fileName;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    UtInstant t{};
    int hour = 0, minute = 0;
    if (std::sscanf(line.c_str(), "%d-%d-%d %d:%d", &t.year, &t.month, &t.day, &hour, &minute) !=
        5) {
      ADD_FAILURE() << fileName << ": bad line '" << line << "'";
      continue;
    }
    if (const size_t tab = line.find('\t'); tab != std::string::npos)
      t.label = line.substr(tab + 1);
    t.minuteOfDay = hour * 60 + minute;
    t.julianDate = DaysFromCivil(t.year, t.month - 1, t.day) + 2440587.5 + t.minuteOfDay / 1440.0;
    result.push_back(t);
  }
  return result;
}

double MinutesToMidnight(const UtInstant& instant) {
  return std::min(instant.minuteOfDay, 1440 - instant.minuteOfDay);
}

}  // namespace tessolar::support
