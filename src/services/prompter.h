// How the core tells the user something or asks a question: every message box, question and
// common dialog goes through this interface. The windows show real dialogs; tests script the
// answers and record each text.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

enum class Answer { Yes, No, Cancel };

// What an open or save dialog shows.
struct FileDialogRequest {
  // Pairs of description and pattern, as the program writes them:
  // "mvr描画用ファイル|*.mvr|tstテスト用ファイル|*.tst" (CP932).
  std::string filter;
  // The folder it starts in and, for saving, the name it proposes, as the platform names them.
  std::string folder;
  std::string proposedName;
  friend bool operator==(const FileDialogRequest&, const FileDialogRequest&) = default;
};

// A file chosen in a save dialog and the filter in force when it was chosen: 0 for the first
// pair of the request's filter, -1 when not known.
struct ChosenFile {
  std::string path;
  int32_t filter = -1;
};

class Prompter {
 public:
  virtual ~Prompter() = default;

  // A message box with one OK button. Texts are CP932 bytes.
  virtual void Message(const std::string& text) = 0;
  // A Yes/No question, or Yes/No/Cancel when withCancel is set.
  virtual Answer Ask(const std::string& text, bool withCancel = false) = 0;
  // The colour dialog (0x00BBGGRR); nothing when cancelled.
  virtual std::optional<int32_t> ChooseColor(int32_t initial) = 0;
  // The open and save dialogs: the chosen file's path as the platform names it, or nothing
  // when cancelled.
  virtual std::optional<std::string> ChooseOpenFile(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> ChooseSaveFile(const FileDialogRequest& request) = 0;
  // The folder dialog, starting in the folder given: the chosen folder's path as the platform
  // names it, or nothing when cancelled. A prompter without it answers as if cancelled.
  virtual std::optional<std::string> ChooseFolder(const std::string& /*start*/) {
    return std::nullopt;
  }

  // The save dialog where the filter chosen matters; without its own dialog the filter is not
  // known.
  virtual std::optional<ChosenFile> ChooseSaveFileAndFilter(const FileDialogRequest& request) {
    std::optional<std::string> path = ChooseSaveFile(request);
    if (!path) return std::nullopt;
    return ChosenFile{std::move(*path), -1};
  }
};
