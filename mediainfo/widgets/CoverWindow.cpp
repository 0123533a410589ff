#include "mediainfo/widgets/CoverWindow.h"

#include <QResizeEvent>
#include <algorithm>

#include "mediainfo/PictureLoader.h"
#include "mediainfo/widgets/CoverPicture.h"
#include "util/Numbers.h"

namespace kd {

CoverWindow::CoverWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowDoesNotAcceptFocus) {
  setWindowTitle(QStringLiteral("Vexo 播放器 视屏播放窗口"));
  // A picture to look at: showing it leaves the keyboard where it was.
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFocusPolicy(Qt::NoFocus);
  m_cover = new CoverPicture(this);
  resize(kInitialSide, kInitialSide);
  m_cover->setGeometry(coverRect(size()));
}

void CoverWindow::loadLastCover(const QString& lastCover) {
  const QImage picture = LoadPicture(lastCover);
  if (!picture.isNull()) setPicture(picture);
}

void CoverWindow::setPicture(const QImage& picture) {
  m_cover->setPicture(picture);
}

void CoverWindow::clearPicture() {
  m_cover->clearPicture();
}

const QImage& CoverWindow::picture() const {
  return m_cover->picture();
}

QRect CoverWindow::coverGeometry() const {
  return m_cover->geometry();
}

QRect CoverWindow::coverRect(QSize inner) {
  const int width = std::max(inner.width(), 0);
  const int height = std::max(inner.height(), 0);
  const int side = std::min(width, height);
  const int left = static_cast<int>(RoundHalfEven((width - side) / 2.0));
  const int top = static_cast<int>(RoundHalfEven((height - side) / 2.0));
  return QRect(left, top, side, side);
}

QPoint CoverWindow::placeBeside(QRect anchor, QSize frame, QRect available) {
  int left = anchor.right() + 1;
  if (left + frame.width() > available.right() + 1 &&
      anchor.left() - frame.width() >= available.left()) {
    left = anchor.left() - frame.width();
  }
  // Kept on the screen; a window larger than the screen keeps its top left there.
  left = std::max(std::min(left, available.right() + 1 - frame.width()), available.left());
  const int top =
      std::max(std::min(anchor.top(), available.bottom() + 1 - frame.height()), available.top());
  return QPoint(left, top);
}

void CoverWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  m_cover->setGeometry(coverRect(event->size()));
}

}  // namespace kd
