#include "skin/widgets/DisplayAnchor.h"

#include <QMouseEvent>

namespace kd {

DisplayAnchor::DisplayAnchor(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::NoFocus);
  hide();
}

void DisplayAnchor::mousePressEvent(QMouseEvent* event) {
  event->accept();
}

void DisplayAnchor::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
}

}  // namespace kd
