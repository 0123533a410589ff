#pragma once
// The popup menu of the tray icon, which a right click on the main window's
// background shows as well. Each entry runs a command.

#include <QMenu>
#include <array>
#include <functional>

#include "core/Commands.h"

namespace kd {

struct PopupEntry {
  const char* caption;  // UTF-8, "&" marks the mnemonic
  Command command;
};

// The twelve entries in menu order.
const std::array<PopupEntry, 12>& PopupEntries();

// A menu whose entries run their command.
QMenu* CreatePopupMenu(QWidget* parent, CommandExecutor& executor);

}  // namespace kd
