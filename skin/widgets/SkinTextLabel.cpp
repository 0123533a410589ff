#include "skin/widgets/SkinTextLabel.h"

#include <QMouseEvent>

#include "skin/SkinFonts.h"

namespace kd {

namespace {
constexpr int kTimeLabel = 1;
}

SkinTextLabel::SkinTextLabel(int index, QWidget* parent) : QLabel(parent), m_index(index) {
  setTextFormat(Qt::PlainText);
  setFocusPolicy(Qt::NoFocus);
  setAutoFillBackground(false);
  // The time reads from the right, as a counter does.
  setAlignment((index == kTimeLabel ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
  hide();
}

void SkinTextLabel::applyDefinition(const SkinLabel& definition) {
  setGeometry(definition.rect);
  setToolTip(definition.tip);
  QPalette colours = palette();
  colours.setColor(QPalette::WindowText, QColor::fromRgb(definition.colour));
  setPalette(colours);
  setFont(LabelFont(definition));
}

void SkinTextLabel::setOpaque(bool on) {
  setAutoFillBackground(on);
  if (on) {
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Button));
    setPalette(colours);
  }
  update();
}

void SkinTextLabel::mousePressEvent(QMouseEvent* event) {
  if (!m_clickable) {
    event->ignore();  // the window drags or opens its menu
    return;
  }
  event->accept();
  if (event->button() == Qt::LeftButton) m_pressed = true;
}

void SkinTextLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (!m_clickable) {
    event->ignore();
    return;
  }
  event->accept();
  if (event->button() != Qt::LeftButton || !m_pressed) return;
  m_pressed = false;
  if (rect().contains(event->position().toPoint())) emit clicked(m_index);
}

}  // namespace kd
