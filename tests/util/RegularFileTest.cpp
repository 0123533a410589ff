#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>

#include "support/TempDir.h"
#include "util/RegularFile.h"

using namespace kd;

TEST(RegularFile, ReadsAWholeFileUpToTheBound) {
  test::TempDir dir;
  QByteArray bytes = "old";
  EXPECT_EQ(ReadRegularFile(dir.write("a.ini", "12345"), 5, bytes), FileReadResult::Read);
  EXPECT_EQ(bytes, "12345");
  EXPECT_EQ(ReadRegularFile(dir.write("empty.ini", ""), 5, bytes), FileReadResult::Read);
  EXPECT_EQ(bytes, "");
  EXPECT_EQ(ReadRegularFile(dir.path() + "missing.ini", 5, bytes), FileReadResult::Missing);
}

TEST(RegularFile, AnythingButAWholeRegularFileIsUnreadableAndLeavesTheBytes) {
  test::TempDir dir;
  const QString plain = dir.write("plain", "not a folder");
  const QString fifo = dir.path() + "pipe.ini";  // a named pipe must not hang the reader
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  const QString tooLarge = dir.write("large.ini", "123456");
  for (const QString& path :
       {dir.mkdir("folder.ini").chopped(1), plain + "/a.ini", fifo, tooLarge}) {
    SCOPED_TRACE(path.toStdString());
    QByteArray bytes = "kept";
    EXPECT_EQ(ReadRegularFile(path, 5, bytes), FileReadResult::Unreadable);
    EXPECT_EQ(bytes, "kept");
  }
}

TEST(RegularFile, ReadAtMostStopsAtTheLimitOrTheEndFromWhereTheFileStands) {
  test::TempDir dir;
  QFile file(dir.write("skin.txt", "0123456789"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(ReadAtMost(file, qint64(1) << 40), "0123456789");  // a huge limit costs nothing
  ASSERT_TRUE(file.seek(3));
  EXPECT_EQ(ReadAtMost(file, 4), "3456");
  EXPECT_EQ(ReadAtMost(file, 100), "789");
  EXPECT_EQ(ReadAtMost(file, 100), "");
}
