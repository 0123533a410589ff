#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QDir>
#include <QFileInfo>
#include <csignal>

#include "core/IniStore.h"
#include "support/TempDir.h"

using namespace kd;

namespace {

const QString kConfig = QStringLiteral("config");

}  // namespace

TEST(IniStore, AHandWrittenFileIsReadLooselyAndRewrittenOnlyWhereItChanged) {
  const QByteArray before =
      "\xEF\xBB\xBFtop=level\n"  // a byte-order mark does not hide the first key
      "; written by hand\n"
      "\n"
      "[CONFIG]\n"
      "clearplfirst=1\n"
      "ClearPLFirst=0\n"
      "# a comment = not a key\n"
      "WinOnTop= 0\n"
      "  Skin = /a b/c.skin  \n"
      "Empty=\n"
      "Eq=a=b\n"
      "this line is no key\n"
      "StartFile=/\xD2\xF4\xC0\xD6/a.mp3\n"  // "音乐" in GB18030: not valid UTF-8
      "\xFF\xFE garbage \x01\x02\n"
      "=no name\n"
      "[broken section\n"
      "\n"
      "[other]\n"
      "Volume=9\n"
      "WinOnTop=5\n"
      "\t\n";
  IniStore store = IniStore::fromBytes(before);
  EXPECT_EQ(store.toBytes(), before);
  // Sections and keys without regard to case, the first occurrence wins, values verbatim.
  EXPECT_EQ(store.value(u"", u"TOP"), QStringLiteral("level"));
  EXPECT_EQ(store.value(kConfig, u"ClearPLFirst"), QStringLiteral("1"));
  EXPECT_EQ(store.value(u"Other", u"volume"), QStringLiteral("9"));
  EXPECT_FALSE(store.contains(kConfig, u"Volume"));  // in another section only
  EXPECT_EQ(store.value(kConfig, u"Missing", QStringLiteral("dflt")), QStringLiteral("dflt"));
  EXPECT_EQ(store.value(kConfig, u"WinOnTop"), QStringLiteral(" 0"));
  EXPECT_EQ(store.value(kConfig, u"Skin"), QStringLiteral(" /a b/c.skin  "));
  EXPECT_EQ(store.value(kConfig, u"Empty"), QString());
  EXPECT_TRUE(store.contains(kConfig, u"Empty"));
  EXPECT_EQ(store.value(kConfig, u"Eq"), QStringLiteral("a=b"));
  // A value in the legacy code page is decoded; writing the same text back leaves its bytes.
  const QString music = QStringLiteral("/音乐/a.mp3");
  EXPECT_EQ(store.value(kConfig, u"StartFile"), music);
  ASSERT_TRUE(store.setValue(kConfig, u"StartFile", music));
  EXPECT_EQ(store.toBytes(), before);

  // A change rewrites the first occurrence, under the spelling it had.
  ASSERT_TRUE(store.setValue(kConfig, u"ClearPlFirst", QStringLiteral("7")));
  ASSERT_TRUE(store.setValue(kConfig, u"Skin", QStringLiteral("  x ")));
  ASSERT_TRUE(store.setValue(kConfig, u"WinOnTop", QStringLiteral("1")));
  QByteArray expected = before;
  expected.replace("clearplfirst=1\n", "clearplfirst=7\n")
      .replace("  Skin = /a b/c.skin  \n", "  Skin =  x \n")
      .replace("WinOnTop= 0\n", "WinOnTop=1\n");
  EXPECT_EQ(store.toBytes(), expected);
  EXPECT_EQ(store.value(kConfig, u"CLEARPLFIRST"), QStringLiteral("7"));
  EXPECT_EQ(store.value(u"other", u"WinOnTop"), QStringLiteral("5"));
}

TEST(IniStore, NewKeysFollowTheLastKeyOfTheirSection) {
  IniStore store = IniStore::fromBytes(
      "[config]\n"
      "A=1\n"
      "\n"
      "; about the next section\n"
      "[next]\n"
      "B=2\n");
  ASSERT_TRUE(store.setValue(kConfig, u"C", QStringLiteral("3")));
  ASSERT_TRUE(store.setValue(kConfig, u"D", QStringLiteral("4")));
  ASSERT_TRUE(store.setValue(u"new", u"E", QStringLiteral("5")));
  ASSERT_TRUE(store.setValue(u"new", u"F", QStringLiteral("6")));
  EXPECT_EQ(store.toBytes(),
            "[config]\n"
            "A=1\n"
            "C=3\n"
            "D=4\n"
            "\n"
            "; about the next section\n"
            "[next]\n"
            "B=2\n"
            "\n"
            "[new]\n"
            "E=5\n"
            "F=6\n");

  IniStore empty;
  ASSERT_TRUE(empty.setValue(kConfig, u"Skin", QString()));
  ASSERT_TRUE(empty.setValue(kConfig, u"WinOnTop", QStringLiteral(" 0")));
  EXPECT_EQ(empty.toBytes(), "[config]\nSkin=\nWinOnTop= 0\n");
}

