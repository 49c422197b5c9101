#pragma once
// The import and export commands, which run in a program of their own
// (tessolar-importer): only they load libical, and the ICU it needs.

#include <string>
#include <vector>

#include "cli/commands.h"

namespace tessolar::cli {

inline constexpr const char* kImportUsage = "FILE SOURCE [--dry-run]";
inline constexpr const char* kImportSummary =
    "lists the entries that FILE can take from SOURCE (a vCard file's birthdays and "
    "anniversaries, or an iCalendar file's yearly events and events of FILE's year), then "
    "adds the checked ones, photos saved beside FILE; --dry-run only lists them";
inline constexpr const char* kExportUsage = "FILE [-o OUT]";
inline constexpr const char* kExportSummary =
    "writes the shown entries of FILE's year as iCalendar all-day events to OUT or standard "
    "output; birthdays and anniversaries recur yearly";

// tessolar-cli's import and export: they hand the command over to the
// importer, which replaces the process (same output and exit status).
int HandOverImport(const std::vector<std::string>& args);
int HandOverExport(const std::vector<std::string>& args);

}  // namespace tessolar::cli
