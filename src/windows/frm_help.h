// The help window: shows one topic of the help file "Mevrolin.hlp" at a time; the topic numbers
// a topic lists are links to those topics.
#pragma once

#include <QDialog>
#include <QTextBrowser>
#include <cstdint>
#include <map>
#include <string>

#include "services/prompter.h"
#include "storage/help_file.h"

class THelpWindow : public QDialog {
  Q_OBJECT

 public:
  explicit THelpWindow(QWidget* parent);

  // Reads the help file from the program folder (as the platform names it, ending in its
  // separator) and shows the topic; a missing or unreadable file is reported through the
  // prompter. Asked from a modal window (over), the help belongs to that window and is modal in
  // turn: it stays above it, takes Esc and clicks, and closing it returns there. Asked from
  // elsewhere it is shown beside the main window.
  bool ShowTopic(const std::string& progDirPath, int32_t topic, Prompter& prompter,
                 QWidget* over = nullptr);

  QTextBrowser* text;

 private:
  void Show(int32_t topic);

  QWidget* home_;
  std::map<int32_t, HelpTopic> topics_;
};
