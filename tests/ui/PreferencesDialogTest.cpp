// The preferences dialog as a user and a screen reader meet it: its pages
// and captions, a name on every control, controls filled without writing
// anything, and changes that reach the settings and the alarm clock.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "core/IniStore.h"
#include "core/Settings.h"
#include "core/SettingsTable.h"
#include "support/ScriptedDialogs.h"
#include "ui/FakePreferencesHost.h"
#include "ui/PreferencesDialog.h"
#include "ui/PreferencesDialogHost.h"
#include "ui/PreferencesEditor.h"

namespace kd {
namespace {

using test::FakePreferencesHost;

// The name a screen reader announces. A drop-down list is announced by its
// value on Linux, with the label's name beside it.
QString AccessibleName(QWidget* widget) {
  if (!widget->accessibleName().isEmpty()) return widget->accessibleName();
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
  return face ? face->text(QAccessible::Name) : QString();
}

QByteArray SettingsBytes(const Settings& settings) {
  IniStore store = IniStore::fromBytes({});
  WriteShutdownSettings(store, settings);
  return store.toBytes();
}

class PreferencesDialogTest : public ::testing::Test {
 protected:
  PreferencesDialogTest() {
    settings.WinOnTop = 1;
    settings.Auto = 1;
    settings.Snooze = 1;
    settings.SnoozeTime = QStringLiteral("22:15");
    settings.StartMd = 2;
    settings.StartFile = QStringLiteral("/music/a.mp3");
    settings.ValidExt = QStringLiteral("mp3 wav");
    settings.PBOverlap = -120;
    host.list = {QStringLiteral("D 07:30 08:00 00")};
    host.sleepCountNow = 12;
  }
  // The control of kind T whose accessible name is `name`.
  template <typename T>
  T* control(const char* name) {
    for (T* widget : dialog->findChildren<T*>()) {
      if (AccessibleName(widget) == QString::fromUtf8(name)) return widget;
    }
    ADD_FAILURE() << "no control named " << name;
    return nullptr;
  }

  Settings settings;
  FakePreferencesHost host;
  test::ScriptedDialogs dialogs;
  PreferencesEditor editor{settings, host, dialogs};
  PreferencesDialogHost dialogHost{editor};
  PreferencesDialog* dialog = nullptr;

  void open() {
    dialogHost.show(nullptr);
    dialog = dialogHost.dialog();
    ASSERT_NE(dialog, nullptr);
  }
};

TEST_F(PreferencesDialogTest, PagesCaptionsAndANameOnEveryControl) {
  open();
  EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8("Vexo 播放器V1.0  设置"));
  auto* pages = dialog->findChild<QTabWidget*>();
  ASSERT_NE(pages, nullptr);
  QStringList tabs;
  for (int i = 0; i < pages->count(); ++i) tabs << pages->tabText(i);
  EXPECT_EQ(tabs, QString::fromUtf8("信息,简介,设置,自动 开/关,路径").split(QLatin1Char(',')));

  QStringList buttons;
  for (auto* button : dialog->findChildren<QAbstractButton*>()) buttons << button->text();
  for (const char* caption : {"选择界面文件 ",
                              "&播放面板置于屏幕项端",
                              "&当播放面板置于屏幕顶端时发出警示声",
                              "保存屏幕位置",
                              "使用空白播放列表",
                              "最后一次访问的播放列表",
                              "文件或目录:",
                              "...F",
                              "..D",
                              "启动时启用最小置",
                              "在播放列表中使用友好名称",
                              "载入播放窗口覆盖ID3标签信息",
                              "歌曲名称滚动显示",
                              "使用24小时模式",
                              "载入新列表时清楚现有列表",
                              "在播放列表载入使用自动播放",
                              "启用 自动 启动/关闭",
                              "在离开时 关闭/休眠",
                              "启用休眠功能",
                              "之后:",
                              "自定义时间:",
                              "增加",
                              "删除选择",
                              "...",
                              "完成"}) {
    EXPECT_TRUE(buttons.contains(QString::fromUtf8(caption))) << caption;
  }

