// A Prompter for tests: records every text it is shown (as UTF-8) and answers questions from
// a script, Yes when the script has run out.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "model/cp932.h"
#include "services/prompter.h"

class ScriptedPrompter : public Prompter {
 public:
  std::vector<std::string> messages;             // every message and question, in order, UTF-8
  std::deque<Answer> answers;                    // answers to the next questions
  std::deque<std::optional<int32_t>> colors;     // results of the next colour dialogs
  std::deque<std::optional<std::string>> files;  // results of the next file dialogs
  std::vector<FileDialogRequest> fileDialogs;    // every file dialog shown, in order
  std::deque<int32_t> filters;  // the filter chosen in the next save dialogs; -1 when empty

  void Message(const std::string& text) override { messages.push_back(FromCp932(text)); }

  Answer Ask(const std::string& text, bool /*withCancel*/) override {
    messages.push_back(FromCp932(text));
    if (answers.empty()) return Answer::Yes;
    const Answer a = answers.front();
    answers.pop_front();
    return a;
  }

  std::optional<int32_t> ChooseColor(int32_t /*initial*/) override {
    if (colors.empty()) return std::nullopt;
    const auto c = colors.front();
    colors.pop_front();
    return c;
  }

  std::optional<std::string> ChooseOpenFile(const FileDialogRequest& request) override {
    return NextFile(request);
  }
  std::optional<std::string> ChooseSaveFile(const FileDialogRequest& request) override {
    return NextFile(request);
  }
  // Answered from files as well; the request holds the folder it starts in.
  std::optional<std::string> ChooseFolder(const std::string& start) override {
    return NextFile(FileDialogRequest{"", start, ""});
  }
  std::optional<ChosenFile> ChooseSaveFileAndFilter(const FileDialogRequest& request) override {
    const int32_t filter = filters.empty() ? -1 : filters.front();
    if (!filters.empty()) filters.pop_front();
    const std::optional<std::string> path = NextFile(request);
    return path ? std::optional<ChosenFile>(ChosenFile{*path, filter}) : std::nullopt;
  }

 private:
  std::optional<std::string> NextFile(const FileDialogRequest& request) {
    fileDialogs.push_back(request);
    if (files.empty()) return std::nullopt;
    auto f = files.front();
    files.pop_front();
    return f;
  }
};
