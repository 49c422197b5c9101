#include "caldata/regions.h"

#include <cctype>

#include "compute/language_table.h"

namespace tessolar {
namespace {

#define REGION(code, name, zone) {code, TESSOLAR_TEXT("Region", name), zone}

constexpr Region kUnitedStates[] = {
    REGION("US-AK", "Alaska", "America/Anchorage"),
    REGION("US-AL", "Alabama", "America/Chicago"),
    REGION("US-AR", "Arkansas", "America/Chicago"),
    REGION("US-AZ", "Arizona", "America/Phoenix"),
    REGION("US-CA", "California", "America/Los_Angeles"),
    REGION("US-CO", "Colorado", "America/Denver"),
    REGION("US-CT", "Connecticut", "America/New_York"),
    REGION("US-DC", "District of Columbia", "America/New_York"),
    REGION("US-DE", "Delaware", "America/New_York"),
    REGION("US-FL", "Florida", "America/New_York"),
    REGION("US-GA", "Georgia", "America/New_York"),
    REGION("US-HI", "Hawaii", "Pacific/Honolulu"),
    REGION("US-IA", "Iowa", "America/Chicago"),
    REGION("US-ID", "Idaho", "America/Boise"),
    REGION("US-IL", "Illinois", "America/Chicago"),
    REGION("US-IN", "Indiana", "America/Indiana/Indianapolis"),
    REGION("US-KS", "Kansas", "America/Chicago"),
    REGION("US-KY", "Kentucky", "America/Kentucky/Louisville"),
    REGION("US-LA", "Louisiana", "America/Chicago"),
    REGION("US-MA", "Massachusetts", "America/New_York"),
    REGION("US-MD", "Maryland", "America/New_York"),
    REGION("US-ME", "Maine", "America/New_York"),
    REGION("US-MI", "Michigan", "America/Detroit"),
    REGION("US-MN", "Minnesota", "America/Chicago"),
    REGION("US-MO", "Missouri", "America/Chicago"),
    REGION("US-MS", "Mississippi", "America/Chicago"),
    REGION("US-MT", "Montana", "America/Denver"),
    REGION("US-NC", "North Carolina", "America/New_York"),
    REGION("US-ND", "North Dakota", "America/Chicago"),
    REGION("US-NE", "Nebraska", "America/Chicago"),
    REGION("US-NH", "New Hampshire", "America/New_York"),
    REGION("US-NJ", "New Jersey", "America/New_York"),
    REGION("US-NM", "New Mexico", "America/Denver"),
    REGION("US-NV", "Nevada", "America/Los_Angeles"),
    REGION("US-NY", "New York", "America/New_York"),
    REGION("US-OH", "Ohio", "America/New_York"),
    REGION("US-OK", "Oklahoma", "America/Chicago"),
    REGION("US-OR", "Oregon", "America/Los_Angeles"),
    REGION("US-PA", "Pennsylvania", "America/New_York"),
    REGION("US-RI", "Rhode Island", "America/New_York"),
    REGION("US-SC", "South Carolina", "America/New_York"),
    REGION("US-SD", "South Dakota", "America/Chicago"),
    REGION("US-TN", "Tennessee", "America/Chicago"),
    REGION("US-TX", "Texas", "America/Chicago"),
    REGION("US-UT", "Utah", "America/Denver"),
    REGION("US-VA", "Virginia", "America/New_York"),
    REGION("US-VT", "Vermont", "America/New_York"),
    REGION("US-WA", "Washington", "America/Los_Angeles"),
    REGION("US-WI", "Wisconsin", "America/Chicago"),
    REGION("US-WV", "West Virginia", "America/New_York"),
    REGION("US-WY", "Wyoming", "America/Denver"),
};

constexpr Region kCanada[] = {
    REGION("CA-AB", "Alberta", "America/Edmonton"),
    REGION("CA-BC", "British Columbia", "America/Vancouver"),
    REGION("CA-MB", "Manitoba", "America/Winnipeg"),
    REGION("CA-NB", "New Brunswick", "America/Moncton"),
    REGION("CA-NL", "Newfoundland and Labrador", "America/St_Johns"),
    REGION("CA-NS", "Nova Scotia", "America/Halifax"),
    REGION("CA-NT", "Northwest Territories", "America/Yellowknife"),
    REGION("CA-NU", "Nunavut", "America/Iqaluit"),
    REGION("CA-ON", "Ontario", "America/Toronto"),
    REGION("CA-PE", "Prince Edward Island", "America/Halifax"),
    REGION("CA-QC", "Quebec", "America/Montreal"),
    REGION("CA-SK", "Saskatchewan", "America/Regina"),
    REGION("CA-YT", "Yukon", "America/Whitehorse"),
};

constexpr Region kUnitedKingdom[] = {
    REGION("GB-EAW", "England and Wales", "Europe/London"),
    REGION("GB-NIR", "Northern Ireland", "Europe/Belfast"),
    REGION("GB-SCT", "Scotland", "Europe/London"),
};

constexpr Region kAustralia[] = {
    REGION("AU-ACT", "Australian Capital Territory", "Australia/Canberra"),
    REGION("AU-NSW", "New South Wales", "Australia/Sydney"),
    REGION("AU-NT", "Northern Territory", "Australia/Darwin"),
    REGION("AU-QLD", "Queensland", "Australia/Brisbane"),
    REGION("AU-SA", "South Australia", "Australia/Adelaide"),
    REGION("AU-TAS", "Tasmania", "Australia/Hobart"),
    REGION("AU-VIC", "Victoria", "Australia/Melbourne"),
    REGION("AU-WA", "Western Australia", "Australia/Perth"),
};

constexpr Region kGermany[] = {
    REGION("DE-BB", "Brandenburg", "Europe/Berlin"),
    REGION("DE-BE", "Berlin", "Europe/Berlin"),
    REGION("DE-BW", "Baden-Württemberg", "Europe/Berlin"),
    REGION("DE-BY", "Bavaria", "Europe/Berlin"),
    REGION("DE-HB", "Bremen", "Europe/Berlin"),
    REGION("DE-HE", "Hesse", "Europe/Berlin"),
    REGION("DE-HH", "Hamburg", "Europe/Berlin"),
    REGION("DE-MV", "Mecklenburg-Western Pomerania", "Europe/Berlin"),
    REGION("DE-NI", "Lower Saxony", "Europe/Berlin"),
    REGION("DE-NW", "North Rhine-Westphalia", "Europe/Berlin"),
    REGION("DE-RP", "Rhineland-Palatinate", "Europe/Berlin"),
    REGION("DE-SH", "Schleswig-Holstein", "Europe/Berlin"),
    REGION("DE-SL", "Saarland", "Europe/Berlin"),
    REGION("DE-SN", "Saxony", "Europe/Berlin"),
    REGION("DE-ST", "Saxony-Anhalt", "Europe/Berlin"),
    REGION("DE-TH", "Thuringia", "Europe/Berlin"),
};

constexpr Region kSpain[] = {
    REGION("ES-AN", "Andalusia", "Europe/Madrid"),
    REGION("ES-AR", "Aragon", "Europe/Madrid"),
    REGION("ES-AS", "Asturias", "Europe/Madrid"),
    REGION("ES-CB", "Cantabria", "Europe/Madrid"),
    REGION("ES-CE", "Ceuta", "Africa/Ceuta"),
    REGION("ES-CL", "Castile and León", "Europe/Madrid"),
    REGION("ES-CM", "Castilla-La Mancha", "Europe/Madrid"),
    REGION("ES-CN", "Canary Islands", "Atlantic/Canary"),
    REGION("ES-CT", "Catalonia", "Europe/Madrid"),
    REGION("ES-EX", "Extremadura", "Europe/Madrid"),
    REGION("ES-GA", "Galicia", "Europe/Madrid"),
    REGION("ES-IB", "Balearic Islands", "Europe/Madrid"),
    REGION("ES-MC", "Region of Murcia", "Europe/Madrid"),
    REGION("ES-MD", "Community of Madrid", "Europe/Madrid"),
    REGION("ES-ML", "Melilla", "Africa/Ceuta"),
    REGION("ES-NC", "Navarre", "Europe/Madrid"),
    REGION("ES-PV", "Basque Country", "Europe/Madrid"),
    REGION("ES-RI", "La Rioja", "Europe/Madrid"),
    REGION("ES-VC", "Valencian Community", "Europe/Madrid"),
};

constexpr Region kAustria[] = {
    REGION("AT-1", "Burgenland", "Europe/Vienna"),
    REGION("AT-2", "Carinthia", "Europe/Vienna"),
    REGION("AT-3", "Lower Austria", "Europe/Vienna"),
    REGION("AT-4", "Upper Austria", "Europe/Vienna"),
    REGION("AT-5", "Salzburg", "Europe/Vienna"),
    REGION("AT-6", "Styria", "Europe/Vienna"),
    REGION("AT-7", "Tyrol", "Europe/Vienna"),
    REGION("AT-8", "Vorarlberg", "Europe/Vienna"),
    REGION("AT-9", "Vienna", "Europe/Vienna"),
};

#undef REGION

struct CountryRegions {
  const char* code;
  const Region* first;
  std::size_t size;
  const char* mainZone;
};

template <std::size_t N>
constexpr CountryRegions Of(const char* code, const Region (&regions)[N], const char* mainZone) {
  return {code, regions, N, mainZone};
}
constexpr CountryRegions Without(const char* code, const char* mainZone) {
  return {code, nullptr, 0, mainZone};
}

// By country index.
const CountryRegions kCountries[kCountryCount] = {
    Of("US", kUnitedStates, "America/New_York"),
    Of("CA", kCanada, "America/Toronto"),
    Of("GB", kUnitedKingdom, "Europe/London"),
    Of("AU", kAustralia, "Australia/Sydney"),
    Without("MX", "America/Mexico_City"),
    Without("IE", "Europe/Dublin"),
    Of("DE", kGermany, "Europe/Berlin"),
    Without("NZ", "Pacific/Auckland"),
    Without("FR", "Europe/Paris"),
    Without("BE", "Europe/Brussels"),
    Without("NL", "Europe/Amsterdam"),
    Without("IT", "Europe/Rome"),
    Of("ES", kSpain, "Europe/Madrid"),
    Of("AT", kAustria, "Europe/Vienna"),
};

bool SameLetters(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(a[i])) !=
        std::toupper(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

}  // namespace

std::string CountryCode(int country) {
  if (country < 0 || country >= kCountryCount) return {};
  return kCountries[country].code;
}

std::vector<Region> RegionsOf(int country) {
  if (country < 0 || country >= kCountryCount) return {};
  const CountryRegions& c = kCountries[country];
  return {c.first, c.first + c.size};
}

const Region* FindRegion(int country, std::string_view code) {
  if (country < 0 || country >= kCountryCount) return nullptr;
  const CountryRegions& c = kCountries[country];
  for (std::size_t i = 0; i < c.size; ++i) {
    if (SameLetters(c.first[i].code, code)) return &c.first[i];
  }
  return nullptr;
}

std::string ZoneOf(int country, const std::string& region) {
  if (const Region* r = FindRegion(country, region)) return r->zone;
  if (country < 0 || country >= kCountryCount) return kCountries[0].mainZone;
  return kCountries[country].mainZone;
}

std::string RegionOfZone(int country, std::string_view zone) {
  const Region* found = nullptr;
  for (const Region& r : RegionsOf(country)) {
    if (zone != r.zone) continue;
    if (found != nullptr) return {};
    found = &r;
  }
  return found != nullptr ? found->code : std::string();
}

std::string_view RegionSuffix(std::string_view code) {
  const std::size_t dash = code.find('-');
  return dash == std::string_view::npos ? std::string_view() : code.substr(dash + 1);
}

}  // namespace tessolar
