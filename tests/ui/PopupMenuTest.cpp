#include <gtest/gtest.h>

#include <QMenu>
#include <memory>

#include "support/RecordingExecutor.h"
#include "ui/PopupMenu.h"

using namespace kd;

namespace {

using test::RecordingExecutor;

}  // namespace

TEST(PopupMenu, EachEntryRunsOneCommandThroughTheExecutor) {
  RecordingExecutor executor;
  std::unique_ptr<QMenu> menu(CreatePopupMenu(nullptr, executor));
  const QList<QAction*> actions = menu->actions();
  ASSERT_EQ(actions.size(), 13);
  for (QAction* action : actions) {
    executor.codes.clear();
    action->trigger();
    ASSERT_EQ(executor.codes.size(), 1) << action->text().toStdString();
    ASSERT_NE(FindCommand(executor.codes.first()), nullptr);
  }
  // The last entry ends the program, the second plays.
  EXPECT_EQ(actions.last()->text(), QString::fromUtf8("退出 &(E)"));
  EXPECT_EQ(executor.codes, QList<int>{static_cast<int>(Command::Quit)});
  executor.codes.clear();
  actions.at(1)->trigger();
  EXPECT_EQ(executor.codes, QList<int>{static_cast<int>(Command::Play)});
}

TEST(PopupMenu, TheDoubleSizeEntryIsTickedWhenTheProgramSaysItIsOn) {
  RecordingExecutor executor;
  bool on = false;
  std::unique_ptr<QMenu> menu(CreatePopupMenu(nullptr, executor, [&on](Command command) {
    return command == Command::ToggleDoubleSize && on;
  }));
  QAction* entry = nullptr;
  for (QAction* action : menu->actions()) {
    if (action->text() == QString::fromUtf8("双倍大小 &(2)")) entry = action;
  }
  ASSERT_NE(entry, nullptr);
  EXPECT_TRUE(entry->isCheckable());
  emit menu->aboutToShow();
  EXPECT_FALSE(entry->isChecked());
  on = true;
  entry->trigger();
  EXPECT_EQ(executor.codes, QList<int>{static_cast<int>(Command::ToggleDoubleSize)});
  EXPECT_TRUE(entry->isChecked());
  on = false;
  emit menu->aboutToShow();
  EXPECT_FALSE(entry->isChecked());
}
