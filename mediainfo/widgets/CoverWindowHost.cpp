#include "mediainfo/widgets/CoverWindowHost.h"

#include <QGuiApplication>
#include <QScreen>

#include "mediainfo/widgets/CoverWindow.h"

namespace kd {

CoverWindowHost::CoverWindowHost(std::function<QString()> lastCover)
    : m_lastCover(std::move(lastCover)) {}

CoverWindowHost::~CoverWindowHost() {
  delete m_window.data();
}

CoverWindow* CoverWindowHost::ensureWindow() {
  if (!m_window) {
    m_window = new CoverWindow();
    // Closing the window unloads it; hiding it keeps it with its picture.
    m_window->setAttribute(Qt::WA_DeleteOnClose);
    if (!m_picture.isNull()) {
      m_window->setPicture(m_picture);
    } else if (m_lastCover) {
      m_window->loadLastCover(m_lastCover());
    }
    if (m_anchorFrame) {
      const QRect anchor = m_anchorFrame();
      const QScreen* screen = QGuiApplication::screenAt(anchor.center());
      if (!screen) screen = QGuiApplication::primaryScreen();
      if (screen && anchor.isValid()) {
        m_window->move(CoverWindow::placeBeside(anchor, m_window->frameGeometry().size(),
                                                screen->availableGeometry()));
      }
    }
  }
  return m_window;
}

void CoverWindowHost::showCoverPicture(const QImage& picture) {
  m_picture = picture;
  if (m_window) m_window->setPicture(picture);
}

void CoverWindowHost::clearCoverPicture() {
  m_picture = QImage();
  if (m_window) m_window->clearPicture();
}

void CoverWindowHost::showCoverWindow() {
  CoverWindow* window = ensureWindow();
  // The keyboard stays with the main window.
  window->show();
  window->raise();
}

void CoverWindowHost::hideCoverWindow() {
  if (m_window) m_window->hide();
}

bool CoverWindowHost::isCoverWindowVisible() const {
  return m_window && m_window->isVisible();
}

}  // namespace kd
