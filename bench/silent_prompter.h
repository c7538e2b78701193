// A Prompter for benchmarks: shows nothing, answers Yes and cancels every dialog.
#pragma once

#include "services/prompter.h"

class SilentPrompter : public Prompter {
 public:
  void Message(const std::string&) override {}
  Answer Ask(const std::string&, bool) override { return Answer::Yes; }
  std::optional<int32_t> ChooseColor(int32_t) override { return std::nullopt; }
  std::optional<std::string> ChooseOpenFile(const FileDialogRequest&) override {
    return std::nullopt;
  }
  std::optional<std::string> ChooseSaveFile(const FileDialogRequest&) override {
    return std::nullopt;
  }
};
