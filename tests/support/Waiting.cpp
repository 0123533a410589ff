#include "support/Waiting.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

namespace kd::test {

bool WaitUntil(const std::function<bool()>& condition, int timeoutMs) {
  const QDeadlineTimer deadline(timeoutMs);
  while (!condition()) {
    if (deadline.hasExpired()) return condition();
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QThread::msleep(25);
  }
  return true;
}

void Wait(int ms) {
  const QDeadlineTimer deadline(ms);
  while (!deadline.hasExpired()) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QThread::msleep(5);
  }
}

}  // namespace kd::test
