// The preferences' rules without the widgets: each control writes its
// setting, the sleep count changes only when the user asks, the on/off list
// is edited by its rules, and bad input leaves a settings file that reads
// back the same.
#include <gtest/gtest.h>

#include "core/IniStore.h"
#include "core/Settings.h"
#include "core/SettingsTable.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"
#include "ui/FakePreferencesHost.h"
#include "ui/PreferencesEditor.h"
#include "util/AppPaths.h"

namespace kd {
namespace {

using test::FakePreferencesHost;

class PreferencesEditorTest : public ::testing::Test {
 protected:
  // The settings as the next start reads them from the file shut-down writes.
  Settings roundTrip() const {
    IniStore store = IniStore::fromBytes({});
    WriteShutdownSettings(store, settings);
    IniStore again = IniStore::fromBytes(store.toBytes());
    Settings read;
    ReadSettings(again, read, 0, 0);
    return read;
  }

  Settings settings;
  FakePreferencesHost host;
  test::ScriptedDialogs dialogs;
  PreferencesEditor editor{settings, host, dialogs};
};

TEST_F(PreferencesEditorTest, EachSwitchWritesItsSettingAndReadsItBack) {
  const std::pair<PreferenceSwitch, int16_t Settings::*> switches[] = {
      {PreferenceSwitch::OnTop, &Settings::WinOnTop},
      {PreferenceSwitch::Snap, &Settings::WinSnap},
      {PreferenceSwitch::SaveWindowPosition, &Settings::WinSavePos},
      {PreferenceSwitch::Scheduler, &Settings::Auto},
      {PreferenceSwitch::AutoPlay, &Settings::AutoPlay},
      {PreferenceSwitch::ClearPlaylistFirst, &Settings::ClearPLFirst},
      {PreferenceSwitch::ScrollTitle, &Settings::ScrollName},
      {PreferenceSwitch::SleepTimer, &Settings::Snooze},
      {PreferenceSwitch::TagCover, &Settings::UseTagCover},
      {PreferenceSwitch::HideWhenSleeping, &Settings::SnoozeHide},
      {PreferenceSwitch::StartMinimised, &Settings::StartMin},
      {PreferenceSwitch::FriendlyNames, &Settings::FriendlyNames},
      {PreferenceSwitch::Clock24, &Settings::TimeFmt},
  };
  for (const auto& [which, field] : switches) {
    editor.setSwitch(which, true);
    EXPECT_EQ(settings.*field, 1) << int(which);
    EXPECT_TRUE(editor.isOn(which));
    EXPECT_EQ(roundTrip().*field, 1) << int(which);
    editor.setSwitch(which, false);
    EXPECT_EQ(settings.*field, 0) << int(which);
    EXPECT_FALSE(editor.isOn(which));
  }
  // The player was told every time, and the on-top box moved the window.
  EXPECT_EQ(host.settingsChanges, 26);
  EXPECT_EQ(host.onTopCalls, (QList<bool>{true, false}));
}

TEST_F(PreferencesEditorTest, BoxesShowSettingsByTheFlagRulesOfEachKey) {
  settings.WinOnTop = -1;      // any non-zero value
  settings.FriendlyNames = 5;  // greater than 0
  settings.AutoPlay = 2;       // only exactly 1
  settings.SnoozeMode = 7;     // anything but 0 means at a time of day
  settings.StartMd = 9;        // no such option: nothing is opened, as with 0
  EXPECT_TRUE(editor.isOn(PreferenceSwitch::OnTop));
  EXPECT_TRUE(editor.isOn(PreferenceSwitch::FriendlyNames));
  EXPECT_FALSE(editor.isOn(PreferenceSwitch::AutoPlay));
  EXPECT_EQ(editor.sleepModeOption(), 1);
  EXPECT_EQ(editor.startModeOption(), 0);
  editor.setStartMode(2);
  editor.setSleepMode(0);
  EXPECT_EQ(settings.StartMd, 2);
  EXPECT_EQ(settings.SnoozeMode, 0);
}

TEST_F(PreferencesEditorTest, OpeningTakesTheWindowOffTheTopAndClosingPutsItBack) {
  settings.WinOnTop = 1;
  host.list = {QStringLiteral("D 07:30 08:00 00")};
  editor.opened();
  EXPECT_EQ(host.onTopCalls, QList<bool>{false});
  EXPECT_EQ(editor.onOffList(), host.list);
  editor.setSwitch(PreferenceSwitch::OnTop, false);
  editor.closed();
  EXPECT_EQ(host.onTopCalls, (QList<bool>{false, false, false}));
  editor.setSwitch(PreferenceSwitch::OnTop, true);
  editor.closed();
  EXPECT_EQ(host.onTopCalls.last(), true);
}

TEST_F(PreferencesEditorTest, TheSleepCountChangesOnlyWhenTheUserAsks) {
  host.sleepCountNow = 12;  // a sleep timer running with 12 minutes left
  editor.opened();
  EXPECT_TRUE(host.sleepMinutesSet.isEmpty());
  EXPECT_EQ(PreferencesEditor::sleepMinuteItems().at(PreferencesEditor::kInitialSleepItem),
            QStringLiteral("30"));

  // Ticking (or unticking) the box shows the running count again.
  editor.setSwitch(PreferenceSwitch::SleepTimer, true);
  EXPECT_EQ(host.sleepMinutesSet, QList<int>{12});
  // Choosing an item starts over with its minutes.
  editor.chooseSleepMinutes(2);
  EXPECT_EQ(host.sleepMinutesSet.last(), 15);
  EXPECT_EQ(host.sleepCount(), -15);
  editor.chooseSleepMinutes(9);  // no such item
  EXPECT_EQ(host.sleepMinutesSet.size(), 2);
}

TEST_F(PreferencesEditorTest, TextBoxesStoreWhatWasTypedOnOneLine) {
  editor.setSleepTime(QStringLiteral("99:99"));
  EXPECT_EQ(settings.SnoozeTime, QStringLiteral("99:99"));
  editor.setValidExtensions(QStringLiteral("mp3 ogg Flac"));
  EXPECT_EQ(settings.ValidExt, QStringLiteral("MP3 OGG FLAC"));

  const QString huge(10000, QLatin1Char('x'));
  editor.setStartFile(huge);
  editor.setSkinFolder(QStringLiteral("/music/\nskins\r\x01/"));
  editor.setCoverFolder(QStringLiteral("/covers\x7f/"));
  EXPECT_EQ(settings.StartFile, huge);
  EXPECT_EQ(settings.SkinPath, QStringLiteral("/music/ skins  /"));
  EXPECT_EQ(settings.VisPLPath, QStringLiteral("/covers /"));

  // Every value reaches the next start as it stands now.
  const Settings read = roundTrip();
  EXPECT_EQ(read.StartFile, huge);
  EXPECT_EQ(read.SkinPath, settings.SkinPath);
  EXPECT_EQ(read.VisPLPath, settings.VisPLPath);
  EXPECT_EQ(read.SnoozeTime, QStringLiteral("99:99"));
}

TEST_F(PreferencesEditorTest, TheOverlapIsTheLeadingNumberHeldToSixteenBits) {
  const std::pair<const char*, int16_t> cases[] = {
      {"250ms", 250},     {"", 0},        {"-40", -40}, {"32768", 32767},
      {"-99999", -32768}, {"1e9", 32767}, {"abc", 0},
  };
  for (const auto& [typed, expected] : cases) {
    editor.setOverlap(QString::fromLatin1(typed));
    EXPECT_EQ(settings.PBOverlap, expected) << typed;
  }
  editor.setOverlap(QString(10000, QLatin1Char('9')));
  EXPECT_EQ(roundTrip().PBOverlap, 32767);
}

TEST_F(PreferencesEditorTest, AddingBuildsSixteenCharacterEntriesAndRefusesTwoEmptyTimes) {
  const int everyDay = PreferencesEditor::kInitialDayItem;
  EXPECT_FALSE(editor.addOnOffEntry(everyDay, QStringLiteral("00:00"), QStringLiteral("00:00"),
                                    QStringLiteral("5")));
  EXPECT_TRUE(host.list.isEmpty());

  EXPECT_TRUE(editor.addOnOffEntry(everyDay, QStringLiteral("07:30"), QStringLiteral("00:00"), {}));
  EXPECT_TRUE(editor.addOnOffEntry(0, QStringLiteral("7:30"), QStringLiteral("08:00:59"),
                                   QStringLiteral("3")));
  EXPECT_TRUE(
      editor.addOnOffEntry(7, QStringLiteral("99:99"), QStringLiteral("x"), QStringLiteral("-3")));
  EXPECT_TRUE(editor.addOnOffEntry(8, QStringLiteral("\t1:00"), QStringLiteral("\n"),
                                   QStringLiteral("123")));
  const QStringList expected{
      QStringLiteral("E 07:30 00:00 00"),
      QStringLiteral("M 7:30  08:00 03"),
      QStringLiteral("D 99:99 x     00"),
      QStringLiteral("N  1:00       99"),
  };
  EXPECT_EQ(editor.onOffList(), expected);
  // The alarm clock has the list after every change.
  EXPECT_EQ(host.list, expected);
  for (const QString& entry : host.list) EXPECT_EQ(entry.size(), 16) << entry.toStdString();
}

TEST_F(PreferencesEditorTest, DeletingSelectsTheNextEntryOrTheNewLastOne) {
  host.list = {QStringLiteral("E 01:00 00:00 00"), QStringLiteral("E 02:00 00:00 00"),
               QStringLiteral("E 03:00 00:00 00")};
  editor.reloadOnOffList();
  EXPECT_EQ(editor.deleteOnOffEntry(-1), -1);  // nothing selected: nothing happens
  EXPECT_EQ(host.list.size(), 3);
  EXPECT_EQ(editor.deleteOnOffEntry(0), 0);
  EXPECT_EQ(host.list.first(), QStringLiteral("E 02:00 00:00 00"));
  EXPECT_EQ(editor.deleteOnOffEntry(1), 0);  // the last one: the new last is selected
  EXPECT_EQ(host.list, QStringList{QStringLiteral("E 02:00 00:00 00")});
  EXPECT_EQ(editor.deleteOnOffEntry(0), -1);
  EXPECT_TRUE(host.list.isEmpty());
}

TEST_F(PreferencesEditorTest, FileAndFolderButtonsStoreTheChoiceAndCancelChangesNothing) {
  settings.StartFile = QStringLiteral("/before.mp3");
  settings.Path = QStringLiteral("/music/");
  EXPECT_TRUE(editor.chooseStartFile().isEmpty());
  EXPECT_TRUE(editor.chooseStartFolder().isEmpty());
  EXPECT_TRUE(editor.chooseSkinFolder().isEmpty());
  EXPECT_TRUE(editor.chooseCoverFolder().isEmpty());
  EXPECT_EQ(settings.StartFile, QStringLiteral("/before.mp3"));
  EXPECT_TRUE(settings.SkinPath.isEmpty());
  EXPECT_TRUE(settings.VisPLPath.isEmpty());

  const FileDialogRequest& fileRequest = dialogs.requests.at(0);
  EXPECT_EQ(fileRequest.title, QString::fromUtf8("打开播放文件"));
  EXPECT_TRUE(fileRequest.filter.startsWith(QStringLiteral("MPEG Audio Files|*.MP?|")));
  EXPECT_TRUE(fileRequest.filter.endsWith(QStringLiteral("|Playlists|*.M3U;*.PLS|All Files|*.*")));
  EXPECT_EQ(fileRequest.filterIndex, 1);
  EXPECT_EQ(fileRequest.initialFolder, QStringLiteral("/music/"));
  EXPECT_EQ(dialogs.requests.at(1).title, QString::fromUtf8("选择文件/目录:"));
  EXPECT_EQ(dialogs.requests.at(2).title, QString::fromUtf8("选择界面目录:"));
  EXPECT_EQ(dialogs.requests.at(3).title, QString::fromUtf8("选择封面目录:"));

  dialogs.answer(QStringLiteral("/music/start.m3u"));
  dialogs.answer(QStringLiteral("/skins/"));
  dialogs.answer(QStringLiteral("/covers/"));
  EXPECT_EQ(editor.chooseStartFile(), QStringLiteral("/music/start.m3u"));
  EXPECT_EQ(editor.chooseSkinFolder(), QStringLiteral("/skins/"));
  EXPECT_EQ(editor.chooseCoverFolder(), QStringLiteral("/covers/"));
  EXPECT_EQ(settings.StartFile, QStringLiteral("/music/start.m3u"));
  EXPECT_EQ(settings.SkinPath, QStringLiteral("/skins/"));
  EXPECT_EQ(settings.VisPLPath, QStringLiteral("/covers/"));
}

TEST_F(PreferencesEditorTest, TheInformationPageReadsItsFileFromTheProgramFolder) {
  test::TempDir dir;
  SetProgramFolderOverride(dir.path());
  const QString name = QStringLiteral("gdsdflwlwlwlwlwlwlwwwwwwwwwwwwwwwwwwwwlwowlwlw");
  EXPECT_EQ(ReadInformationText(), QString::fromUtf8("不能打开文件！"));
  dir.mkdir(name);  // a folder in its place
  EXPECT_EQ(ReadInformationText(), QString::fromUtf8("不能打开文件！"));

  test::TempDir other;
  SetProgramFolderOverride(other.path());
  other.write(name, QByteArray("说明\r\nline two"));
  EXPECT_EQ(ReadInformationText(), QString::fromUtf8("说明\r\nline two"));
  SetProgramFolderOverride(QString());
}

}  // namespace
}  // namespace kd
