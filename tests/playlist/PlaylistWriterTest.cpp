#include <gtest/gtest.h>

#include <QFile>

#include "playlist/Playlist.h"
#include "playlist/PlaylistReader.h"
#include "playlist/PlaylistWriter.h"
#include "support/RecordingSink.h"
#include "support/TempDir.h"

using namespace kd;

namespace {

using test::RecordingSink;

// Entries for `paths`; the marking of a missing file never keeps an entry from being written.
QList<PlaylistEntry> WithPaths(const QStringList& paths) {
  QList<PlaylistEntry> out;
  for (const QString& p : paths) out.append({QStringLiteral("x [FILE NOT FOUND]"), p});
  return out;
}

}  // namespace

TEST(PlaylistWrite, EntryTexts) {
  const struct {
    QStringList paths;
    const char* file;
    QByteArray expected;
  } cases[] = {
      // Relative only below the exact folder.
      {{"/lists/sub/a.mp3", "/Lists/b.mp3", "/e/c.mp3", "/listsmore/d.mp3",
        "http://radio.example/s"},
       "/lists/x.m3u",
       "sub/a.mp3\r\n/Lists/b.mp3\r\n/e/c.mp3\r\n/listsmore/d.mp3\r\nhttp://radio.example/s\r\n"},
      // Entries without a usable path are left out.
      {{"/l/a.mp3", "", "/l/**/x.mp3", "/l/line\nbreak.mp3", "/l/b.mp3"},
       "/l/x.m3u",
       "a.mp3\r\nb.mp3\r\n"},
      {{"/l/a.mp3", "", "/l/b.mp3"},
       "/l/x.pls",
       "[playlist]\r\nFile1=a.mp3\r\nFile2=b.mp3\r\nNumberOfEntries=2\r\nVersion=2\r\n"},
      {{}, "/l/x.m3u", ""},
      // Relative texts that would read back differently are written whole.
      {{"/l/#hash.mp3", "/l/ lead.mp3", "/l/trail.mp3 ", "/l/", "/l/C:/x.mp3", "/l/http:/y.mp3",
        "/l/ok.mp3"},
       "/l/x.m3u",
       "/l/#hash.mp3\r\n/l/ lead.mp3\r\n/l/trail.mp3 \r\n/l/\r\n/l/C:/x.mp3\r\n/l/http:/y.mp3\r\n"
       "ok.mp3\r\n"},
      // PLS keeps a blank after "=", so a blank-led name may stay relative there.
      {{"/l/ lead.mp3", "/l/#hash.mp3"},
       "/l/x.PLS",
       "[playlist]\r\nFile1= lead.mp3\r\nFile2=#hash.mp3\r\nNumberOfEntries=2\r\nVersion=2\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.paths.join(' ').toStdString());
    EXPECT_EQ(FormatPlaylist(WithPaths(c.paths), c.file), c.expected);
  }
}

TEST(PlaylistWrite, WhatIsWrittenReadsBackAsTheSamePaths) {
  test::TempDir dir;
  const QString d = dir.mkdir("lists");
  const QStringList paths = {
      d + "sub/01 - a.mp3", d + "中文歌曲.mp3",           d + "#hash.mp3",  d + "  two blanks.mp3",
      "/elsewhere/b.mp3",   "http://radio.example/s?x=1", "C:\\win\\c.mp3", d + "../up/d.mp3",
      d + "cover.jpg",      d + "sub/with=equals.mp3"};
  for (const char* name : {"back.m3u", "back.pls", "BACK.PLS"}) {
    Playlist written;
    written.appendBatch(WithPaths(paths));
    RecordingSink sink;
    ASSERT_TRUE(WritePL(written, d + name, &sink));
    EXPECT_TRUE(sink.messages.isEmpty());
    Playlist read;
    PlRead(read, d + name, PlaylistReadOptions{});
    QStringList readPaths;
    for (const PlaylistEntry& e : read.entries()) readPaths << e.path;
    EXPECT_EQ(readPaths, paths) << name;
  }
  // UTF-8 without a byte-order mark.
  const QByteArray bytes = test::TempDir::read(d + "back.m3u");
  EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF"));
  EXPECT_TRUE(bytes.contains(QString("中文歌曲.mp3\r\n").toUtf8()));
}

TEST(PlaylistWrite, AFailedWriteKeepsTheOldBytesAndTheUserIsTold) {
  test::TempDir dir;
  const QString file = dir.write("ro.m3u", "old.mp3\r\n");
  QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
  Playlist pl;
  pl.append({"a", dir.path() + "a.mp3"});
  RecordingSink sink;
  EXPECT_FALSE(WritePL(pl, file, &sink));
  EXPECT_EQ(test::TempDir::read(file), "old.mp3\r\n");
  EXPECT_FALSE(WritePL(pl, dir.path() + "no/such/x.m3u", &sink));
  EXPECT_FALSE(WritePL(pl, dir.mkdir("taken.m3u").chopped(1), &sink));
  EXPECT_FALSE(WritePL(pl, "", nullptr));  // no sink: still no crash
  const QString kCannotWrite = QStringLiteral("不能编写播放列表，文件可能是只读的！");
  EXPECT_EQ(sink.messages, QStringList({kCannotWrite, kCannotWrite, kCannotWrite}));
}
