#include "playback_gst/EngineTestSupport.h"

#include "playback_gst/MediaFixtures.h"
#include "support/TempDir.h"

#include <sys/stat.h>
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QSet>

namespace kd::test {

QByteArray CoverJpeg() {
  QImage picture(300, 300, QImage::Format_RGB32);
  picture.fill(Qt::magenta);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  picture.save(&buffer, "JPG");
  return bytes;
}

QString MediaFile(const QString& name) {
  static const TempDir dir;
  static QSet<QString> made;
  const QString path = dir.path() + name;
  if (made.contains(name)) return path;
  made.insert(name);
  if (name == "stereo.wav") dir.write(name, MakeWav(2.0, 2));
  if (name == "mono.wav") dir.write(name, MakeWav(2.0, 1));
  if (name == "short.wav") dir.write(name, MakeWav(1.0, 2));
  if (name == "plain.mp3") EncodeMp3(path, 2.0);
  if (name == "long.mp3") EncodeMp3(path, 6.0);
  if (name == "tagged.mp3") {
    dir.write(name, MakeId3v2Tag("A title") + TempDir::read(MediaFile("plain.mp3")) +
                        MakeId3v1Tag("A title"));
  }
  const QString tags =
      QStringLiteral("title=\\\"夜空中最亮的星\\\",artist=\\\"Kavoro Band\\\",album=Nightfall");
  if (name == "tags.flac") EncodeTagged(path, "flacenc", tags);
  if (name == "tags.ogg") EncodeTagged(path, "vorbisenc ! oggmux", tags);
  // The ID3v2 tag only: nothing at the end of the file.
  if (name == "v2only.mp3") EncodeTagged(path, "lamemp3enc ! id3v2mux", tags);
  if (name == "cover.mp3") {
    dir.write(name, MakeId3v2TagWithPicture("With a cover", CoverJpeg()) +
                        TempDir::read(MediaFile("plain.mp3")));
  }
  if (name == "tune.mid") dir.write(name, MakeMidi());
  if (name == "clip.avi") EncodeVideo(path, 2.0);
  if (name == "noise.mp3") dir.write(name, MakeNoise(64 * 1024, 7));
  if (name == "empty.mp3") dir.write(name, QByteArray());
  if (name == "cut.mp3") dir.write(name, TempDir::read(MediaFile("plain.mp3")).left(3000));
  if (name == "folder.mp3") dir.mkdir(name);
  if (name == "pipe.wav") ::mkfifo(QFile::encodeName(path).constData(), 0600);
  return path;
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
