#pragma once
// Printing a page file to PDF in a program of its own, tessolar-print-page,
// so that only the pdf command loads the browser engine and every other
// command starts without it.

#include <string>

namespace tessolar::cli {

// A page written to a file of this run's own ($TMPDIR, else /tmp), removed
// when the object goes. Throws CommandError when it cannot be written.
class TemporaryPageFile {
 public:
  explicit TemporaryPageFile(const std::string& text);
  ~TemporaryPageFile();
  TemporaryPageFile(const TemporaryPageFile&) = delete;
  TemporaryPageFile& operator=(const TemporaryPageFile&) = delete;
  const std::string& Path() const { return path_; }

 private:
  bool WriteIn(const std::string& folder, const std::string& text);

  std::string path_;
};

// Runs the printer on `pageFile`, writing `pdfPath` on `paper` ("letter" or
// "a4") in `orientation` ("landscape" or "portrait"), and waits for it. The engine's critical
// messages reach standard error as it says them; a failure throws CommandError with the printer's
// one-line message.
void PrintPageWithEngine(const std::string& pageFile, const std::string& pdfPath,
                         const std::string& paper, const std::string& orientation);

}  // namespace tessolar::cli
