#include "ui/PopupMenu.h"

namespace kd {

const std::array<PopupEntry, 12>& PopupEntries() {
  static const std::array<PopupEntry, 12> kEntries{{
      {"属性 &(Q)", Command::ShowPrefs},
      {"播放 &(P)", Command::Play},
      {"停止 &(S)", Command::Stop},
      {"暂停 &(O)", Command::Pause},
      {"下一首 &(>)", Command::NextEntry},
      {"上一首 &(<)", Command::PreviousEntry},
      {"添加播放文件 &(A)", Command::AddFile},
      {"选择界面文件 &(L)", Command::SelectSkin},
      {"可视化播放列表选择器 &(K)", Command::ShowPlaylistBrowser},
      {"载入 播放列表 &(I)", Command::LoadPlaylist},
      {"清除播放列表 &(C)", Command::ClearPlaylist},
      {"退出 &(E)", Command::Quit},
  }};
  return kEntries;
}

QMenu* CreatePopupMenu(QWidget* parent, CommandExecutor& executor) {
  auto* menu = new QMenu(QString::fromUtf8("弹出菜单"), parent);
  for (const PopupEntry& entry : PopupEntries()) {
    QAction* action = menu->addAction(QString::fromUtf8(entry.caption));
    const Command command = entry.command;
    QObject::connect(action, &QAction::triggered, menu,
                     [&executor, command] { executor.execute(command); });
  }
  return menu;
}

}  // namespace kd
