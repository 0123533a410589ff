#include "playback_gst/EngineTestSupport.h"

#include "playback_gst/MediaFixtures.h"
#include "support/TempDir.h"

#include <sys/stat.h>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

namespace kd::test {

MediaFiles& Files() {
  static MediaFiles files;
  return files;
}

QString MediaFiles::path(const char* name) const {
  return m_dir.path() + QLatin1String(name);
}

const QString& MediaFiles::made(QString& slot, const std::function<QString()>& make) {
  if (slot.isEmpty()) slot = make();
  return slot;
}

const QString& MediaFiles::wavStereo() {
  return made(m_wavStereo, [&] { return m_dir.write("stereo.wav", MakeWav(2.0, 2)); });
}

const QString& MediaFiles::wavMono() {
  return made(m_wavMono, [&] { return m_dir.write("mono.wav", MakeWav(2.0, 1)); });
}

const QString& MediaFiles::wavShort() {
  return made(m_wavShort, [&] { return m_dir.write("short.wav", MakeWav(1.0, 2)); });
}

const QString& MediaFiles::mp3() {
  return made(m_mp3, [&] {
    EncodeMp3(path("plain.mp3"), 2.0);
    return path("plain.mp3");
  });
}

const QString& MediaFiles::mp3Tagged() {
  return made(m_mp3Tagged, [&] {
    return m_dir.write("tagged.mp3",
                       MakeId3v2Tag("A title") + TempDir::read(mp3()) + MakeId3v1Tag("A title"));
  });
}

const QString& MediaFiles::mp3Long() {
  return made(m_mp3Long, [&] {
    EncodeMp3(path("long.mp3"), 6.0);
    return path("long.mp3");
  });
}

const QString& MediaFiles::midi() {
  return made(m_midi, [&] { return m_dir.write("tune.mid", MakeMidi()); });
}

const QString& MediaFiles::video() {
  return made(m_video, [&] {
    EncodeVideo(path("clip.avi"), 2.0);
    return path("clip.avi");
  });
}

const QString& MediaFiles::noise() {
  return made(m_noise, [&] { return m_dir.write("noise.mp3", MakeNoise(64 * 1024, 7)); });
}

const QString& MediaFiles::empty() {
  return made(m_empty, [&] { return m_dir.write("empty.mp3", QByteArray()); });
}

const QString& MediaFiles::missing() {
  return made(m_missing, [&] { return path("missing.mp3"); });
}

const QString& MediaFiles::folder() {
  return made(m_folder, [&] { return m_dir.mkdir("folder.mp3"); });
}

const QString& MediaFiles::fifo() {
  return made(m_fifo, [&] {
    ::mkfifo(QFile::encodeName(path("pipe.wav")).constData(), 0600);
    return path("pipe.wav");
  });
}

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

ScopedEnv::ScopedEnv(const char* name, const QByteArray& value)
    : m_name(name), m_old(qgetenv(name)), m_hadOld(qEnvironmentVariableIsSet(name)) {
  qputenv(name, value);
}

ScopedEnv::~ScopedEnv() {
  if (m_hadOld)
    qputenv(m_name, m_old);
  else
    qunsetenv(m_name);
}

}  // namespace kd::test

// GLib keeps interned strings and some start-up tables for the whole process
// without a pointer LeakSanitizer can see; they are not leaks of the engine.
// Telling them apart needs whole allocation stacks (GLib has no frame pointers).
extern "C" const char* __asan_default_options() {
  return "fast_unwind_on_malloc=0";
}
extern "C" const char* __lsan_default_suppressions() {
  return "leak:g_intern_string\nleak:g_quark_from_static_string\nleak:_dl_init\n";
}
