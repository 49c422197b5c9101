#include "caldata/cal_entry.h"

#include <tuple>

namespace tessolar {

bool CalEntry::operator==(const CalEntry& o) const {
  return std::tie(day, month, showAge, hidden, weekday, weekCode, enteredYear, year, type, index,
                  description, pictureFile) ==
         std::tie(o.day, o.month, o.showAge, o.hidden, o.weekday, o.weekCode, o.enteredYear, o.year,
                  o.type, o.index, o.description, o.pictureFile);
}

}  // namespace tessolar
