// The records of a class as a CSV file for a grade book: one line per pupil and unit with the
// number of runs, the latest run's date, marks, time and questions right at the first try, and
// the best time over all runs.
//
// The file is UTF-8 with a byte-order mark. Spreadsheet programs open a CSV file without a mark
// in the system's legacy code page on some platforms and as UTF-8 on others, so Shift-JIS would
// be garbled on the second and UTF-8 without the mark on the first; the mark makes every current
// one read UTF-8, and pupils' folder names need not have a Shift-JIS form at all.
#pragma once

#include <string>

#include "library/class_records.h"

// The file's bytes. Lines end in CR LF; fields holding a comma, a quote or a line break are
// quoted. A text field that begins like a formula (=, +, -, @) gets a leading apostrophe, so a
// folder name or unit title cannot make the spreadsheet compute something.
std::string ClassCsv(const ClassTable& table);

// Writes the file atomically. False on failure, with the system's reason in error (errno).
bool SaveClassCsv(const std::string& path, const ClassTable& table, int& error);
