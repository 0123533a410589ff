#pragma once
// The popup menu of the tray icon, which a right click on the main window's
// background shows as well. Each entry sends a command code.

#include <QMenu>
#include <array>
#include <functional>

namespace kd {

struct PopupEntry {
  const char* caption;  // UTF-8, "&" marks the mnemonic
  int code;
};

// The twelve entries in menu order.
const std::array<PopupEntry, 12>& PopupEntries();

// A menu whose entries call `run` with their command code.
QMenu* CreatePopupMenu(QWidget* parent, std::function<void(int)> run);

}  // namespace kd
