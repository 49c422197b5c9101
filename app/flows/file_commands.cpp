#include "app/flows/file_commands.h"

#include <unistd.h>

#include <cstdio>

#include "caldata/calendar_file.h"
#include "caldata/calendar_text.h"
#include "pages/page_conventions.h"

namespace tessolar {
namespace {

bool Exists(const std::string& path) { return access(path.c_str(), F_OK) == 0; }
bool Writable(const std::string& path) { return access(path.c_str(), W_OK) == 0; }

}  // namespace

std::string WithSingleCalExtension(std::string path) {
  for (size_t at; (at = path.find(".cal.cal")) != std::string::npos;) path.erase(at, 4);
  return path;
}

bool FileCommands::Write(const std::string& path) {
  UserText message;
  if (SaveCalendarFile(doc_.Db(), path, &doc_.Saved(), &message) != 0) {
    prompts_.ShowMessage(message);
    return false;
  }
  doc_.SetFileName(path);
  recent_.Add(path);
  return true;
}

bool FileCommands::Save() {
  std::string path = doc_.FileName();
  if (path.empty()) path = WithSingleCalExtension(prompts_.ChooseCalendarToSave(""));
  if (path.empty()) return false;
  if (!Exists(path)) return Write(path);
  if (const uint32_t leftOut = doc_.Db().EntriesLeftOut(); leftOut > 0 && Writable(path)) {
    // The file holds entries the calendar in hand does not: never lose them unasked.
    return prompts_.AskYesNo({TESSOLAR_TEXT("FileCommands",
                                            "%1 Replacing the file loses them. Replace it anyway?"),
                              {EntriesLeftOutMessage(path, leftOut)}})
               ? Write(path)
               : SaveAs(path);
  }
  if (Writable(path)) {
    return prompts_.AskYesNo(TESSOLAR_TEXT("FileCommands", "Overwrite existing file?"))
               ? Write(path)
               : SaveAs(path);
  }
  prompts_.ShowMessage(
      {TESSOLAR_TEXT("FileCommands", "The file (%1) is read-only protected."), {path}});
  return SaveAs(path);
}

bool FileCommands::SaveAs(const std::string& path) {
  const std::string chosen = WithSingleCalExtension(prompts_.ChooseCalendarToSave(path));
  if (chosen.empty()) return false;
  if (!Exists(chosen) || Writable(chosen)) return Write(chosen);
  prompts_.ShowMessage({TESSOLAR_TEXT("FileCommands", "Unable to write to file (%1)."), {chosen}});
  return false;
}

bool FileCommands::SaveUnnamedOrNamed() { return doc_.FileName().empty() ? SaveAs("") : Save(); }

bool FileCommands::ConfirmExit() {
  if (!doc_.HasUnsavedChanges() ||
      !prompts_.AskYesNo(TESSOLAR_TEXT("FileCommands", "Save changes before exit?"))) {
    return true;
  }
  const std::string calendarText = CalendarText(doc_.Db());
  const std::string savedText = doc_.Saved().text;
  const bool saved = SaveUnnamedOrNamed();
  WriteDiagnostic(calendarText, "dbMemory");
  WriteDiagnostic(savedText, "dbDisk");
  return saved;
}

bool FileCommands::ConfirmReplace() {
  if (!doc_.HasUnsavedChanges() ||
      !prompts_.AskYesNo(TESSOLAR_TEXT("FileCommands", "Save changes to the current calendar?"))) {
    return true;
  }
  return SaveUnnamedOrNamed();
}

void FileCommands::WriteDiagnostic(const std::string& text, const std::string& name) {
  const std::string path = PageFolder() + "/" + name;
  FILE* file = std::fopen(path.c_str(), "w+");
  if (!file) return;
  const size_t written = std::fwrite(text.data(), 1, text.size(), file);
  if (std::fclose(file) != 0 || written < text.size()) {
    prompts_.ShowMessage(TESSOLAR_TEXT("FileCommands", "failed to write output file"));
  }
}

}  // namespace tessolar
