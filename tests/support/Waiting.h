#pragma once
// Waiting the way the program's timers poll, and environment overrides.

#include <QByteArray>
#include <QtGlobal>
#include <functional>
#include <optional>

namespace kd::test {

// Polls `condition` every 25 ms, letting Qt events run in between, until it
// holds or `timeoutMs` has passed; returns its last value.
bool WaitUntil(const std::function<bool()>& condition, int timeoutMs = 10000);
// Lets Qt events run for `ms` milliseconds.
void Wait(int ms);

// Sets an environment variable for the lifetime of the object.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const QByteArray& value) : m_name(name) {
    if (qEnvironmentVariableIsSet(name)) m_old = qgetenv(name);
    qputenv(name, value);
  }
  ~ScopedEnv() { m_old ? void(qputenv(m_name, *m_old)) : void(qunsetenv(m_name)); }
  Q_DISABLE_COPY(ScopedEnv)

 private:
  const char* m_name;
  std::optional<QByteArray> m_old;
};

}  // namespace kd::test
