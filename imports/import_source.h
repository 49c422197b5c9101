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
std::optional<ImportPlan> PlanImportFromFile(const std::string& sourcePath, const CCalDatabase& db,
                                             UserText* error);

}  // namespace tessolar
