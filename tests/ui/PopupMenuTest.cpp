#include <gtest/gtest.h>

#include <QMenu>
#include <memory>

#include "ui/PopupMenu.h"

using namespace kd;

TEST(PopupMenu, TwelveEntriesSendTheirCodesInOrder) {
  QList<int> sent;
  std::unique_ptr<QMenu> menu(CreatePopupMenu(nullptr, [&](int code) { sent << code; }));
  const QList<QAction*> actions = menu->actions();
  ASSERT_EQ(actions.size(), 12);
  EXPECT_EQ(actions.first()->text(), QString::fromUtf8("属性 &(Q)"));
  EXPECT_EQ(actions.last()->text(), QString::fromUtf8("退出 &(E)"));
  for (QAction* action : actions) action->trigger();
  EXPECT_EQ(sent, (QList<int>{5, 12, 10, 11, 15, 14, 23, 6, 35, 21, 20, 1}));
}
