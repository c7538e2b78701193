// The Prompter shown as real message boxes and dialogs.
#pragma once

#include <QString>
#include <QWidget>
#include <cstdint>

#include "services/prompter.h"

class QtPrompter : public Prompter {
 public:
  // F1 in an open or save dialog opens the help topic given for it.
  QtPrompter(QWidget* parent, int32_t openDialogHelpTopic, int32_t saveDialogHelpTopic)
      : parent_(parent),
        openDialogHelpTopic_(openDialogHelpTopic),
        saveDialogHelpTopic_(saveDialogHelpTopic) {}

  void Message(const std::string& text) override;
  Answer Ask(const std::string& text, bool withCancel) override;
  std::optional<int32_t> ChooseColor(int32_t initial) override;
  std::optional<std::string> ChooseOpenFile(const FileDialogRequest& request) override;
  std::optional<std::string> ChooseSaveFile(const FileDialogRequest& request) override;
  std::optional<std::string> ChooseFolder(const std::string& start) override;
  std::optional<ChosenFile> ChooseSaveFileAndFilter(const FileDialogRequest& request) override;

 private:
  QWidget* parent_;
  int32_t openDialogHelpTopic_;
  int32_t saveDialogHelpTopic_;
};

// "description|*.ext|description|*.ext" as Qt writes filters: "description (*.ext);;...".
QString QtFileFilter(const std::string& cp932Filter);
