// The help window: shows one topic of the help file "Mevrolin.hlp" at a time.
#pragma once

#include <QDialog>
#include <QTextBrowser>
#include <cstdint>
#include <string>

#include "services/prompter.h"

class THelpWindow : public QDialog {
  Q_OBJECT

 public:
  explicit THelpWindow(QWidget* parent);

  // Reads the help file from the program folder (as the platform names it, ending in its
  // separator) and shows the topic; a missing or unreadable file is reported through the
  // prompter.
  bool ShowTopic(const std::string& progDirPath, int32_t topic, Prompter& prompter);

  QTextBrowser* text;
};
