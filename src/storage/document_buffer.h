// The open work as the text lines of its file (CP932 bytes), kept in step with every change of
// a curve so that saving writes exactly what the editor shows; plus the five-line form of a curve.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/line_data.h"

// The style word of a curve's first line: LMode + 16 × LWidth + 256 × inequality kind, where the
// kind is (0 if IncStart else 2) + (0 if IncEnd else 1).
int32_t PackStyle(const TLineData& line);

// Sets LMode, LWidth (0 reads as 1) and the two inclusion flags from a style word. Bits above
// the kind are ignored; a kind above 3 is decoded by its two low bits (bit 1 start excluded,
// bit 0 end excluded), which agrees with kinds 0..3.
void UnpackStyle(int32_t style, TLineData& line);

// The five lines of one curve as they are written: "Color,style", Shiki, "X1,Y1", "X2,Y2",
// "HenikiStart,HenikiEnd".
std::array<std::string, 5> CurveLines(const TLineData& line);

// Line 1 holds the title (a placeholder until the next save); curve i occupies lines
// 2 + 5i … 6 + 5i (indices 1 + 5i … 5 + 5i here).
class DocumentBuffer {
 public:
  void Reset(const std::string& title);
  void AppendCurve(const TLineData& line);
  // Overwrites curve i's five lines; lines that do not exist are left alone.
  void ReplaceCurve(int32_t i, const TLineData& line);
  // Removes curve i's five lines (those that exist); the following curves move up.
  void DeleteCurve(int32_t i);
  // Puts a curve's five lines in as curve i, before any lines that follow (lines kept from a
  // file with more curves than the editor reads stay after the editor's curves).
  void InsertCurve(int32_t i, const TLineData& line);
  // Overwrites only the first line of curve i (colour and style word): colour and width
  // changes leave the stored equation text as it was.
  void ReplaceStyleLine(int32_t i, const TLineData& line);
  // Takes a file's lines as they are.
  void Load(std::vector<std::string> lines);

  const std::vector<std::string>& Lines() const { return lines_; }
  // The unit contents window lets the user edit the lines directly.
  std::vector<std::string>& MutableLines() { return lines_; }
  std::size_t Size() const { return lines_.size(); }

 private:
  std::vector<std::string> lines_;
};
