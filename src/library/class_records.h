// The records of a class: the pupils' program folders one level below a class folder, each
// pupil's Record.ini read without writing anything, gathered into one table of pupils by units.
// Everything in a pupil's folder is the pupil's to change, so it is read as untrusted: links are
// never followed, only regular files are read, and every size is bounded.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// A record line split into its parts, "2003年06月12日 09:05 ○○△ 01分12秒" (CP932). A line a hand
// edit left in another shape is kept whole in text, with parsed false.
struct RecordLine {
  std::string text;
  bool parsed = false;
  std::string date;      // "2003年06月12日"
  std::string clock;     // "09:05"
  std::string marks;     // "○○△"
  int32_t seconds = -1;  // the run's total time, -1 when it cannot be read
};
RecordLine ParseRecordLine(std::string_view text);

// How many questions of the marks were right at the first try (○).
int32_t FirstTryCount(std::string_view marks);

// One pupil's records of one unit.
struct ClassCell {
  // The records in key order with their keys, as Record.ini numbers them.
  std::vector<std::pair<int64_t, std::string>> records;
  int32_t Runs() const { return static_cast<int32_t>(records.size()); }
  // The latest run (the highest key); empty when there are no runs.
  RecordLine Latest() const;
  // The shortest total time over every run, -1 when none can be read.
  int32_t BestSeconds() const;
};

enum class PupilState {
  Records,       // Record.ini read (it may hold nothing)
  NoRecordFile,  // no Record.ini yet: the pupil has not finished a run
  Unreadable,    // a folder or Record.ini that cannot be read, or a link, which is not followed
};

struct ClassRow {
  std::string pupil;  // the folder's name as the platform gives it
  PupilState state = PupilState::Records;
  std::vector<ClassCell> cells;  // one per unit of the table
};

struct ClassTable {
  bool folderRead = false;  // false when the class folder itself cannot be listed
  // Unit titles (CP932) in the byte order of the names as sections compare them.
  std::vector<std::string> units;
  std::vector<ClassRow> rows;  // pupils in the order of their folder names
};

// The folders of a class that are looked at; entries beyond are not listed.
inline constexpr std::size_t kMaxClassEntries = 10'000;
// A pupil's Record.ini with more units or records than these is shown as unreadable: no class
// practises that much, and the table of such a file would swamp the window.
inline constexpr std::size_t kMaxPupilUnits = 1'000;
inline constexpr std::size_t kMaxPupilRecords = 100'000;
// The lines shown for one cell; a gap of missing keys shows as one "?" line per key up to
// kMaxShownGap (as the records viewer does), and the whole stops at this many lines.
inline constexpr std::size_t kMaxCellLines = 100'000;

// Called after each pupil with the number done and the number of pupils; answering false stops
// the reading (the window closed).
using ClassProgress = std::function<bool(std::size_t done, std::size_t total)>;

// Reads the class folder (a path as the platform names it). Hidden entries and plain files in it
// are no pupils; a link in the pupil's place is shown as unreadable and not followed.
ClassTable ReadClassFolder(const std::string& classFolderPath, const ClassProgress& progress = {});

// The cell as the table shows it: "3回 ○○△ 01分12秒", or "" for a unit the pupil has not run.
std::string ClassCellText(const ClassCell& cell);

// The lines of a cell as the records viewer shows a unit: records in key order, "?" for missing
// keys, "練習の記録はありません" when there is none.
std::vector<std::string> ClassCellLines(const ClassCell& cell);
