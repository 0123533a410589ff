#include "ui/TrayIcon.h"

#include <QMenu>

#include "ui/PopupMenu.h"
#include "ui/ProgramIcon.h"

namespace kd {

TrayIcon::TrayIcon(CommandExecutor& commands, Hooks hooks, QObject* parent)
    : QObject(parent),
      m_hooks(std::move(hooks)),
      m_available([] { return QSystemTrayIcon::isSystemTrayAvailable(); }),
      m_menu(CreatePopupMenu(nullptr, commands, m_hooks.entryState)) {
  m_icon.setIcon(ProgramIcon());
  m_icon.setToolTip(toolTip());
  m_icon.setContextMenu(m_menu.get());
  connect(&m_icon, &QSystemTrayIcon::activated, this, &TrayIcon::activated);
}

TrayIcon::~TrayIcon() {
  m_icon.hide();
  m_icon.setContextMenu(nullptr);
}

QString TrayIcon::toolTip() {
  return QString::fromUtf8("Vexo 多媒体播放器 V1.0");
}

void TrayIcon::show() {
  m_icon.show();
}

void TrayIcon::hide() {
  m_menu->close();
  m_icon.hide();
}

bool TrayIcon::canHoldWindow() const {
  return m_icon.isVisible() && m_available();
}

QMenu* TrayIcon::menu() const {
  return m_menu.get();
}

void TrayIcon::activated(QSystemTrayIcon::ActivationReason reason) {
  // A single click, the middle button and the menu's own opening do nothing.
  if (reason != QSystemTrayIcon::DoubleClick) return;
  if (m_hooks.preferencesVisible && m_hooks.preferencesVisible()) return;
  if (m_hooks.bringWindowBack) m_hooks.bringWindowBack();
}

}  // namespace kd
