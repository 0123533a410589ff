#include <gtest/gtest.h>

#include <limits>

#include "core/SettingsTable.h"
#include "support/TempDir.h"
#include "util/TextCodec.h"

using namespace kd;

namespace {

// One run of the program as far as the settings go: read at start-up, write
// at shut-down (the position only when WinSavePos is 1), save.
Settings RunOnce(const QString& path, int16_t lastTrack = 1) {
  IniStore store = IniStore::load(path);
  Settings settings;
  ReadSettings(store, settings, 300, 450);
  WriteShutdownSettings(store, settings);
  if (settings.WinSavePos == 1) WriteWindowPosition(store, settings.X, settings.Y);
  WriteLastRun(store, QString(), lastTrack);
  store.save();
  return settings;
}

class SettingsTableTest : public ::testing::Test {};

}  // namespace

TEST_F(SettingsTableTest, NumbersReadLenientlyHalvesToEvenAndClamped) {
  IniStore store = IniStore::fromBytes(
      "[config]\n"
      "WinOnTop= 1\n"
      "FriendlyNames=\n"
      "SnoozeHide=3.5\n"
      "StartMd=70000\n"
      "X=99999999999\n"
      "LastTrack= 40000\n"
      "LastCover=/covers/a.jpg\n");
  Settings settings;
  ReadSettings(store, settings, 0, 0);
  EXPECT_EQ(settings.WinOnTop, 1);
  EXPECT_EQ(settings.FriendlyNames, 0);  // an empty value is 0, not the default 1
  EXPECT_EQ(settings.SnoozeHide, 4);
  EXPECT_EQ(settings.StartMd, 32767);
  EXPECT_EQ(settings.X, std::numeric_limits<int32_t>::max());
  // The last run's facts are read only when asked for.
  EXPECT_EQ(settings.LastTrack, 0);
  EXPECT_EQ(settings.LastCover, QString());
  EXPECT_EQ(ReadLastTrack(store), 32767);
  EXPECT_EQ(ReadLastCover(store), QStringLiteral("/covers/a.jpg"));
}

TEST_F(SettingsTableTest, AFirstRunReadsDefaultsAndWritesEveryKeyInShutdownOrderAndForm) {
  test::TempDir dir;
  const QString path = dir.path() + "kavorodeck/kavorodeck.ini";
  IniStore store = IniStore::load(path);
  Settings settings;
  // Stale values give way to the defaults, but for PBOverlap, whose default is the value it holds.
  settings.Path = settings.ValidExt = QStringLiteral("stale");
  settings.WinSnap = 9;
  settings.PBOverlap = 4;
  ReadSettings(store, settings, 4320, 1500);
  EXPECT_EQ(settings.Path, QString());
  EXPECT_EQ(settings.Y, 1500);
  EXPECT_EQ(ReadLastTrack(store), 0);
  EXPECT_EQ(ReadLastCover(store), QString());
  settings.Skin = QStringLiteral("/skins/blue.skin");
  settings.WinOnTop = 1;
  settings.WinSavePos = 1;
  settings.ExitMode = -2;
  settings.ClearPLFirst = 1;
  settings.ScrollName = -1;
  settings.OutputLevels = QStringLiteral("65535,32768");
  WriteShutdownSettings(store, settings);
  WriteWindowPosition(store, settings.X, -75);
  WriteLastRun(store, QStringLiteral("/music/cover.jpg"), 3);
  ASSERT_TRUE(store.save());
  EXPECT_EQ(test::TempDir::read(path),
            "[config]\n"
            "Skin=/skins/blue.skin\n"
            "SkinPath=\n"
            "SkinImport=\n"
            "WinOnTop= 1\n"
            "WinSnap= 0\n"
            "WinSavePos= 1\n"
            "Auto= 0\n"
            "Snooze= 0\n"
            "SnoozeMode= 0\n"
            "SnoozeTime=23:59\n"
            "SnoozeHide= 0\n"
            "ExitMode=-2\n"
            "StartMd= 0\n"
            "StartMin= 0\n"
            "StartMute= 0\n"
            "StartFile=\n"
            "TimeFmt= 0\n"
            "VisPLPath=\n"
            "ClearPlFirst=1\n"
            "AutoPlay=0\n"
            "ValidExt=mp2 mp3 mpa wav mid rmi\n"
            "PBOverlap=4\n"
            "ScrollName=-1\n"
            "UseTagCover=0\n"
            "FriendlyNames=1\n"
            "DoubleSize=0\n"
            "OutputLevels=65535,32768\n"
            "X=4320\n"
            "Y=-75\n"
            "LastCover=/music/cover.jpg\n"
            "LastTrack= 3\n");
}

