#include "caldata/regions.h"

#include <cctype>

#include "compute/language_table.h"

namespace tessolar {
namespace {

constexpr Region kUnitedStates[] = {
    {"US-AK", TESSOLAR_TEXT("Region", "Alaska"), "America/Anchorage"},
    {"US-AL", TESSOLAR_TEXT("Region", "Alabama"), "America/Chicago"},
    {"US-AR", TESSOLAR_TEXT("Region", "Arkansas"), "America/Chicago"},
    {"US-AZ", TESSOLAR_TEXT("Region", "Arizona"), "America/Phoenix"},
    {"US-CA", TESSOLAR_TEXT("Region", "California"), "America/Los_Angeles"},
    {"US-CO", TESSOLAR_TEXT("Region", "Colorado"), "America/Denver"},
    {"US-CT", TESSOLAR_TEXT("Region", "Connecticut"), "America/New_York"},
    {"US-DC", TESSOLAR_TEXT("Region", "District of Columbia"), "America/New_York"},
    {"US-DE", TESSOLAR_TEXT("Region", "Delaware"), "America/New_York"},
    {"US-FL", TESSOLAR_TEXT("Region", "Florida"), "America/New_York"},
    {"US-GA", TESSOLAR_TEXT("Region", "Georgia"), "America/New_York"},
    {"US-HI", TESSOLAR_TEXT("Region", "Hawaii"), "Pacific/Honolulu"},
    {"US-IA", TESSOLAR_TEXT("Region", "Iowa"), "America/Chicago"},
    {"US-ID", TESSOLAR_TEXT("Region", "Idaho"), "America/Boise"},
    {"US-IL", TESSOLAR_TEXT("Region", "Illinois"), "America/Chicago"},
    {"US-IN", TESSOLAR_TEXT("Region", "Indiana"), "America/Indiana/Indianapolis"},
    {"US-KS", TESSOLAR_TEXT("Region", "Kansas"), "America/Chicago"},
    {"US-KY", TESSOLAR_TEXT("Region", "Kentucky"), "America/Kentucky/Louisville"},
    {"US-LA", TESSOLAR_TEXT("Region", "Louisiana"), "America/Chicago"},
    {"US-MA", TESSOLAR_TEXT("Region", "Massachusetts"), "America/New_York"},
    {"US-MD", TESSOLAR_TEXT("Region", "Maryland"), "America/New_York"},
    {"US-ME", TESSOLAR_TEXT("Region", "Maine"), "America/New_York"},
    {"US-MI", TESSOLAR_TEXT("Region", "Michigan"), "America/Detroit"},
    {"US-MN", TESSOLAR_TEXT("Region", "Minnesota"), "America/Chicago"},
    {"US-MO", TESSOLAR_TEXT("Region", "Missouri"), "America/Chicago"},
    {"US-MS", TESSOLAR_TEXT("Region", "Mississippi"), "America/Chicago"},
    {"US-MT", TESSOLAR_TEXT("Region", "Montana"), "America/Denver"},
    {"US-NC", TESSOLAR_TEXT("Region", "North Carolina"), "America/New_York"},
    {"US-ND", TESSOLAR_TEXT("Region", "North Dakota"), "America/Chicago"},
    {"US-NE", TESSOLAR_TEXT("Region", "Nebraska"), "America/Chicago"},
    {"US-NH", TESSOLAR_TEXT("Region", "New Hampshire"), "America/New_York"},
    {"US-NJ", TESSOLAR_TEXT("Region", "New Jersey"), "America/New_York"},
    {"US-NM", TESSOLAR_TEXT("Region", "New Mexico"), "America/Denver"},
    {"US-NV", TESSOLAR_TEXT("Region", "Nevada"), "America/Los_Angeles"},
    {"US-NY", TESSOLAR_TEXT("Region", "New York"), "America/New_York"},
    {"US-OH", TESSOLAR_TEXT("Region", "Ohio"), "America/New_York"},
    {"US-OK", TESSOLAR_TEXT("Region", "Oklahoma"), "America/Chicago"},
    {"US-OR", TESSOLAR_TEXT("Region", "Oregon"), "America/Los_Angeles"},
    {"US-PA", TESSOLAR_TEXT("Region", "Pennsylvania"), "America/New_York"},
    {"US-RI", TESSOLAR_TEXT("Region", "Rhode Island"), "America/New_York"},
    {"US-SC", TESSOLAR_TEXT("Region", "South Carolina"), "America/New_York"},
    {"US-SD", TESSOLAR_TEXT("Region", "South Dakota"), "America/Chicago"},
    {"US-TN", TESSOLAR_TEXT("Region", "Tennessee"), "America/Chicago"},
    {"US-TX", TESSOLAR_TEXT("Region", "Texas"), "America/Chicago"},
    {"US-UT", TESSOLAR_TEXT("Region", "Utah"), "America/Denver"},
    {"US-VA", TESSOLAR_TEXT("Region", "Virginia"), "America/New_York"},
    {"US-VT", TESSOLAR_TEXT("Region", "Vermont"), "America/New_York"},
    {"US-WA", TESSOLAR_TEXT("Region", "Washington"), "America/Los_Angeles"},
    {"US-WI", TESSOLAR_TEXT("Region", "Wisconsin"), "America/Chicago"},
    {"US-WV", TESSOLAR_TEXT("Region", "West Virginia"), "America/New_York"},
    {"US-WY", TESSOLAR_TEXT("Region", "Wyoming"), "America/Denver"},
};

constexpr Region kCanada[] = {
    {"CA-AB", TESSOLAR_TEXT("Region", "Alberta"), "America/Edmonton"},
    {"CA-BC", TESSOLAR_TEXT("Region", "British Columbia"), "America/Vancouver"},
    {"CA-MB", TESSOLAR_TEXT("Region", "Manitoba"), "America/Winnipeg"},
    {"CA-NB", TESSOLAR_TEXT("Region", "New Brunswick"), "America/Moncton"},
    {"CA-NL", TESSOLAR_TEXT("Region", "Newfoundland and Labrador"), "America/St_Johns"},
    {"CA-NS", TESSOLAR_TEXT("Region", "Nova Scotia"), "America/Halifax"},
    {"CA-NT", TESSOLAR_TEXT("Region", "Northwest Territories"), "America/Yellowknife"},
    {"CA-NU", TESSOLAR_TEXT("Region", "Nunavut"), "America/Iqaluit"},
    {"CA-ON", TESSOLAR_TEXT("Region", "Ontario"), "America/Toronto"},
    {"CA-PE", TESSOLAR_TEXT("Region", "Prince Edward Island"), "America/Halifax"},
    {"CA-QC", TESSOLAR_TEXT("Region", "Quebec"), "America/Montreal"},
    {"CA-SK", TESSOLAR_TEXT("Region", "Saskatchewan"), "America/Regina"},
    {"CA-YT", TESSOLAR_TEXT("Region", "Yukon"), "America/Whitehorse"},
};

constexpr Region kUnitedKingdom[] = {
    {"GB-EAW", TESSOLAR_TEXT("Region", "England and Wales"), "Europe/London"},
    {"GB-NIR", TESSOLAR_TEXT("Region", "Northern Ireland"), "Europe/Belfast"},
    {"GB-SCT", TESSOLAR_TEXT("Region", "Scotland"), "Europe/London"},
};

constexpr Region kAustralia[] = {
    {"AU-ACT", TESSOLAR_TEXT("Region", "Australian Capital Territory"), "Australia/Canberra"},
    {"AU-NSW", TESSOLAR_TEXT("Region", "New South Wales"), "Australia/Sydney"},
    {"AU-NT", TESSOLAR_TEXT("Region", "Northern Territory"), "Australia/Darwin"},
    {"AU-QLD", TESSOLAR_TEXT("Region", "Queensland"), "Australia/Brisbane"},
    {"AU-SA", TESSOLAR_TEXT("Region", "South Australia"), "Australia/Adelaide"},
    {"AU-TAS", TESSOLAR_TEXT("Region", "Tasmania"), "Australia/Hobart"},
    {"AU-VIC", TESSOLAR_TEXT("Region", "Victoria"), "Australia/Melbourne"},
    {"AU-WA", TESSOLAR_TEXT("Region", "Western Australia"), "Australia/Perth"},
};

constexpr Region kGermany[] = {
    {"DE-BB", TESSOLAR_TEXT("Region", "Brandenburg"), "Europe/Berlin"},
    {"DE-BE", TESSOLAR_TEXT("Region", "Berlin"), "Europe/Berlin"},
    {"DE-BW", TESSOLAR_TEXT("Region", "Baden-Württemberg"), "Europe/Berlin"},
    {"DE-BY", TESSOLAR_TEXT("Region", "Bavaria"), "Europe/Berlin"},
    {"DE-HB", TESSOLAR_TEXT("Region", "Bremen"), "Europe/Berlin"},
    {"DE-HE", TESSOLAR_TEXT("Region", "Hesse"), "Europe/Berlin"},
    {"DE-HH", TESSOLAR_TEXT("Region", "Hamburg"), "Europe/Berlin"},
    {"DE-MV", TESSOLAR_TEXT("Region", "Mecklenburg-Western Pomerania"), "Europe/Berlin"},
    {"DE-NI", TESSOLAR_TEXT("Region", "Lower Saxony"), "Europe/Berlin"},
    {"DE-NW", TESSOLAR_TEXT("Region", "North Rhine-Westphalia"), "Europe/Berlin"},
    {"DE-RP", TESSOLAR_TEXT("Region", "Rhineland-Palatinate"), "Europe/Berlin"},
    {"DE-SH", TESSOLAR_TEXT("Region", "Schleswig-Holstein"), "Europe/Berlin"},
    {"DE-SL", TESSOLAR_TEXT("Region", "Saarland"), "Europe/Berlin"},
    {"DE-SN", TESSOLAR_TEXT("Region", "Saxony"), "Europe/Berlin"},
    {"DE-ST", TESSOLAR_TEXT("Region", "Saxony-Anhalt"), "Europe/Berlin"},
    {"DE-TH", TESSOLAR_TEXT("Region", "Thuringia"), "Europe/Berlin"},
};

constexpr Region kSpain[] = {
    {"ES-AN", TESSOLAR_TEXT("Region", "Andalusia"), "Europe/Madrid"},
    {"ES-AR", TESSOLAR_TEXT("Region", "Aragon"), "Europe/Madrid"},
    {"ES-AS", TESSOLAR_TEXT("Region", "Asturias"), "Europe/Madrid"},
    {"ES-CB", TESSOLAR_TEXT("Region", "Cantabria"), "Europe/Madrid"},
    {"ES-CE", TESSOLAR_TEXT("Region", "Ceuta"), "Africa/Ceuta"},
    {"ES-CL", TESSOLAR_TEXT("Region", "Castile and León"), "Europe/Madrid"},
    {"ES-CM", TESSOLAR_TEXT("Region", "Castilla-La Mancha"), "Europe/Madrid"},
    {"ES-CN", TESSOLAR_TEXT("Region", "Canary Islands"), "Atlantic/Canary"},
    {"ES-CT", TESSOLAR_TEXT("Region", "Catalonia"), "Europe/Madrid"},
    {"ES-EX", TESSOLAR_TEXT("Region", "Extremadura"), "Europe/Madrid"},
    {"ES-GA", TESSOLAR_TEXT("Region", "Galicia"), "Europe/Madrid"},
    {"ES-IB", TESSOLAR_TEXT("Region", "Balearic Islands"), "Europe/Madrid"},
    {"ES-MC", TESSOLAR_TEXT("Region", "Region of Murcia"), "Europe/Madrid"},
    {"ES-MD", TESSOLAR_TEXT("Region", "Community of Madrid"), "Europe/Madrid"},
    {"ES-ML", TESSOLAR_TEXT("Region", "Melilla"), "Africa/Ceuta"},
    {"ES-NC", TESSOLAR_TEXT("Region", "Navarre"), "Europe/Madrid"},
    {"ES-PV", TESSOLAR_TEXT("Region", "Basque Country"), "Europe/Madrid"},
    {"ES-RI", TESSOLAR_TEXT("Region", "La Rioja"), "Europe/Madrid"},
    {"ES-VC", TESSOLAR_TEXT("Region", "Valencian Community"), "Europe/Madrid"},
};

constexpr Region kAustria[] = {
    {"AT-1", TESSOLAR_TEXT("Region", "Burgenland"), "Europe/Vienna"},
    {"AT-2", TESSOLAR_TEXT("Region", "Carinthia"), "Europe/Vienna"},
    {"AT-3", TESSOLAR_TEXT("Region", "Lower Austria"), "Europe/Vienna"},
    {"AT-4", TESSOLAR_TEXT("Region", "Upper Austria"), "Europe/Vienna"},
    {"AT-5", TESSOLAR_TEXT("Region", "Salzburg"), "Europe/Vienna"},
    {"AT-6", TESSOLAR_TEXT("Region", "Styria"), "Europe/Vienna"},
    {"AT-7", TESSOLAR_TEXT("Region", "Tyrol"), "Europe/Vienna"},
    {"AT-8", TESSOLAR_TEXT("Region", "Vorarlberg"), "Europe/Vienna"},
    {"AT-9", TESSOLAR_TEXT("Region", "Vienna"), "Europe/Vienna"},
};

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
