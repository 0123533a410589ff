#pragma once
// Shared pieces of the engine's integration tests: the media files, made once
// per run (waiting and environment overrides come from support/Waiting.h).

#include <QByteArray>
#include <QString>

#include "support/Waiting.h"

namespace kd::test {

// The media file `name` in one temporary folder, made when first asked for
// (every test runs in a process of its own, so only what it uses is made):
// "stereo.wav", "mono.wav" (2 s), "short.wav" (1 s, stereo), "plain.mp3"
// (2 s), "tagged.mp3" (the same with an ID3v2 tag before and an ID3v1 tag
// after), "long.mp3" (6 s), "tune.mid" (2 s), "clip.avi" (2 s of pictures and
// sound); "tags.flac", "tags.ogg" and "v2only.mp3" (2 s, the MP3 with an
// ID3v2 tag only) with the title "夜空中最亮的星", artist "Kavoro Band" and
// album "Nightfall"; "cover.mp3" ("plain.mp3" after an ID3v2 tag with the
// title "With a cover" and CoverJpeg as its front cover); and what cannot
// play: "noise.mp3" (random bytes), "empty.mp3" (zero bytes), "cut.mp3" (the
// first 3,000 bytes of "plain.mp3"), "folder.mp3" (a folder), "pipe.wav" (a
// named pipe) and any other name (no file).
QString MediaFile(const QString& name);
// A 300 x 300 magenta JPEG.
QByteArray CoverJpeg();

}  // namespace kd::test
