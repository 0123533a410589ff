// The tray icon's events with the notification area played by the test:
// only a double-click brings the window back, never while the preferences
// are open; the right button's menu runs commands; without a notification
// area a window is never hidden into it.
#include <gtest/gtest.h>

#include <QMenu>

#include "core/Commands.h"
#include "support/RecordingExecutor.h"
#include "ui/ProgramIcon.h"
#include "ui/TrayIcon.h"

namespace kd {
namespace {

using test::RecordingExecutor;

class TrayIconTest : public ::testing::Test {
 protected:
  void event(QSystemTrayIcon::ActivationReason reason) {
    emit tray.systemTrayIcon().activated(reason);
  }

  RecordingExecutor executor;
  bool prefsVisible = false;
  int broughtBack = 0;
  TrayIcon tray{executor, {[this] { return prefsVisible; }, [this] { ++broughtBack; }}};
};

TEST_F(TrayIconTest, OnlyADoubleClickBringsTheWindowBackAndNotWhileThePreferencesAreOpen) {
  EXPECT_EQ(tray.systemTrayIcon().toolTip(), QString::fromUtf8("Vexo 多媒体播放器 V1.0"));
  for (auto reason : {QSystemTrayIcon::Trigger, QSystemTrayIcon::Context,
                      QSystemTrayIcon::MiddleClick, QSystemTrayIcon::Unknown}) {
    event(reason);
  }
  EXPECT_EQ(broughtBack, 0);
  event(QSystemTrayIcon::DoubleClick);
  EXPECT_EQ(broughtBack, 1);
  prefsVisible = true;
  event(QSystemTrayIcon::DoubleClick);
  EXPECT_EQ(broughtBack, 1);
  EXPECT_TRUE(executor.codes.isEmpty());
}

TEST_F(TrayIconTest, TheMenuIsTheWindowsMenuAndRunsCommands) {
  QMenu* menu = tray.systemTrayIcon().contextMenu();
  ASSERT_EQ(menu, tray.menu());
  const QList<QAction*> actions = menu->actions();
  ASSERT_EQ(actions.size(), 12);
  EXPECT_EQ(actions.first()->text(), QString::fromUtf8("属性 &(Q)"));
  actions.first()->trigger();
  actions.last()->trigger();
  EXPECT_EQ(executor.codes, (QList<int>{int(Command::ShowPrefs), int(Command::Quit)}));
}

TEST_F(TrayIconTest, AWindowIsHiddenIntoTheIconOnlyWhenANotificationAreaShowsIt) {
  bool available = false;
  tray.setAvailabilityCheck([&available] { return available; });
  EXPECT_FALSE(tray.canHoldWindow());  // not shown yet
  tray.show();
  EXPECT_FALSE(tray.canHoldWindow());  // no notification area
  available = true;
  EXPECT_TRUE(tray.canHoldWindow());
  tray.hide();
  EXPECT_FALSE(tray.canHoldWindow());
}

TEST(ProgramIcon, PaintedInEverySizeATrayAsksFor) {
  const QIcon icon = ProgramIcon();
  EXPECT_EQ(icon.availableSizes().size(), int(std::size(kProgramIconSizes)));
  for (const int size : kProgramIconSizes) {
    const QImage image = PaintProgramIcon(size);
    ASSERT_EQ(image.size(), QSize(size, size));
    // An opaque tile with transparent corners.
    EXPECT_EQ(qAlpha(image.pixel(size / 2, size / 2)), 255) << size;
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << size;
  }
}

}  // namespace
}  // namespace kd
