// The Prompter shown as real message boxes and dialogs.
#pragma once

#include <QWidget>

#include "model/prompter.h"

class QtPrompter : public Prompter {
 public:
  explicit QtPrompter(QWidget* parent) : parent_(parent) {}

  void Message(const std::string& text) override;
  Answer Ask(const std::string& text, bool withCancel) override;
  std::optional<int32_t> ChooseColor(int32_t initial) override;

 private:
  QWidget* parent_;
};
