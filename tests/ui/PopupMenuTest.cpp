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
  ASSERT_EQ(actions.size(), 12);
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
