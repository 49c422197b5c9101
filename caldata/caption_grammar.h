#pragma once
// How each page language words the captions of the user's own entries: the
// words around a description and their order, the ordinals of anniversaries
// and the word for years after an age. The verbs of the age captions are
// language-table entries; the rest lives here because it is grammar.

#include <string>

namespace tessolar {

struct CaptionGrammar {
  // Patterns: "{d}" stands for the description, "{o}" for the ordinal of the
  // years passed, "{n}" for their number.
  const char* anniversary;
  const char* anniversaryShort;  // past kShortCaptionLength characters; nullptr: kept whole
  const char* sober;
  // When no year has passed yet; nullptr: the patterns above.
  const char* anniversaryFirstYear;
  const char* soberFirstYear;
  const char* birthday;               // without the age
  const char* unnamedType;            // an entry of a type that has no name, without the age
  const char* beforeCommonEra;        // after the year of an event before year 1
  const char* bornSeveral;            // nullptr: the table's birth phrase serves several people too
  std::string (*ordinal)(int years);
  const char* (*yearWord)(int age);   // the word after an age; nullptr: none
};

// The grammar of `language`; English for one out of range.
const CaptionGrammar& CaptionGrammarOf(int language);

// "1st", "2nd", "3rd", "4th", ...; only 11, 12 and 13 themselves take "th" by
// exception (111 gives "111st"); "unk" when no year has passed.
std::string EnglishOrdinal(int years);

// `pattern` with its placeholders filled in.
std::string FillCaption(const char* pattern, const std::string& description, int years,
                        const CaptionGrammar& grammar);

}  // namespace tessolar
