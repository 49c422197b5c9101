#pragma once
// tessolar-cli render: writes one page of a calendar file as HTML.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "caldata/cal_database.h"
#include "compute/notes.h"

namespace tessolar::cli {

// Loads the calendar `file`, runs the year build as opening a calendar does,
// and returns page `page` (welcome, month, all, ...; `month` 0..11 for the
// month page). The core's notes (pictures it could not measure) go to
// standard error.
// Throws CommandError for a bad file or page name.
struct RenderedPage {
  std::string text;
  uint32_t entriesLeftOut = 0;  // of the file, beyond what a calendar holds
};
RenderedPage RenderCalendarPage(const std::string& file, const std::string& page, int month);

// The same with the page made by `build` from the calendar and its notes.
using PageBuilder = std::function<std::string(CCalDatabase&, Notes*)>;
RenderedPage RenderCalendar(const std::string& file, const PageBuilder& build);

// Writes `text` to the file `out` (replaced whole) or to standard output.
void WriteOutput(const std::optional<std::string>& out, const std::string& text);

int RunRenderCommand(const std::vector<std::string>& args);

}  // namespace tessolar::cli
