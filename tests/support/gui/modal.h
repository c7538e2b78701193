// Typing into windows and acting inside a modal window from a test: the action runs as soon as the
// window is the active modal one, from within its own event loop. A window that never comes up, or
// that an action leaves open by mistake, is closed after a few seconds so that a failing test
// cannot hang.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>
#include <deque>
#include <functional>

// Types text into a widget key by key as an input method delivers it, Japanese included (QTest
// sends ASCII keys only).
inline void TypeText(QWidget* widget, const QString& text) {
  for (const QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(widget, &release);
  }
}

inline void WhenModal(QWidget* window, std::function<void()> act) {
  auto* timer = new QTimer;
  auto* clock = new QElapsedTimer;
  clock->start();
  QPointer<QWidget> target(window);
  QObject::connect(timer, &QTimer::timeout, [timer, clock, target, act] {
    const bool up = target && QApplication::activeModalWidget() == target;
    if (!up && clock->elapsed() < 5000) return;
    timer->stop();
    timer->deleteLater();
    delete clock;
    if (up) act();
    if (target && target->isVisible()) {
      QTimer::singleShot(3000, [target] {
        if (auto* dialog = qobject_cast<QDialog*>(target.data()); dialog && dialog->isVisible()) {
          ADD_FAILURE() << "a modal window was left open";
          dialog->reject();
        }
      });
    }
  });
  timer->start(5);
}

// Runs each step when its window is the active modal one. The next step is scheduled before a
// step acts, so that it also runs inside a dialog the step opens.
class ModalScript {
 public:
  using Action = std::function<void(QWidget*)>;

  ModalScript& Then(const char* window, Action action) {
    steps_.push_back({window, std::move(action)});
    return *this;
  }
  void Start() { Schedule(); }
  bool Done() const { return steps_.empty() && !failed_; }

 private:
  struct Step {
    QString window;
    Action action;
  };

  void Schedule() {
    // Bound to an object of the script's own, so that a step still pending when the test ends
    // dies with the script instead of running in a later test.
    QTimer::singleShot(5, &context_, [this] { Next(); });
  }

  void Next() {
    if (steps_.empty()) return;
    QWidget* active = QApplication::activeModalWidget();
    if (active == nullptr || active->objectName() != steps_.front().window) {
      if (++waits_ < 600) {
        Schedule();
        return;
      }
      ADD_FAILURE() << "no window " << steps_.front().window.toStdString() << " came up";
      failed_ = true;
      steps_.clear();
      CloseEverything();
      return;
    }
    waits_ = 0;
    Step step = std::move(steps_.front());
    steps_.pop_front();
    Schedule();
    step.action(active);
  }

  static void CloseEverything() {
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      dialog->reject();
      QTimer::singleShot(5, qApp, &ModalScript::CloseEverything);
    }
  }

  std::deque<Step> steps_;
  QObject context_;
  int waits_ = 0;
  bool failed_ = false;
};
