#pragma once
// The player's icon in the notification area, from start-up to shut-down:
// the tip "Vexo 多媒体播放器 V1.0", a double-click that brings the main
// window back, and the popup menu of the main window on the right button.
// Where the desktop has no notification area, a window hidden "into the
// tray" could not come back; canHoldWindow() tells the caller to minimise it
// instead. A notification area that appears later (a panel restarted)
// receives the icon.

#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>
#include <functional>
#include <memory>

#include "core/Commands.h"

class QMenu;

namespace kd {

class TrayIcon : public QObject {
  Q_OBJECT
 public:
  struct Hooks {
    // Whether the preferences dialog is on screen (the double-click then
    // does nothing).
    std::function<bool()> preferencesVisible;
    // Shows the main window, brings it to the front in its on-top state.
    std::function<void()> bringWindowBack;
    // Whether an on/off entry of the menu is on (the menu's ticks).
    std::function<bool(Command)> entryState;
  };

  TrayIcon(CommandExecutor& commands, Hooks hooks, QObject* parent = nullptr);
  ~TrayIcon() override;

  static QString toolTip();

  // Puts the icon into the notification area, or takes it out.
  void show();
  void hide();
  // Whether a window hidden now can be brought back through the icon.
  bool canHoldWindow() const;
  // Where the notification area is looked for; by default the desktop's.
  void setAvailabilityCheck(std::function<bool()> available) { m_available = std::move(available); }

  QSystemTrayIcon& systemTrayIcon() { return m_icon; }
  QMenu* menu() const;

 private:
  void activated(QSystemTrayIcon::ActivationReason reason);

  Hooks m_hooks;
  std::function<bool()> m_available;
  std::unique_ptr<QMenu> m_menu;
  QSystemTrayIcon m_icon;
};

}  // namespace kd
