#pragma once
// What an import would add to a calendar, shown before anything changes, and
// applying it.

#include <cstdint>
#include <string>
#include <vector>

#include "caldata/cal_database.h"
#include "caldata/user_text.h"
#include "imports/vcard_reader.h"

namespace tessolar {

struct ImportCandidate {
  CalEntry entry;          // pictureFile is set when the plan is applied
  bool yearKnown = true;   // false: the source gave no year, the age is not shown
  bool alreadyThere = false;
  bool checked = true;
  std::string photoBytes;  // written beside the calendar when applied
  std::string photoExtension;
  UserText note;           // e.g. why the photo was left out
};

struct SkippedItem {
  std::string what;  // the person's name or the event's summary
  UserText reason;
};

struct ImportPlan {
  std::vector<ImportCandidate> candidates;
  std::vector<SkippedItem> skipped;
  uint32_t room = 0;  // entries the calendar can still take

  uint32_t CheckedCount() const;
};

// Candidates for every person's birthday and anniversary; a candidate the
// calendar already has (same day and description) comes unchecked.
ImportPlan PlanPeopleImport(const std::vector<VCardPerson>& people, const CCalDatabase& db);

// The folder beside `calendarPath` that imported photos go to:
// "family pictures" for "family.cal".
std::string PhotoFolderFor(const std::string& calendarPath);

// Adds the checked candidates to `db`, writing their photos into
// PhotoFolderFor(calendarPath) under new names, listed in `photosWritten`
// when given. Nothing changes (false, `error` set) when they do not all fit
// or a photo cannot be written.
bool ApplyImportPlan(const ImportPlan& plan, CCalDatabase& db, const std::string& calendarPath,
                     UserText* error, std::vector<std::string>* photosWritten = nullptr);

// Marks candidates whose day and description the calendar holds already.
void MarkAlreadyThere(ImportPlan& plan, const CCalDatabase& db);

}  // namespace tessolar
