#pragma once
// The skin's cover image: one picture stretched smoothly over the image's
// rectangle. A double-click on it is reported (the app lets the user pick a
// picture). The scaled copy is kept for the current size.

#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace kd {

class CoverImage : public QWidget {
  Q_OBJECT
 public:
  explicit CoverImage(QWidget* parent);

  void setPicture(const QImage& picture);
  void clearPicture();
  const QImage& picture() const { return m_picture; }

 signals:
  void doubleClicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  QImage m_picture;
  QPixmap m_scaled;
  QSize m_scaledFor;
};

}  // namespace kd
