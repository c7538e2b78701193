// A Printer for tests: a page of a chosen size, scripted answers to the print dialog, and a
// record of every job and of the busy state.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "services/printer.h"

class FakePrinter : public Printer {
 public:
  PageSize page{4800, 6800};
  std::deque<bool> setupAnswers;  // answers of the next print dialogs; confirmed when empty
  int32_t copies = 1;             // what a confirmed dialog chose
  bool failJobs = false;          // every job fails to start

  int32_t setups = 0;               // print dialogs shown
  std::vector<PixelRect> jobs;      // target of every job done
  std::vector<std::string> events;  // "busy", "job", "idle", in order
  const Canvas* lastPicture = nullptr;

  PageSize Page() const override { return page; }
  bool Setup() override {
    ++setups;
    const bool confirmed = setupAnswers.empty() || setupAnswers.front();
    if (!setupAnswers.empty()) setupAnswers.pop_front();
    if (confirmed) chosenCopies_ = copies;
    return confirmed;
  }
  int32_t Copies() const override { return chosenCopies_; }
  bool PrintImage(const Canvas& picture, const PixelRect& target) override {
    events.push_back("job");
    if (failJobs) return false;
    jobs.push_back(target);
    lastPicture = &picture;
    return true;
  }
  void SetBusy(bool busy) override { events.push_back(busy ? "busy" : "idle"); }

 private:
  int32_t chosenCopies_ = 1;
};
