#pragma once
// The resource bitmap: display fonts, slider knobs and the lit image of every
// button, packed in rows. Building it records where each piece went in the
// layout (font sources, knob sources, pressed-image positions).

#include <QImage>

#include "SkinLayout.h"

namespace kd::skingen {

class FacePainter;

// Packs rectangles left to right in rows of a fixed width. Nothing is placed
// in column 0: a button whose pressed image starts there would be read as
// "pressed image at the button's own place".
class ShelfPacker {
 public:
  ShelfPacker(int width, int gap);
  QPoint place(QSize size);
  int height() const;

 private:
  int m_width;
  int m_gap;
  int m_x;
  int m_y;
  int m_rowHeight = 0;
};

// Builds the resource bitmap and fills in the source positions of `layout`.
QImage BuildResourceSheet(SkinLayout& layout, const FacePainter& face);

}  // namespace kd::skingen
