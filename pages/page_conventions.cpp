#include "pages/page_conventions.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "pages/html_escape.h"

namespace tessolar {
namespace {

// An absolute folder from the environment; empty when unset, empty or relative.
std::string AbsoluteFromEnvironment(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || value[0] != '/') return {};
  return value;
}

std::string WithoutTrailingSlashes(std::string folder) {
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder;
}

}  // namespace

std::string PageFolder() {
  std::string folder = AbsoluteFromEnvironment("TESSOLAR_PAGE_DIR");
  if (folder.empty()) {
    folder = AbsoluteFromEnvironment("XDG_CACHE_HOME");
    if (!folder.empty()) folder += "/tessolar";
  }
  if (folder.empty()) {
    folder = AbsoluteFromEnvironment("HOME");
    if (!folder.empty()) folder += "/.cache/tessolar";
  }
  if (folder.empty()) {
    std::error_code error;
    folder = (std::filesystem::temp_directory_path(error) / "tessolar").string();
  }
  return WithoutTrailingSlashes(folder);
}

// Each running program has its own page file, so two never show each other's pages.
std::string PageFilePath() {
  return PageFolder() + "/tessolar-page-" + std::to_string(getpid()) + ".html";
}

std::string PrintFilePath() {
  return PageFolder() + "/tessolar-print-" + std::to_string(getpid()) + ".html";
}

std::string PageUrl() { return FileUrl(PageFilePath()); }

int WritePageFile(const std::string& text, const std::string& path) {
  std::error_code error;
  std::filesystem::create_directories(PageFolder(), error);
  const std::string temporary = path + ".part";
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (file == nullptr) return -1;
  const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
  const bool closed = std::fclose(file) == 0;
  if (!written || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
    std::remove(temporary.c_str());
    return -1;
  }
  return 0;
}

void ReplaceMarker(std::string& text, std::string_view marker, std::string_view value) {
  if (marker.empty()) return;
  for (size_t pos = text.find(marker); pos != std::string::npos;
       pos = text.find(marker, pos + value.size())) {
    text.replace(pos, marker.size(), value);
  }
}

std::string WithFontMarker(std::string_view block, const std::string& font) {
  std::string text(block);
  ReplaceMarker(text, "insert_font_here", EscapeCssString(font));
  return text;
}

}  // namespace tessolar
