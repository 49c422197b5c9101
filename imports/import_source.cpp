#include "imports/import_source.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "imports/icalendar_import.h"
#include "imports/vcard_reader.h"

namespace tessolar {

namespace {


std::optional<std::string> ReadSource(const std::string& path, UserText* error) {
  std::error_code ec;
  const auto size = std::filesystem::file_size(path, ec);
  std::ifstream in(path, std::ios::binary);
  if (ec || !in) {
    *error = {TESSOLAR_TEXT("ImportSource", "%1 cannot be read."), {path}};
    return std::nullopt;
  }
  if (size > kMaxImportFileBytes) {
    *error = {TESSOLAR_TEXT("ImportSource", "%1 is larger than %2 MB."),
              {path, std::to_string(kMaxImportFileBytes >> 20)}};
    return std::nullopt;
  }
  std::string text(size, '\0');
  in.read(text.data(), static_cast<std::streamsize>(size));
  text.resize(static_cast<size_t>(in.gcount()));
  return text;
}

}  // namespace

std::optional<ImportPlan> PlanImportFromText(const std::string& text, const CCalDatabase& db,
                                             UserText* error) {
  if (text.find("BEGIN:VCALENDAR") != std::string::npos) {
    ImportPlan plan;
    if (PlanICalendarImport(text, db, &plan, error)) return plan;
    return std::nullopt;
  }
  std::vector<VCardPerson> people;
  if (!ReadVCards(text, &people, error)) return std::nullopt;
  return PlanPeopleImport(people, db);
}

std::optional<ImportPlan> PlanImportFromFile(const std::string& sourcePath, const CCalDatabase& db,
                                             UserText* error) {
  const auto text = ReadSource(sourcePath, error);
  if (!text) return std::nullopt;
  UserText why;
  auto plan = PlanImportFromText(*text, db, &why);
  if (!plan) *error = {TESSOLAR_TEXT("ImportSource", "%1: %2"), {sourcePath, why}};
  return plan;
}

}  // namespace tessolar
