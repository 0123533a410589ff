#pragma once
// The picture area of the cover window: draws one picture scaled smoothly to
// fit, centred, with its aspect ratio kept. The scaled copy is kept for the
// current size, so repaints only copy pixels.

#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace kd {

class CoverPicture : public QWidget {
  Q_OBJECT
 public:
  explicit CoverPicture(QWidget* parent = nullptr);

  void setPicture(const QImage& picture);
  void clearPicture();
  const QImage& picture() const { return m_picture; }
  bool hasPicture() const { return !m_picture.isNull(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const QPixmap& scaledPicture();

  QImage m_picture;
  QPixmap m_scaled;
  QSize m_scaledFor;  // the device-pixel size m_scaled was made for
};

}  // namespace kd
