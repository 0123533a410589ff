#pragma once
// One slider knob: the knob picture cut from the resource bitmap at load. It
// reports presses, movements, releases and double-clicks with the pointer's
// position in the window's coordinates; the window turns them into values.

#include <QImage>
#include <QPointF>
#include <QWidget>

namespace kd {

class SkinKnob : public QWidget {
  Q_OBJECT
 public:
  SkinKnob(int index, QWidget* parent);

  int index() const { return m_index; }
  void setPicture(const QImage& picture);
  const QImage& picture() const { return m_picture; }

 signals:
  void pressed(int index, QPointF windowPos);
  void moved(int index, QPointF windowPos);
  void released(int index);
  void doubleClicked(int index);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  QPointF windowPos(const QMouseEvent* event) const;

  int m_index;
  QImage m_picture;
};

}  // namespace kd
