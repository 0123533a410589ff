#pragma once
// One skin text label: plain text (never taken for markup) in the skin's
// colour and font over a transparent background. A clickable label takes its
// own left clicks, so pressing it does not drag the window; every other press
// over a label passes to the window below it (drag, popup menu).

#include <QLabel>

#include "skin/SkinDocument.h"

namespace kd {

class SkinTextLabel : public QLabel {
  Q_OBJECT
 public:
  SkinTextLabel(int index, QWidget* parent);

  int index() const { return m_index; }
  // Whether left clicks are the label's own (reported by clicked()); off by default.
  void setClickable(bool on) { m_clickable = on; }
  // Place, colour, font and tooltip of the skin's label record.
  void applyDefinition(const SkinLabel& definition);
  // The debugging keys: an opaque background shows the label's area.
  void setOpaque(bool on);
  bool isOpaque() const { return autoFillBackground(); }

 signals:
  // A left click: pressed and released over the label.
  void clicked(int index);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  int m_index;
  bool m_clickable = false;
  bool m_pressed = false;
};

}  // namespace kd
