#pragma once
// Reading the file an import names into a plan, whatever its format.

#include <optional>
#include <string>

#include "caldata/cal_database.h"
#include "caldata/user_text.h"
#include "imports/import_plan.h"

namespace tessolar {

// The plan for importing `sourcePath` (iCalendar or vCard) into `db`; nothing with
// `error` set when the file cannot be read or is not an import source.
// The same for the text of a source: iCalendar when it holds a calendar, else vCard.
std::optional<ImportPlan> PlanImportFromText(const std::string& text, const CCalDatabase& db,
                                             UserText* error);

std::optional<ImportPlan> PlanImportFromFile(const std::string& sourcePath, const CCalDatabase& db,
                                             UserText* error);

}  // namespace tessolar
