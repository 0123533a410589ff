#pragma once
// One skin button: a transparent, text-less hot zone over the window bitmap,
// which already shows the button's normal look. It draws nothing but an
// optional one-pixel border (the hover style or the debugging key "~") and,
// for the debugging key "`", an opaque fill that shows the hot area.

#include <QWidget>

namespace kd {

class ButtonZone : public QWidget {
  Q_OBJECT
 public:
  ButtonZone(int index, QWidget* parent);

  int index() const { return m_index; }

  void setBorder(bool on);
  bool hasBorder() const { return m_border; }
  void setOpaque(bool on);
  bool isOpaque() const { return m_opaque; }
  // Runs the button as a click does (the press action of assistive tools).
  void activate() { emit released(m_index); }

 signals:
  void pressed(int index);
  // The release of a mouse button pressed over this button, wherever the
  // pointer was released.
  void released(int index);
  // The pointer moved over the button.
  void hovered(int index);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  int m_index;
  bool m_border = false;
  bool m_opaque = false;
  // Mouse buttons pressed over this button and not yet released.
  Qt::MouseButtons m_pressedButtons;
};

}  // namespace kd
