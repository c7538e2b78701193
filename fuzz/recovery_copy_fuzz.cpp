// Feeds arbitrary bytes to the reader of the recovery copy. Besides crashes and sanitizer
// reports it checks that a copy it accepts, taken back as the work it holds and written again,
// reads back as the same work: the same title, file name, curves and lines.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "storage/recovery_copy.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::optional<RecoveredWork> left = ParseRecoveryCopy(input);
  if (!left) return 0;
  Check(!left->curves.empty() && !left->lines.empty());
  Work work;
  work.LoadEdited(left->curves, left->lines, EquationForm::Standard);
  const std::optional<RecoveredWork> again =
      ParseRecoveryCopy(RecoveryCopyBytes(work, left->title, left->fileName, left->hasOwnFile));
  Check(again.has_value());
  Check(again->title == left->title && again->fileName == left->fileName);
  Check(again->hasOwnFile == left->hasOwnFile && again->lines == left->lines);
  Check(again->curves.size() == left->curves.size());
  // The work taken back counts as unsaved, and a name with a line break cannot shift the lines
  // of the copy: it is left out.
  Check(work.NeedSave() && work.Count() == static_cast<int32_t>(left->curves.size()));
  const std::optional<RecoveredWork> broken =
      ParseRecoveryCopy(RecoveryCopyBytes(work, left->title + "\r", "a\nb", true));
  Check(broken && broken->title.empty() && broken->fileName.empty() &&
        broken->lines.size() == left->lines.size());
  return 0;
}
