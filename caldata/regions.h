#pragma once
// The regions a calendar can narrow its country to, by ISO 3166-2 code
// ("DE-BY", "AU-VIC"), with the time zone whose clock changes they keep.
// A calendar without a region shows its whole country.

#include <string>
#include <string_view>
#include <vector>

#include "caldata/user_text.h"

namespace tessolar {

struct Region {
  const char* code;  // "DE-BY"
  Phrase name;       // English, in context "Region"
  const char* zone;  // tz database name
};

// The ISO 3166-1 code of `country` ("DE"); empty for one out of range.
std::string CountryCode(int country);

// The regions of `country`, in the order of their codes; none for a country
// without regions or out of range.
std::vector<Region> RegionsOf(int country);

// The region of `country` with this code, in any letter case; nullptr when
// the country has none such.
const Region* FindRegion(int country, std::string_view code);

// The tz database zone of a calendar of `country` in `region` (empty for the
// whole country): the region's zone, else the country's main zone.
std::string ZoneOf(int country, const std::string& region);

// The region a new calendar of `country` takes on a desktop in time zone
// `zone`: the one region of the country that keeps that zone, else empty.
std::string RegionOfZone(int country, std::string_view zone);

// The part of a region code after the country ("BY" of "DE-BY").
std::string_view RegionSuffix(std::string_view code);

}  // namespace tessolar
