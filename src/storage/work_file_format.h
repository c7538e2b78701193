// The text of drawing and test files in memory: splitting bytes into lines, reading curves from
// those lines under the editor's and the preview's rules, and writing lines back. No file access
// here, so every rule can be fed arbitrary bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/line_data.h"

// A work file holds a title and at most a few hundred short lines; anything much larger is not
// a work file and is refused before it is read whole.
inline constexpr std::size_t kMaxWorkFileBytes = 4u * 1024u * 1024u;
// No title, equation or number line comes near this length.
inline constexpr std::size_t kMaxWorkLineBytes = 64u * 1024u;
// A file of nothing but line ends would otherwise cost a string per byte.
inline constexpr std::size_t kMaxWorkLines = 100000;

// The second line that marks the older layout with three header lines after the title.
inline constexpr std::string_view kVer4Header = "<<ver4";

// Splits text into lines at CR LF, LF or CR. A last line without an end counts; a final line end
// adds no empty line. Returns false (lines untouched) for bytes that are no text file: a NUL
// byte, a line longer than kMaxWorkLineBytes, more than kMaxWorkLines lines or more than
// kMaxWorkFileBytes in all.
bool SplitTextLines(std::string_view bytes, std::vector<std::string>& lines);

// Every line followed by CR LF.
std::string JoinTextLines(const std::vector<std::string>& lines);

// Left is the text before the first ",", right the text after it; without a comma the whole
// line and an empty right part.
std::pair<std::string, std::string> SplitPair(const std::string& line);

// A decimal 32-bit integer: an optional "-" and at least one digit, nothing else.
bool ParseInt32(std::string_view text, int32_t& value);

enum class WorkFileError {
  None,
  NotText,       // binary, over-long or oversized data
  BadStructure,  // the editor's line-count rule fails
  BadNumber,     // a field that is not a decimal 32-bit integer; see failedLine
  NoCurves,      // the editor's reader found a title and no curve
};

struct WorkFileParse {
  WorkFileError error = WorkFileError::None;
  int32_t failedLine = 0;          // 1-based line number of the bad field
  std::vector<std::string> lines;  // every line of the file, surplus included
  std::vector<TLineData> curves;   // at most kMaxLines; HenikiKind 0, Shiki as stored
};

// Reads curves from lines under the editor's rule: 1 + 5n lines, n ≥ 1, the first 100 curves
// read and any further lines kept only in `lines`.
WorkFileParse ParseWorkLines(std::vector<std::string> lines);
// Reads curves under the preview's rule: an optional "<<ver4" header, no line-count check, as
// many whole curves as the lines hold (at most 100), the rest ignored. Zero curves is no error.
WorkFileParse ParsePreviewLines(std::vector<std::string> lines);

// The same from the bytes of a file.
WorkFileParse ParseWorkFile(std::string_view bytes);
WorkFileParse ParsePreviewFile(std::string_view bytes);
