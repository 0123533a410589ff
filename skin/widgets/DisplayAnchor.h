#pragma once
// The place of one bitmap-font display: an empty, transparent area that
// carries the display's tooltip and takes its own clicks. The cells
// themselves are painted into the window's back buffer.

#include <QWidget>

namespace kd {

class DisplayAnchor : public QWidget {
  Q_OBJECT
 public:
  explicit DisplayAnchor(QWidget* parent);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace kd
