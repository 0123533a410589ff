#include "skin/widgets/SkinKnob.h"

#include <QMouseEvent>
#include <QPainter>

namespace kd {

SkinKnob::SkinKnob(int index, QWidget* parent) : QWidget(parent), m_index(index) {
  setFocusPolicy(Qt::NoFocus);
  hide();
}

void SkinKnob::setPicture(const QImage& picture) {
  m_picture = picture;
  update();
}

void SkinKnob::paintEvent(QPaintEvent*) {
  if (m_picture.isNull()) return;
  // The picture keeps its size; a knob made narrower (the volume bar) shows
  // its left part, one made wider shows the window behind the rest.
  QPainter painter(this);
  painter.drawImage(0, 0, m_picture);
}

QPointF SkinKnob::windowPos(const QMouseEvent* event) const {
  return event->position() + QPointF(pos());
}

void SkinKnob::mousePressEvent(QMouseEvent* event) {
  event->accept();
  emit pressed(m_index, windowPos(event));
}

void SkinKnob::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
  if (event->buttons() != Qt::NoButton) emit moved(m_index, windowPos(event));
}

void SkinKnob::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  emit released(m_index);
}

void SkinKnob::mouseDoubleClickEvent(QMouseEvent* event) {
  // The second press of a double-click starts no drag.
  event->accept();
  emit doubleClicked(m_index);
}

}  // namespace kd
