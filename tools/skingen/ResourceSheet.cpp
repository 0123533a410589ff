#include "ResourceSheet.h"

#include <QPainter>
#include <algorithm>

#include "FacePainter.h"
#include "GlyphSheet.h"
#include "Palette.h"

namespace kd::skingen {

namespace {
constexpr int kSheetWidth = 320;
constexpr int kGap = 2;
}  // namespace

ShelfPacker::ShelfPacker(int width, int gap) : m_width(width), m_gap(gap), m_x(gap), m_y(gap) {}

QPoint ShelfPacker::place(QSize size) {
  if (m_x + size.width() + m_gap > m_width && m_x > m_gap) {
    m_x = m_gap;
    m_y += m_rowHeight + m_gap;
    m_rowHeight = 0;
  }
  const QPoint at(m_x, m_y);
  m_x += size.width() + m_gap;
  m_rowHeight = std::max(m_rowHeight, size.height());
  return at;
}

int ShelfPacker::height() const {
  return m_y + m_rowHeight + m_gap;
}

QImage BuildResourceSheet(SkinLayout& layout, const FacePainter& face) {
  ShelfPacker packer(kSheetWidth, kGap);
  struct Piece {
    QImage image;
    QPoint at;
  };
  QVector<Piece> pieces;

  for (GlyphFont& f : layout.fonts) {
    const QImage sheet = RenderGlyphFont(f);
    f.source = packer.place(sheet.size());
    pieces += Piece{sheet, f.source};
  }
  for (SliderSpec& s : layout.sliders) {
    const QImage knob = face.knob(s);
    s.source = packer.place(knob.size());
    pieces += Piece{knob, s.source};
  }
  // Taller images first keeps the rows tight.
  QVector<ButtonSpec*> order;
  for (ButtonSpec& b : layout.buttons) order += &b;
  std::stable_sort(order.begin(), order.end(), [](const ButtonSpec* a, const ButtonSpec* b) {
    return a->rect.height() > b->rect.height();
  });
  const QImage lit = face.face(true);
  for (ButtonSpec* b : order) {
    b->pressed = packer.place(b->rect.size());
    pieces += Piece{lit.copy(b->rect), b->pressed};
  }

  QImage sheet(kSheetWidth, packer.height(), QImage::Format_RGB32);
  sheet.fill(palette::kOutside);
  QPainter p(&sheet);
  for (const Piece& piece : pieces) p.drawImage(piece.at, piece.image);
  return sheet;
}

}  // namespace kd::skingen
