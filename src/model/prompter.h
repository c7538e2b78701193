// How the core tells the user something or asks a question: every message box, question and
// common dialog goes through this interface. The windows show real dialogs; tests script the
// answers and record each text.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

enum class Answer { Yes, No, Cancel };

class Prompter {
 public:
  virtual ~Prompter() = default;

  // A message box with one OK button. Texts are CP932 bytes.
  virtual void Message(const std::string& text) = 0;
  // A Yes/No question, or Yes/No/Cancel when withCancel is set.
  virtual Answer Ask(const std::string& text, bool withCancel = false) = 0;
  // The colour dialog (0x00BBGGRR); nothing when cancelled.
  virtual std::optional<int32_t> ChooseColor(int32_t initial) = 0;
};