TEST_F(SettingsTableTest, ARunKeepsWhatItDoesNotOwnAndReadsInTheUsersCodePage) {
  test::TempDir dir;
  const QByteArray foreign =
      "; kept by another tool\n"
      "[window]\n"
      "X=1\n"
      "\n"
      "[config]\n"
      "X=4320\n"
      "Y= 1500\n"
      "WinSavePos= 0\n"
      "StartMute= 1\n"
      "ExitMode= 3\n"
      "Volume=80\n"
      "Codepage= BIG5\n"
      "StartFile=/\xAD\xB5\xBC\xD6/a.mp3\n"  // "/音樂/" in the code page the user named
      "LastTrack= 9\n"
      "odd line without a key\n";
  const QString path = dir.write("kavorodeck.ini", foreign);
  const Settings settings = RunOnce(path, 2);
  EXPECT_EQ(settings.X, 4320);  // applied at every start, whatever WinSavePos says
  EXPECT_EQ(settings.Y, 1500);
  EXPECT_EQ(settings.StartMute, 1);
  EXPECT_EQ(settings.ExitMode, 3);
  EXPECT_EQ(settings.Codepage, QStringLiteral(" BIG5"));
  EXPECT_EQ(settings.legacyCodepage(), "BIG5");
  EXPECT_EQ(settings.StartFile, QStringLiteral("/音樂/a.mp3"));

  const QByteArray after = test::TempDir::read(path);
  // Everything before the keys the run adds is as it was, but for LastTrack.
  QByteArray expectedHead = foreign;
  expectedHead.replace("LastTrack= 9", "LastTrack= 2");
  expectedHead.chop(QByteArray("odd line without a key\n").size());
  EXPECT_TRUE(after.startsWith(expectedHead)) << after.constData();
  EXPECT_TRUE(after.endsWith("LastCover=\nodd line without a key\n")) << after.constData();
  EXPECT_EQ(after.count("X="), 2);
  EXPECT_EQ(after.count("Y="), 1);
}

TEST_F(SettingsTableTest, AnUnknownCodePageFallsBackToTheDefaultAndIsLeftAsWritten) {
  test::TempDir dir;
  const QByteArray gb = "[config]\nCODEPAGE=no-such-page\nSkin=/\xD2\xF4\xC0\xD6.skin\n";
  const QString path = dir.write("gb.ini", gb);
  const Settings settings = RunOnce(path);
  EXPECT_EQ(settings.Skin, QStringLiteral("/音乐.skin"));
  EXPECT_EQ(settings.legacyCodepage(), "GB18030");
  EXPECT_TRUE(test::TempDir::read(path).startsWith(gb));
}

TEST_F(SettingsTableTest, PathIsWrittenAtOnceAndAlone) {
  test::TempDir dir;
  const QString path = dir.write("kavorodeck.ini", "[config]\nPATH=/old/\nWinOnTop= 1\n");
  IniStore store = IniStore::load(path);
  Settings settings;
  ReadSettings(store, settings, 0, 0);
  EXPECT_EQ(settings.Path, QStringLiteral("/old/"));
  settings.WinOnTop = 0;  // changed in memory only, until shut-down
  ASSERT_TRUE(WritePathSetting(store, settings, QStringLiteral("/music/new/")));
  EXPECT_EQ(settings.Path, QStringLiteral("/music/new/"));
  EXPECT_EQ(test::TempDir::read(path), "[config]\nPATH=/music/new/\nWinOnTop= 1\n");

  // Shut-down never writes Path.
  WriteShutdownSettings(store, settings);
  EXPECT_EQ(store.value(u"config", u"Path"), QStringLiteral("/music/new/"));
  EXPECT_EQ(store.toBytes().count("PATH="), 1);
  EXPECT_EQ(store.toBytes().count("\nPath="), 0);
}
