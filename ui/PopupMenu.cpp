#include "ui/PopupMenu.h"

namespace kd {

const std::array<PopupEntry, 12>& PopupEntries() {
  static const std::array<PopupEntry, 12> kEntries{{
      {"属性 &(Q)", 5},
      {"播放 &(P)", 12},
      {"停止 &(S)", 10},
      {"暂停 &(O)", 11},
      {"下一首 &(>)", 15},
      {"上一首 &(<)", 14},
      {"添加播放文件 &(A)", 23},
      {"选择界面文件 &(L)", 6},
      {"可视化播放列表选择器 &(K)", 35},
      {"载入 播放列表 &(I)", 21},
      {"清除播放列表 &(C)", 20},
      {"退出 &(E)", 1},
  }};
  return kEntries;
}

QMenu* CreatePopupMenu(QWidget* parent, std::function<void(int)> run) {
  auto* menu = new QMenu(QString::fromUtf8("弹出菜单"), parent);
  for (const PopupEntry& entry : PopupEntries()) {
    QAction* action = menu->addAction(QString::fromUtf8(entry.caption));
    const int code = entry.code;
    QObject::connect(action, &QAction::triggered, menu, [run, code] { run(code); });
  }
  return menu;
}

}  // namespace kd
