#include "ui/PopupMenu.h"

namespace kd {

const std::array<PopupEntry, 13>& PopupEntries() {
  static const std::array<PopupEntry, 13> kEntries{{
      {"属性 &(Q)", Command::ShowPrefs},
      {"播放 &(P)", Command::Play},
      {"停止 &(S)", Command::Stop},
      {"暂停 &(O)", Command::Pause},
      {"下一首 &(>)", Command::NextEntry},
      {"上一首 &(<)", Command::PreviousEntry},
      {"添加播放文件 &(A)", Command::AddFile},
      {"选择界面文件 &(L)", Command::SelectSkin},
      {"双倍大小 &(2)", Command::ToggleDoubleSize, true},
      {"可视化播放列表选择器 &(K)", Command::ShowPlaylistBrowser},
      {"载入 播放列表 &(I)", Command::LoadPlaylist},
      {"清除播放列表 &(C)", Command::ClearPlaylist},
      {"退出 &(E)", Command::Quit},
  }};
  return kEntries;
}

QMenu* CreatePopupMenu(QWidget* parent, CommandExecutor& executor, PopupEntryState state) {
  auto* menu = new QMenu(QString::fromUtf8("弹出菜单"), parent);
  for (const PopupEntry& entry : PopupEntries()) {
    QAction* action = menu->addAction(QString::fromUtf8(entry.caption));
    const Command command = entry.command;
    action->setCheckable(entry.checkable);
    // The tick follows the program's state, not the click: the command decides.
    QObject::connect(action, &QAction::triggered, menu, [&executor, command, action, state] {
      executor.execute(command);
      if (action->isCheckable()) action->setChecked(state && state(command));
    });
    if (!entry.checkable) continue;
    QObject::connect(menu, &QMenu::aboutToShow, action,
                     [action, command, state] { action->setChecked(state && state(command)); });
  }
  return menu;
}

}  // namespace kd
