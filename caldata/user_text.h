#pragma once
// Sentences for the user that the Qt-free code makes: an English source text
// with %1 … %9 where values go, and the values. The desktop program translates
// the source and then puts the (translated) values in; the command-line tool
// and the tests read the English.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// An English source text in a translation context. lupdate reads it as it
// reads QT_TRANSLATE_NOOP (the build passes it the alias).
#define TESSOLAR_TEXT(context, source) (::tessolar::Phrase{context, source})

namespace tessolar {

struct Phrase {
  const char* context;
  const char* source;
};

class UserText {
 public:
  UserText() = default;
  // A value shown as it is: a path, a number, a message of the system. There
  // is no constructor from a string literal, so a sentence cannot skip
  // TESSOLAR_TEXT by mistake.
  UserText(std::string value) : value_(std::move(value)) {}   // NOLINT: implicit on purpose
  UserText(Phrase phrase, std::vector<UserText> values = {})  // NOLINT: implicit on purpose
      : phrase_(phrase), values_(std::move(values)) {}

  bool IsPhrase() const { return phrase_.source != nullptr; }
  bool Empty() const { return !IsPhrase() && value_.empty(); }
  const Phrase& GetPhrase() const { return phrase_; }
  const std::string& Value() const { return value_; }
  const std::vector<UserText>& Values() const { return values_; }

 private:
  Phrase phrase_{nullptr, nullptr};
  std::string value_;
  std::vector<UserText> values_;
};

// `pattern` with each %1 … %9 replaced by that value (values[0] …), all in one
// pass, so a value that holds "%2" stays as it is. A number without its value
// stays in the text.
std::string FillIn(std::string_view pattern, const std::vector<std::string>& values);

// The sentence in English.
std::string English(const UserText& text);

}  // namespace tessolar
