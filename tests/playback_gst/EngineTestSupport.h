#pragma once
// Shared pieces of the engine's integration tests: the media files (made once
// per run), waiting the way the position tick polls, and environment overrides.

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <functional>
#include <optional>

namespace kd::test {

// The media file `name` in one temporary folder, made when first asked for
// (every test runs in a process of its own, so only what it uses is made):
// "stereo.wav", "mono.wav" (2 s), "short.wav" (1 s, stereo), "plain.mp3"
// (2 s), "tagged.mp3" (the same with an ID3v2 tag before and an ID3v1 tag
// after), "long.mp3" (6 s), "tune.mid" (2 s), "clip.avi" (2 s of pictures and
// sound); and what cannot play: "noise.mp3" (random bytes), "empty.mp3" (zero
// bytes), "cut.mp3" (the first 3,000 bytes of "plain.mp3"), "folder.mp3" (a folder), "pipe.wav" (a
// named pipe) and any other name (no file).
QString MediaFile(const QString& name);

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
