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
  bool checkable = false;  // an on/off entry showing a tick
};

// Whether the on/off entry of a command is on now.
using PopupEntryState = std::function<bool(Command)>;

// The entries in menu order.
const std::array<PopupEntry, 13>& PopupEntries();

// A menu whose entries run their command. The ticks of on/off entries are
// asked from `state` each time the menu opens (without one they stay off).
QMenu* CreatePopupMenu(QWidget* parent, CommandExecutor& executor, PopupEntryState state = {});

}  // namespace kd
