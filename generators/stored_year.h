#pragma once
// The years a computed day can be stored with. An entry keeps its year in 16
// bits and 9999 marks a deleted one, so the generators enter (and remove)
// nothing for a year outside kFirstStoredYear..kLastStoredYear: removing
// would otherwise miss what entering stored under a wrapped year.

namespace tessolar {

inline constexpr int kFirstStoredYear = 1;
inline constexpr int kLastStoredYear = 9998;

inline bool IsStoredYear(int year) { return year >= kFirstStoredYear && year <= kLastStoredYear; }

}  // namespace tessolar
