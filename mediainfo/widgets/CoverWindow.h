#pragma once
// The cover window: a resizable window with one picture area that stays
// square and centred whatever the window's shape.

#include <QImage>
#include <QWidget>

namespace kd {

class CoverPicture;

class CoverWindow : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kInitialSide = 320;

  explicit CoverWindow(QWidget* parent = nullptr);

  // Shows the picture at `lastCover` when the bounded picture loader loads
  // it; otherwise the picture area stays as it is.
  void loadLastCover(const QString& lastCover);
  void setPicture(const QImage& picture);
  void clearPicture();
  const QImage& picture() const;
  // The picture area, in the window's coordinates.
  QRect coverGeometry() const;

  // The square, centred place of the picture area in an inner area of `inner`.
  static QRect coverRect(QSize inner);
  // Where a window of frame size `frame` opens beside the window `anchor`:
  // to its right, else to its left, top edges level, kept inside `available`.
  static QPoint placeBeside(QRect anchor, QSize frame, QRect available);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  CoverPicture* m_cover;
};

}  // namespace kd
