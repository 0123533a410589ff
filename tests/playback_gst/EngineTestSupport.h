#pragma once
// Shared pieces of the engine's integration tests: the media files (made once
// per run), waiting the way the position tick polls, and environment overrides.

#include "support/TempDir.h"

#include <QByteArray>
#include <QString>
#include <functional>

namespace kd::test {

// The media files, each written into one temporary folder when first asked
// for (every test runs in a process of its own, so only what it uses is made).
class MediaFiles {
 public:
  const QString& wavStereo();  // 2 s
  const QString& wavMono();    // 2 s
  const QString& wavShort();   // 1 s
  const QString& mp3();        // 2 s
  const QString& mp3Tagged();  // the same with an ID3v2 tag before and an ID3v1 tag after
  const QString& mp3Long();    // 6 s
  const QString& midi();       // 2 s
  const QString& video();      // 2 s of pictures and sound
  const QString& noise();      // random bytes named .mp3
  const QString& empty();      // zero bytes named .mp3
  const QString& missing();    // a name with no file
  const QString& folder();     // a folder named .mp3
  const QString& fifo();       // a named pipe named .wav

 private:
  QString path(const char* name) const;
  const QString& made(QString& slot, const std::function<QString()>& make);

  TempDir m_dir;
  QString m_wavStereo, m_wavMono, m_wavShort, m_mp3, m_mp3Tagged, m_mp3Long, m_midi, m_video,
      m_noise, m_empty, m_missing, m_folder, m_fifo;
};

MediaFiles& Files();

// Polls `condition` every 25 ms, letting Qt events run in between, until it
// holds or `timeoutMs` has passed; returns its last value.
bool WaitUntil(const std::function<bool()>& condition, int timeoutMs = 10000);
// Lets Qt events run for `ms` milliseconds.
void Wait(int ms);

// Sets an environment variable for the lifetime of the object.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const QByteArray& value);
  ~ScopedEnv();
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* m_name;
  QByteArray m_old;
  bool m_hadOld;
};

}  // namespace kd::test
