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
