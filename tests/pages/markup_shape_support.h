#pragma once
// Reduces a page to the shape of its markup, so tests can check that values
// put into a page (descriptions, titles, fonts, colours, paths) added no
// markup of their own: the shape with hostile values must equal the shape
// with harmless ones.

#include <string>
#include <vector>

namespace tessolar::testing {

// In document order: every tag name, attribute name, event-handler call
// target, CSS property name of a style attribute, the URL scheme of every src
// or href value, and for <style> and <script> elements the counts of the
// characters that structure them ({ } ; < and quotes).
std::vector<std::string> MarkupShape(const std::string& html);

// Number of non-overlapping occurrences of `needle` in `text`.
size_t Occurrences(const std::string& text, const std::string& needle);

}  // namespace tessolar::testing
