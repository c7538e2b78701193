// Reading and writing drawing files (*.mvr) and test files (*.tst): the file-name rule, the
// editor's reader, the preview reader, the writer and the title probe of the unit library.
// Names are paths as the platform names them and reach the file system unchanged; messages show
// them converted to CP932 (DisplayName). Every message goes through the Prompter.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "model/equation_text.h"
#include "model/line_data.h"
#include "services/prompter.h"
#include "storage/document_buffer.h"
#include "storage/work.h"
#include "storage/work_file_format.h"

// The name a work gets when none is given.
inline constexpr const char* kDefaultWorkFileName = "Mevrolin.mvr";

// A path as messages show it, in CP932: a UTF-8 name converted ("?" for characters that have
// none), a name that is no UTF-8 taken as the Shift-JIS it is.
std::string DisplayName(const std::string& path);

// An empty name becomes "Mevrolin.mvr" (with a message); a file name without an extension gets
// ".mvr"; an extension other than mvr or tst (any case) is warned about but kept. The extension
// is looked for in the file name only, so dots in folder names do not count.
std::string CheckFileName(const std::string& name, Prompter& prompter);

// Replaces lines by the file's lines. A file that cannot be opened gives
// "ファイル " + name + " が開けません"; one that is no text file or far too large for a work
// file gives "データの構造が違います。". Either way false, with lines untouched.
bool LoadLines(std::vector<std::string>& lines, const std::string& name, Prompter& prompter);

// The editor's reader. On success the work holds the file's curves (at most 100, Shiki as
// stored, HenikiKind 0), their list texts in the given form and every line of the file, and
// counts as saved; returns n (1..100). On any failure returns 0 and leaves the work exactly as
// it was.
// readName, when given, receives the name the file was read under (the file-name rule applied),
// which is the name the work then has.
int32_t LoadLineFile(const std::string& name, EquationForm form, Prompter& prompter, Work& work,
                     std::string* readName = nullptr);

enum class EditedText { Unchanged, Taken, Refused };

// The unit contents as the user edited them (CP932 text, lines ended by any line end), read
// under the editor's rules. Text whose lines are the work's lines changes nothing. Other valid
// text becomes the work (curves, list texts and lines together) and it counts as changed; a
// title alone makes an empty work. A curve whose point was changed gets the equation line of its
// new point, unless that line was edited too. Whatever the editor's reader refuses, and an empty
// title line, is refused with a message (a bad number named by its line of the memo) and the work
// is left untouched.
EditedText LoadEditedText(const std::string& text, const std::string& name, EquationForm form,
                          Prompter& prompter, Work& work);

// The preview reader: accepts the "<<ver4" layout and ignores surplus lines. On success the
// scratch lines, the first n entries of practiceData and the preview list (the stored Shiki
// texts) are replaced and n (0..100) returned; on failure 0 and nothing changes.
int32_t LoadPreviewFile(const std::string& name, Prompter& prompter,
                        std::vector<std::string>& scratch,
                        std::array<TLineData, kMaxLines + 1>& practiceData,
                        std::vector<std::string>& previewItems);

// Writes the buffer with the title as its first line (line breaks and NUL bytes in the title
// become spaces), replacing the file atomically. Lines the readers would not read back as they
// are (a line break or NUL byte inside a line, a line over kMaxWorkLineBytes) are not written.
// On failure line 1 is restored, name + "の保存に失敗しました" is shown, followed by the system's
// reason when the write itself failed, and false returned; the caller then ends the command that
// asked for the save.
bool SaveLineFile(const std::string& title, const std::string& name, DocumentBuffer& buffer,
                  Prompter& prompter);

// The first line of the file (CP932 bytes as they stand), or "？" when it cannot be opened or
// read.
std::string ReadUnitTitle(const std::string& path);
