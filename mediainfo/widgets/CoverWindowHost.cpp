#include "mediainfo/widgets/CoverWindowHost.h"

#include "mediainfo/widgets/CoverWindow.h"

namespace kd {

CoverWindowHost::CoverWindowHost(std::function<QString()> lastCover)
    : m_lastCover(std::move(lastCover)) {}

CoverWindowHost::~CoverWindowHost() {
  delete m_window.data();
}

CoverWindow* CoverWindowHost::ensureWindow(bool showLastCover) {
  if (!m_window) {
    m_window = new CoverWindow();
    // Closing the window unloads it; hiding it keeps it with its picture.
    m_window->setAttribute(Qt::WA_DeleteOnClose);
    if (showLastCover && m_lastCover) m_window->loadLastCover(m_lastCover());
  }
  return m_window;
}

void CoverWindowHost::showCoverPicture(const QImage& picture) {
  ensureWindow(false)->setPicture(picture);
}

void CoverWindowHost::clearCoverPicture() {
  if (m_window) m_window->clearPicture();
}

void CoverWindowHost::showCoverWindow() {
  CoverWindow* window = ensureWindow(true);
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