TEST(IniStore, ReadsAnyLineEndAndWritesLf) {
  IniStore store = IniStore::fromBytes("[config]\r\nA=1\r\nB= 2\rC=3");
  EXPECT_EQ(store.value(kConfig, u"A"), QStringLiteral("1"));
  EXPECT_EQ(store.value(kConfig, u"B"), QStringLiteral(" 2"));
  EXPECT_EQ(store.value(kConfig, u"C"), QStringLiteral("3"));
  EXPECT_EQ(store.toBytes(), "[config]\nA=1\nB= 2\nC=3\n");
}

TEST(IniStore, AValueReadsBackAsSetEvenWhenItBeginsWithAByteOrderMark) {
  // A file name may begin with U+FEFF; only the file's own mark is dropped.
  const QString name = QStringLiteral("\uFEFF/skins/a.skn");
  IniStore store = IniStore::fromBytes("\xEF\xBB\xBF[config]\nSkin=old\n");
  ASSERT_TRUE(store.setValue(kConfig, u"Skin", name));
  EXPECT_EQ(store.value(kConfig, u"Skin"), name);
  EXPECT_EQ(IniStore::fromBytes(store.toBytes()).value(kConfig, u"Skin"), name);
  // Setting the name without its marks changes the stored value.
  ASSERT_TRUE(store.setValue(kConfig, u"Skin", QStringLiteral("/skins/a.skn")));
  EXPECT_EQ(store.toBytes(), "\xEF\xBB\xBF[config]\nSkin=/skins/a.skn\n");
}

TEST(IniStore, RefusesValuesAndKeysThatWouldBreakTheFile) {
  const QByteArray before = "[config]\nStartFile=/a.mp3\n";
  IniStore store = IniStore::fromBytes(before);
  // A file name may hold a line break; stored as is it would plant other keys.
  EXPECT_FALSE(store.setValue(kConfig, u"StartFile", QStringLiteral("/x\nWinOnTop= 1")));
  EXPECT_FALSE(store.setValue(kConfig, u"StartFile", QStringLiteral("/x\r")));
  for (const char* key : {"", "A=B", " A", "[A]", ";A"}) {
    EXPECT_FALSE(store.setValue(kConfig, QString::fromLatin1(key), QStringLiteral("1"))) << key;
  }
  EXPECT_FALSE(store.setValue(u"a]b", u"A", QStringLiteral("1")));
  EXPECT_EQ(store.toBytes(), before);
}

TEST(IniStore, MissingFileIsEmptyAndSaveCreatesItWithItsFolder) {
  test::TempDir dir;
  const QString path = dir.path() + "cfg/kavorodeck/kavorodeck.ini";
  IniStore store = IniStore::load(path);
  EXPECT_EQ(store.source(), IniStore::Source::Missing);
  EXPECT_FALSE(store.contains(kConfig, u"A"));
  ASSERT_TRUE(store.setValue(kConfig, u"A", QStringLiteral("1")));
  ASSERT_TRUE(store.save());
  EXPECT_EQ(test::TempDir::read(path), "[config]\nA=1\n");

  IniStore again = IniStore::load(path);
  EXPECT_EQ(again.source(), IniStore::Source::Read);
  EXPECT_EQ(again.value(kConfig, u"a"), QStringLiteral("1"));

  // A store made in memory has nowhere to go.
  EXPECT_FALSE(IniStore::fromBytes("[config]\n").save());
}

TEST(IniStore, AnUnreadablePathGivesAnEmptyStoreThatNeverWrites) {
  test::TempDir dir;
  const QString folder = dir.mkdir("kavorodeck.ini").chopped(1);  // a folder in the file's place
  const QString plain = dir.write("plain", "not a folder");
  for (const QString& path : {folder, plain + "/kavorodeck.ini"}) {
    SCOPED_TRACE(path.toStdString());
    IniStore store = IniStore::load(path);
    EXPECT_TRUE(store.readFailed());
    EXPECT_TRUE(store.setValue(kConfig, u"A", QStringLiteral("1")));
    EXPECT_FALSE(store.save());
  }
  EXPECT_TRUE(QFileInfo(folder).isDir());
  EXPECT_EQ(test::TempDir::read(plain), "not a folder");
}

TEST(IniStore, AWriteThatFailsHalfWayLeavesTheOldFileWhole) {
  test::TempDir dir;
  const QByteArray old = "[config]\nWinOnTop= 1\n";
  const QString path = dir.write("kavorodeck.ini", old);
  IniStore store = IniStore::load(path);
  store.setValue(kConfig, u"Skin", QString(4096, QLatin1Char('s')));
  // The file size limit stops the write, even for root.
  struct rlimit saved {};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = saved;
  small.rlim_cur = 1024;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool savedOk = store.save();
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);
  EXPECT_FALSE(savedOk);
  EXPECT_EQ(test::TempDir::read(path), old);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);  // no leftovers
}
