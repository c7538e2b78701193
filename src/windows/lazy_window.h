// A window of the program built the first time it is needed, so that the windows not shown at
// start cost nothing at start; once built it is kept until the program ends.
#pragma once

#include <functional>
#include <memory>
#include <utility>

template <typename Window>
class LazyWindow {
 public:
  explicit LazyWindow(std::function<std::unique_ptr<Window>()> build) : build_(std::move(build)) {}

  Window& operator*() { return Get(); }
  Window* operator->() { return &Get(); }
  bool Built() const { return window_ != nullptr; }

  Window& Get() {
    if (window_ == nullptr) window_ = build_();
    return *window_;
  }

 private:
  std::function<std::unique_ptr<Window>()> build_;
  std::unique_ptr<Window> window_;
};
