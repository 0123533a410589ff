#include <gtest/gtest.h>

#include <QFile>

#include "support/TempDir.h"
#include "util/AtomicFile.h"

using namespace kd;

TEST(AtomicFile, ReplacesTheWholeFile) {
  test::TempDir dir;
  const QString path = dir.write("list.m3u", "old content that is longer");
  ASSERT_TRUE(WriteFileAtomically(path, "new"));
  EXPECT_EQ(test::TempDir::read(path), "new");
}

TEST(AtomicFile, ReadOnlyTargetIsLeftWhole) {
  test::TempDir dir;
  const QString path = dir.write("list.m3u", "keep me");
  QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadUser);
  EXPECT_TRUE(IsReadOnlyFile(path));
  EXPECT_FALSE(WriteFileAtomically(path, "lost"));
  EXPECT_EQ(test::TempDir::read(path), "keep me");
  QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}
