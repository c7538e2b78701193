#include "editor/figure_save.h"

#include <array>
#include <cstring>

#include "model/cp932.h"
#include "model/messages.h"
#include "storage/file_access.h"
#include "storage/work_file.h"

namespace {

constexpr std::array<int32_t, 4> kFilterFactors = {1, 2, 4, 0};

bool EndsWithNoCase(const std::string& text, const std::string& tail) {
  if (text.size() < tail.size()) return false;
  for (std::size_t i = 0; i < tail.size(); ++i) {
    char c = text[text.size() - tail.size() + i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != tail[i]) return false;
  }
  return true;
}

}  // namespace

FigureTarget FigureFor(const std::string& path, int32_t filter) {
  const bool known = filter >= 0 && filter < static_cast<int32_t>(kFilterFactors.size());
  const int32_t chosen = known ? kFilterFactors[static_cast<std::size_t>(filter)] : 1;
  if (EndsWithNoCase(path, ".svg")) return FigureTarget{path, 0};
  if (EndsWithNoCase(path, ".png")) return FigureTarget{path, chosen == 0 ? 1 : chosen};
  return FigureTarget{path + (chosen == 0 ? ".svg" : ".png"), chosen};
}

std::string ProposedFigureName(const std::string& curFileName) {
  const std::size_t slash = curFileName.find_last_of('/');
  std::string name = slash == std::string::npos ? curFileName : curFileName.substr(slash + 1);
  const std::size_t dot = name.find_last_of('.');
  if (dot != std::string::npos) name.resize(dot);
  return (name.empty() ? std::string("Mevrolin") : name) + ".png";
}

bool SaveFigure(EditorDisplay& display, const EditorState& state, Prompter& prompter,
                FigureEncoder& encoder) {
  const std::optional<ChosenFile> chosen = prompter.ChooseSaveFileAndFilter(FileDialogRequest{
      Msg().FigureFilter, state.ProgDirPath, ProposedFigureName(state.CurFileName)});
  if (!chosen || chosen->path.empty()) return false;
  const FigureTarget target = FigureFor(chosen->path, chosen->filter);
  if (PathTaken(target.path) &&
      prompter.Ask(DisplayName(target.path) + Msg().OverwriteTail) != Answer::Yes) {
    return false;
  }
  // Selection marks belong to the editing, not to the worksheet.
  auto draw = [&display](Canvas& canvas) { display.DrawPicture(canvas, false); };
  const Canvas& plane = display.Surfaces().imgCood;
  const std::string bytes = target.factor == 0 ? encoder.Svg(draw, plane.Width(), plane.Height())
                                               : encoder.Png(draw, target.factor);
  int error = 0;
  if (!bytes.empty() && ReplaceFileAtomically(target.path, bytes, &error)) return true;
  prompter.Message(DisplayName(target.path) + Msg().SaveFailedTail);
  if (error != 0) prompter.Message(ToCp932(std::strerror(error)));
  return false;
}
