// The practice records: Record.ini in the program folder, one section per unit title and one
// numbered line per completed practice run ("1=2003年06月12日 09:05 ○○△ 01分12秒"). Several
// copies of the program may write it at once (a class on one shared program folder): every
// change is made under an exclusive lock and lands by an atomic replace.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "library/profile_file.h"
#include "services/prompter.h"

// Record.ini is never read beyond this size: far more than a school's records for decades.
inline constexpr std::size_t kMaxRecordFileBytes = 64u << 20;
// The largest key that numbers a record.
inline constexpr int64_t kMaxRecordKey = 999'999'999;

// Record.ini of a program folder (a path as the platform names it, ending in its separator).
std::string RecordFilePath(const std::string& progDirPath);

// Adds the value to the section under the key one above the largest record key of the section
// (1 for a new section), so that a record never replaces another, even where hand edits left
// gaps. Where a hand-edited key leaves no room above it (999999999), the record takes the next
// free key above the largest one that has room. The file and the section are created when
// missing. False when the record could not be written, with the reason as an errno value in
// error (when given); the file is then as it was.
bool WriteRecord(const std::string& progDirPath, const std::string& section,
                 const std::string& value, int* error = nullptr);

// WriteRecord at the end of a practice run. When the record cannot be written it says so,
// naming Record.ini and the system's reason and showing the unit and the record's line so that the
// teacher can note the result. Returns whether the record was written.
bool RecordRun(const std::string& progDirPath, const std::string& section, const std::string& value,
               Prompter& prompter);

// Erases the records of the units (whole sections) in one change of the file. True when they
// are gone (or were never there); false when the file could not be changed, with the reason as
// an errno value in error (when given).
bool EraseRecords(const std::string& progDirPath, const std::vector<std::string>& sections,
                  int* error = nullptr);

// Reads Record.ini; a missing file reads as empty. False, with file empty, when it exists but
// cannot be read.
bool ReadRecordFile(const std::string& progDirPath, ProfileFile& file);
// The same as bytes, for reading them in one pass (RecordCounts, RecordLines).
bool ReadRecordBytes(const std::string& progDirPath, std::string& bytes);

// The keys of the section that number records ("1", "2", ... as the program writes them: decimal
// digits without a leading zero, up to kMaxRecordKey), ascending, each once. Other keys a hand
// edit may have added are kept in the file but are no records.
std::vector<int64_t> RecordKeys(const ProfileFile& file, std::string_view section);

// A key as the program numbers records: decimal digits without a leading zero, up to
// kMaxRecordKey.
bool ParseRecordKey(std::string_view key, int64_t& number);

// How many records the section holds.
int32_t RecordCount(const ProfileFile& file, std::string_view section);
// How many records each of the sections holds, in one pass over the file's bytes.
std::vector<int32_t> RecordCounts(std::string_view bytes, const std::vector<std::string>& sections);

// The section's records in key order, one line each, read in one pass over the file, with "?"
// for keys missing between them (lines erased by hand). Gap lines are at most kMaxShownGap in
// all: a gap wider than what is left of them, which only mistyped keys can make, is one "?"
// line, and once none are left gaps show no line.
inline constexpr int64_t kMaxShownGap = 1000;
std::vector<std::string> RecordLines(const ProfileFile& file, std::string_view section);
// The same from the file's bytes in one pass; count (when given) receives the number of records.
std::vector<std::string> RecordLines(std::string_view bytes, std::string_view section,
                                     int32_t* count = nullptr);
