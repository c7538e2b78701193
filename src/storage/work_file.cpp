#include "storage/work_file.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include <cstddef>

#include "model/cp932.h"
#include "model/messages.h"
#include "storage/file_access.h"

namespace {

// Index just past the last folder separator, "/" or "\\" (a name typed the Windows way). In
// the platform's UTF-8 names no byte of a longer character is ASCII, so bytes can be compared.
std::size_t FileNameStart(const std::string& name) {
  const std::size_t last = name.find_last_of("/\\");
  return last == std::string::npos ? 0 : last + 1;
}

// ASCII lower case; the bytes of other characters are all above 0x7F and stay as they are.
std::string LowerAscii(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

void ReportParseFailure(const WorkFileParse& parse, const std::string& name, Prompter& prompter) {
  switch (parse.error) {
    case WorkFileError::NotText:
    case WorkFileError::BadStructure:
      prompter.Message(Msg().BadStructure);
      break;
    case WorkFileError::BadNumber:
      prompter.Message(Msg().FileHead + DisplayName(name) + Msg().BadNumberMiddle +
                       std::to_string(parse.failedLine) + Msg().BadNumberTail);
      break;
    case WorkFileError::NoCurves:  // a title alone: nothing to open, nothing to say
    case WorkFileError::None:
      break;
  }
}

}  // namespace

std::string DisplayName(const std::string& path) {
  // A name that is no UTF-8 (a file a Windows archive brought along) is already Shift-JIS: it is
  // shown as it stands, as the caption and the unit windows read it.
  return IsUtf8(path) ? ToCp932(path) : path;
}

std::string CheckFileName(const std::string& name, Prompter& prompter) {
  if (name.empty()) {
    prompter.Message(Msg().DefaultFileNameSet);
    return kDefaultWorkFileName;
  }
  const std::size_t dot = name.find('.', FileNameStart(name));
  if (dot == std::string::npos) return name + ".mvr";
  const std::string extension = LowerAscii(name.substr(dot + 1));
  if (extension != "mvr" && extension != "tst") {
    prompter.Message(DisplayName(extension) + Msg().ExtensionWarning);
  }
  return name;
}

bool LoadLines(std::vector<std::string>& lines, const std::string& name, Prompter& prompter) {
  std::string bytes;
  switch (ReadWholeFile(name, bytes)) {
    case ReadStatus::CannotOpen:
      prompter.Message(Msg().FileHead + DisplayName(name) + Msg().CannotOpenTail);
      return false;
    case ReadStatus::TooLarge:
      prompter.Message(Msg().BadStructure);
      return false;
    case ReadStatus::Ok:
      break;
  }
  if (!SplitTextLines(bytes, lines)) {
    prompter.Message(Msg().BadStructure);
    return false;
  }
  return true;
}

namespace {

// Applies the file-name rule, reads the file and parses it with one reader's rules; any failure
// is reported and gives nothing.
std::optional<WorkFileParse> ReadWorkFile(const std::string& name, Prompter& prompter,
                                          WorkFileParse (*parse)(std::vector<std::string>),
                                          std::string* readName = nullptr) {
  const std::string fileName = CheckFileName(name, prompter);
  if (fileName.empty()) return std::nullopt;
  if (readName != nullptr) *readName = fileName;
  std::vector<std::string> lines;
  if (!LoadLines(lines, fileName, prompter)) return std::nullopt;
  WorkFileParse result = parse(std::move(lines));
  if (result.error != WorkFileError::None) {
    ReportParseFailure(result, fileName, prompter);
    return std::nullopt;
  }
  return result;
}

}  // namespace

namespace {

// A curve whose point the user changed describes another function: its stored equation follows,
// unless the user wrote that line as well. A curve the user added gets one when what was typed
// is neither form of its own equation.
void RenewEquations(const Work& work, EquationForm form, WorkFileParse& parse) {
  const std::vector<std::string>& before = work.Buffer().Lines();
  for (std::size_t i = 0; i < parse.curves.size(); ++i) {
    TLineData& line = parse.curves[i];
    const std::size_t equationLine = 5 * i + 2;
    const auto k = static_cast<int32_t>(i);
    bool stale = false;
    if (k < work.Count() && equationLine < before.size()) {
      stale = EquationText(work.Curve(k), EquationForm::Standard) !=
                  EquationText(line, EquationForm::Standard) &&
              parse.lines[equationLine] == before[equationLine];
    } else {
      stale = line.Shiki != EquationText(line, EquationForm::Standard) &&
              line.Shiki != EquationText(line, EquationForm::General);
    }
    if (!stale) continue;
    line.Shiki = EquationText(line, form);
    parse.lines[equationLine] = line.Shiki;
  }
}

}  // namespace

int32_t LoadLineFile(const std::string& name, EquationForm form, Prompter& prompter, Work& work,
                     std::string* readName) {
  std::optional<WorkFileParse> parse = ReadWorkFile(name, prompter, &ParseWorkLines, readName);
  if (!parse) return 0;
  // Everything is read; only now does the work change.
  const int32_t count = static_cast<int32_t>(parse->curves.size());
  work.Load(std::move(parse->curves), std::move(parse->lines), form);
  return count;
}

EditedText LoadEditedText(const std::string& text, const std::string& name, EquationForm form,
                          Prompter& prompter, Work& work) {
  std::vector<std::string> lines;
  if (!SplitTextLines(text, lines)) {
    prompter.Message(Msg().BadStructure);
    return EditedText::Refused;
  }
  if (lines == work.Buffer().Lines()) return EditedText::Unchanged;
  WorkFileParse parse = ParseWorkLines(std::move(lines));
  if (parse.error == WorkFileError::BadNumber) {
    // The text came from the memo, not from the file: its line is named there.
    prompter.Message(Msg().MemoLineHead + std::to_string(parse.failedLine) + Msg().BadNumberTail);
    return EditedText::Refused;
  }
  if (parse.error != WorkFileError::None && parse.error != WorkFileError::NoCurves) {
    ReportParseFailure(parse, name, prompter);
    return EditedText::Refused;
  }
  // The first line is the unit title: an empty one would be written as no title at all.
  if (parse.lines.empty() || parse.lines.front().empty()) {
    prompter.Message(Msg().EnterUnitName);
    return EditedText::Refused;
  }
  RenewEquations(work, form, parse);
  // A title alone is taken too: the user took every curve out.
  work.LoadEdited(std::move(parse.curves), std::move(parse.lines), form);
  return EditedText::Taken;
}

int32_t LoadPreviewFile(const std::string& name, Prompter& prompter,
                        std::vector<std::string>& scratch,
                        std::array<TLineData, kMaxLines + 1>& practiceData,
                        std::vector<std::string>& previewItems) {
  std::optional<WorkFileParse> parse = ReadWorkFile(name, prompter, &ParsePreviewLines);
  if (!parse) return 0;
  const int32_t count = static_cast<int32_t>(parse->curves.size());
  std::vector<std::string> items;
  items.reserve(parse->curves.size());
  for (const TLineData& line : parse->curves) items.push_back(line.Shiki);
  for (std::size_t i = 0; i < parse->curves.size(); ++i) {
    practiceData[i] = std::move(parse->curves[i]);
  }
  previewItems = std::move(items);
  scratch = std::move(parse->lines);
  return count;
}

bool SaveLineFile(const std::string& title, const std::string& name, DocumentBuffer& buffer,
                  Prompter& prompter) {
  std::vector<std::string>& lines = buffer.MutableLines();
  // The title is one line of the file: a line break in it would shift every curve line and
  // a NUL byte would make the file unreadable, so both become spaces.
  std::string titleLine = title;
  std::replace_if(
      titleLine.begin(), titleLine.end(),
      [](char c) { return c == '\r' || c == '\n' || c == '\0'; }, ' ');
  // A buffer that was never reset has no title line yet; the title then becomes line 1.
  const bool hadTitleLine = !lines.empty();
  std::string oldTitle;
  if (hadTitleLine) {
    oldTitle = lines.front();
    lines.front() = std::move(titleLine);
  } else {
    lines.push_back(std::move(titleLine));
  }
  // Only what reads back as these very lines is written: a line holding a line break or a NUL
  // byte, or one too long for a work file, would come back as other lines or not at all.
  const std::string bytes = JoinTextLines(lines);
  std::vector<std::string> readBack;
  int error = 0;
  bool unconfirmed = false;
  if (SplitTextLines(bytes, readBack) && readBack == lines &&
      ReplaceFileAtomically(name, bytes, &error, &unconfirmed)) {
    if (unconfirmed) prompter.Message(DisplayName(name) + Msg().SaveUnconfirmedTail);
    return true;
  }
  if (hadTitleLine) {
    lines.front() = std::move(oldTitle);
  } else {
    lines.clear();
  }
  prompter.Message(DisplayName(name) + Msg().SaveFailedTail);
  // Then why, in the system's own words (a full disk, a read-only file...), so the teacher knows
  // what to mend. Lines refused before writing have no such reason.
  if (error != 0) prompter.Message(ToCp932(std::strerror(error)));
  return false;
}

std::string ReadUnitTitle(const std::string& path) {
  std::string line;
  if (!ReadFirstLine(path, line)) return Msg().UnknownTitle;
  return line;
}
