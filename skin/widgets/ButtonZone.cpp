#include "skin/widgets/ButtonZone.h"

#include <QMouseEvent>
#include <QPainter>

namespace kd {

ButtonZone::ButtonZone(int index, QWidget* parent) : QWidget(parent), m_index(index) {
  setMouseTracking(true);
  setFocusPolicy(Qt::NoFocus);
  hide();
}

void ButtonZone::setBorder(bool on) {
  if (on == m_border) return;
  m_border = on;
  update();
}

void ButtonZone::setOpaque(bool on) {
  if (on == m_opaque) return;
  m_opaque = on;
  update();
}

void ButtonZone::paintEvent(QPaintEvent*) {
  if (!m_opaque && !m_border) return;
  QPainter painter(this);
  if (m_opaque) painter.fillRect(rect(), palette().color(QPalette::Button));
  if (m_border) {
    // White under black dots: the frame shows on dark and light bitmaps alike.
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(frame);
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.drawRect(frame);
  }
}

void ButtonZone::mousePressEvent(QMouseEvent* event) {
  // Every mouse button presses a skin button; the right button is no menu here.
  m_pressedButtons |= event->button();
  event->accept();
  emit pressed(m_index);
}

void ButtonZone::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  if (!(m_pressedButtons & event->button())) return;
  m_pressedButtons &= ~event->button();
  emit released(m_index);
}

void ButtonZone::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
  if (rect().contains(event->position().toPoint())) emit hovered(m_index);
}

}  // namespace kd
