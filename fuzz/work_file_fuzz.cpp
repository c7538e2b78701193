// Feeds arbitrary bytes to both work-file readers. Besides crashes and sanitizer reports it
// checks that whatever the editor's reader accepts the writer gives back: the same bytes when
// the input already uses CR LF throughout, and in every case lines and curves that read back
// the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "model/domain_text.h"
#include "model/equation_text.h"
#include "storage/document_buffer.h"
#include "storage/work_file_format.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

// What the writer saves after the editor opened the file: the buffer's lines with the
// file's own title as line 1, every line ended by CR LF.
std::string WriteBack(const WorkFileParse& parse) {
  DocumentBuffer buffer;
  buffer.Reset("placeholder");
  buffer.Load(parse.lines);
  buffer.MutableLines().front() = parse.lines.front();
  return JoinTextLines(buffer.Lines());
}

// True when every line, the last one included, ends in CR LF and no other CR or LF occurs: the
// form in which a work file must come back unchanged.
bool IsCrLfText(std::string_view bytes) {
  if (!bytes.empty() && !bytes.ends_with("\r\n")) return false;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n')) return false;
    if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) return false;
  }
  return true;
}

// The lines with CR LF ends, built here rather than by the code under test.
std::string CrLfText(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

// The texts the panels and the list build from a curve read from a file: never a fraction with
// a zero or negative denominator, whatever the numbers.
void CheckTexts(const TLineData& line) {
  for (const std::string& text :
       {EquationText(line, EquationForm::Standard), EquationText(line, EquationForm::General),
        XDomainText(line), YRangeText(line)}) {
    Check(text.find("/-") == std::string::npos);
    Check(text.find("/0") == std::string::npos);
  }
  for (int32_t x : {line.HenikiStart, line.HenikiEnd, line.X1, line.Y1}) {
    const TFraction f = YAt(line, x);
    Check(f.Den >= 0);
    Check(x == 0 ? f.Den == 0 : true);
  }
}

void CheckEditorRoundTrip(std::string_view bytes) {
  const WorkFileParse parse = ParseWorkFile(bytes);
  if (parse.error != WorkFileError::None) {
    Check(parse.curves.empty());
    return;
  }
  Check(!parse.curves.empty() && parse.curves.size() <= static_cast<std::size_t>(kMaxLines));
  for (const TLineData& line : parse.curves) CheckTexts(line);
  const std::string written = WriteBack(parse);
  if (IsCrLfText(bytes)) Check(written == bytes);

  const WorkFileParse again = ParseWorkFile(written);
  Check(again.error == WorkFileError::None);
  Check(again.lines == parse.lines);
  Check(again.curves == parse.curves);

  // Curves rebuilt through the document buffer read back as the same records.
  DocumentBuffer rebuilt;
  rebuilt.Reset(parse.lines.front());
  for (const TLineData& line : parse.curves) rebuilt.AppendCurve(line);
  const WorkFileParse fromRecords = ParseWorkLines(rebuilt.Lines());
  Check(fromRecords.error == WorkFileError::None);
  Check(fromRecords.curves == parse.curves);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  CheckEditorRoundTrip(bytes);

  // Most random inputs lack CR LF ends; their canonical form exercises the byte-exact check.
  std::vector<std::string> lines;
  if (SplitTextLines(bytes, lines)) CheckEditorRoundTrip(CrLfText(lines));

  const WorkFileParse preview = ParsePreviewFile(bytes);
  Check(preview.curves.size() <= static_cast<std::size_t>(kMaxLines));
  if (preview.error != WorkFileError::None) Check(preview.curves.empty());
  return 0;
}