  // A screen reader finds every control by a name.
  QList<QWidget*> controls;
  for (auto* w : dialog->findChildren<QAbstractButton*>()) controls << w;
  for (auto* w : dialog->findChildren<QLineEdit*>()) controls << w;
  for (auto* w : dialog->findChildren<QComboBox*>()) controls << w;
  for (auto* w : dialog->findChildren<QListWidget*>()) controls << w;
  for (auto* w : dialog->findChildren<QPlainTextEdit*>()) controls << w;
  EXPECT_GE(controls.size(), 40);
  for (QWidget* w : controls) {
    EXPECT_FALSE(AccessibleName(w).isEmpty()) << w->metaObject()->className();
  }
  // Text boxes carry the caption of their label, option or group.
  for (const char* name : {"重叠 (毫秒):", "文件或目录:", "DirAdd 扩展", "自定义时间:", "时间:开:",
                           "关:", "文件/播放列表:", "界面文件:", "封面目录:"}) {
    control<QLineEdit>(name);
  }
  control<QComboBox>("日期");
  control<QListWidget>("开/关 列表:");
}

TEST_F(PreferencesDialogTest, FillingTheControlsWritesNothing) {
  const QByteArray before = SettingsBytes(settings);
  open();
  EXPECT_EQ(SettingsBytes(settings), before);
  EXPECT_TRUE(host.sleepMinutesSet.isEmpty());  // the running count stays
  EXPECT_EQ(host.settingsChanges, 0);
  EXPECT_EQ(host.onTopCalls, QList<bool>{false});

  EXPECT_TRUE(control<QCheckBox>("播放面板置于屏幕项端")->isChecked());
  EXPECT_TRUE(control<QCheckBox>("启用休眠功能")->isChecked());
  EXPECT_TRUE(control<QRadioButton>("文件或目录:")->isChecked());
  EXPECT_TRUE(control<QRadioButton>("之后:")->isChecked());
  EXPECT_EQ(control<QLineEdit>("文件或目录:")->text(), QStringLiteral("/music/a.mp3"));
  EXPECT_EQ(control<QLineEdit>("DirAdd 扩展")->text(), QStringLiteral("MP3 WAV"));
  EXPECT_EQ(control<QLineEdit>("重叠 (毫秒):")->text(), QStringLiteral("-120"));
  EXPECT_EQ(control<QLineEdit>("自定义时间:")->text(), QStringLiteral("22:15"));
  EXPECT_EQ(control<QComboBox>("分钟")->currentText(), QStringLiteral("30"));
  EXPECT_EQ(control<QComboBox>("日期")->currentText(), QStringLiteral("E - Every Day"));
  EXPECT_EQ(control<QListWidget>("开/关 列表:")->count(), 1);
  EXPECT_EQ(control<QPlainTextEdit>("简介")->toPlainText(), QString::fromUtf8("不能打开文件！"));
}

TEST_F(PreferencesDialogTest, ChangesReachTheSettingsAndTheAlarmClockAtOnce) {
  open();
  control<QCheckBox>("使用24小时模式")->click();
  EXPECT_EQ(settings.TimeFmt, 1);
  EXPECT_GE(host.settingsChanges, 1);
  control<QRadioButton>("使用空白播放列表")->click();
  EXPECT_EQ(settings.StartMd, 0);

  QLineEdit* overlap = control<QLineEdit>("重叠 (毫秒):");
  overlap->clear();
  overlap->insert(QStringLiteral("70000"));
  EXPECT_EQ(settings.PBOverlap, 32767);
  control<QLineEdit>("封面目录:")->insert(QStringLiteral("/covers"));
  EXPECT_EQ(settings.VisPLPath, QStringLiteral("/covers"));

  QComboBox* minutes = control<QComboBox>("分钟");
  minutes->setCurrentIndex(0);
  emit minutes->activated(0);
  EXPECT_EQ(host.sleepMinutesSet, QList<int>{5});

  // The on/off list: two empty times add nothing, a new entry comes last,
  // then the first one is deleted.
  QListWidget* list = control<QListWidget>("开/关 列表:");
  control<QLineEdit>("关:")->insert(QStringLiteral("X"));  // "00:00X" -> "00:00"
  control<QPushButton>("增加")->click();
  EXPECT_EQ(list->count(), 1);
  control<QLineEdit>("时间:开:")->setText(QStringLiteral("06:45"));
  control<QPushButton>("增加")->click();
  ASSERT_EQ(list->count(), 2);
  EXPECT_EQ(list->item(1)->text(), QStringLiteral("E 06:45 00:00 00"));
  list->setCurrentRow(0);
  control<QPushButton>("删除选择")->click();
  EXPECT_EQ(host.list, QStringList{QStringLiteral("E 06:45 00:00 00")});
  EXPECT_EQ(list->currentRow(), 0);

  // "完成" only closes, and the window goes back on top.
  control<QPushButton>("完成")->click();
  EXPECT_FALSE(dialogHost.isVisible());
  EXPECT_EQ(host.onTopCalls, (QList<bool>{false, true}));
}

TEST_F(PreferencesDialogTest, AskingWhetherItIsOpenCreatesNothing) {
  EXPECT_FALSE(dialogHost.isVisible());
  EXPECT_EQ(dialogHost.dialog(), nullptr);
  EXPECT_TRUE(host.onTopCalls.isEmpty());
  open();
  EXPECT_TRUE(dialogHost.isVisible());
  EXPECT_TRUE(dialog->isModal());
  dialogHost.show(nullptr);  // a second request opens no second dialog
  EXPECT_EQ(dialogHost.dialog(), dialog);
  EXPECT_EQ(host.onTopCalls, QList<bool>{false});
  dialog->close();  // closed by the window manager
  EXPECT_FALSE(dialogHost.isVisible());
  EXPECT_EQ(host.onTopCalls, (QList<bool>{false, true}));
}

}  // namespace
}  // namespace kd
