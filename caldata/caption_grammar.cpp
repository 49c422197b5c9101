#include "caldata/caption_grammar.h"

#include "compute/language_table.h"

namespace tessolar {
namespace {

const CaptionGrammar kEnglish = {
    "{d}'s {o} Anniv",
    "{d}'s {o}",
    "{d}'s {o} AA",
    nullptr,  // the ordinal says "unk"
    nullptr,
    "{d}'s B'day",
    "{d}'s UNKNOWN",
    " BCE",
    nullptr,
    EnglishOrdinal,
    nullptr,
};

// French, Dutch and Italian captions stay short enough for the one-entry day
// cell, which does not wrap them. French sets a colon off with a no-break
// space, so it never starts a line.
const CaptionGrammar kFrench = {
    "{d}\u00a0: {o} anniv.",
    nullptr,
    "{d}\u00a0: {o} anniv. AA",
    "{d}\u00a0: mariage",
    "{d}\u00a0: 1re année AA",
    "{d}\u00a0: anniversaire",
    "{d}\u00a0: type inconnu",
    " av. J.-C.",
    "naissent",
    [](int years) { return years == 1 ? std::string("1er") : std::to_string(years) + "e"; },
    [](int age) { return age > -2 && age < 2 ? "an" : "ans"; },
};

const CaptionGrammar kDutch = {
    "{d} {o} trouwdag",
    nullptr,
    "{d} {n} jaar nuchter",
    "{d}: trouwdag",
    "{d}: eerste jaar nuchter",
    "{d} jarig",
    "{d}: onbekend type",
    " v.Chr.",
    "worden geboren",
    [](int years) { return std::to_string(years) + "e"; },
    nullptr,
};

const CaptionGrammar kItalian = {
    "{d}: {o} di nozze",
    nullptr,
    "{d}: {o} compleanno AA",
    "{d}: matrimonio",
    "{d}: primo anno AA",
    "{d}: compleanno",
    "{d}: tipo sconosciuto",
    " a.C.",
    "nascono",
    [](int years) { return std::to_string(years) + "°"; },
    [](int age) { return age == 1 || age == -1 ? "anno" : "anni"; },
};

// Spanish and German calendars keep the English words; only their age
// phrases come from their tables.
const CaptionGrammar* const kGrammars[] = {&kEnglish, &kEnglish, &kEnglish,
                                           &kFrench,  &kDutch,   &kItalian};
static_assert(std::size(kGrammars) == kLanguageCount, "a grammar for every language");

}  // namespace

const CaptionGrammar& CaptionGrammarOf(int language) {
  return language >= 0 && language < kLanguageCount ? *kGrammars[language] : kEnglish;
}

std::string EnglishOrdinal(int years) {
  if (years <= 0) return "unk";
  const int r = years % 10;
  const char* suffix = "th";
  if (r == 1 && years != 11) {
    suffix = "st";
  } else if (r == 2 && years != 12) {
    suffix = "nd";
  } else if (r == 3 && years != 13) {
    suffix = "rd";
  }
  return std::to_string(years) + suffix;
}

std::string FillCaption(const char* pattern, const std::string& description, int years,
                        const CaptionGrammar& grammar) {
  std::string caption;
  for (const char* p = pattern; *p != '\0'; ++p) {
    if (p[0] != '{' || p[1] == '\0' || p[2] != '}') {
      caption += *p;
      continue;
    }
    ++p;
    if (*p == 'd') {
      caption += description;
    } else if (*p == 'o') {
      caption += grammar.ordinal(years);
    } else {
      caption += std::to_string(years);
    }
    ++p;  // the closing brace
  }
  return caption;
}

}  // namespace tessolar
