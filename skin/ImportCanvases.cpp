#include "skin/ImportCanvases.h"

#include <algorithm>

#include "skin/BlockCopy.h"

namespace kd {

ImportCanvases::ImportCanvases(PixelBudget& budget, int maxSide, QRgb fill)
    : m_budget(budget), m_maxSide(std::max(0, maxSide)), m_fill(fill | 0xFF000000u) {}

bool ImportCanvases::load(int n, const QImage& picture) {
  if (n < 0 || n >= kCount) return false;
  if (!m_budget.spend(int64_t(picture.width()) * picture.height())) return false;
  m_canvas[n] = picture.format() == QImage::Format_RGB32
                    ? picture
                    : picture.convertToFormat(QImage::Format_RGB32);
  return true;
}

void ImportCanvases::resize(int n, int w, int h) {
  if (n < 0 || n >= kCount) return;
  w = std::clamp(w, 0, m_maxSide);
  h = std::clamp(h, 0, m_maxSide);
  QImage& canvas = m_canvas[n];
  if (canvas.width() == w && canvas.height() == h) return;
  if (w == 0 || h == 0) {
    canvas = QImage();
    return;
  }
  if (!m_budget.spend(int64_t(w) * h)) return;
  QImage resized(w, h, QImage::Format_RGB32);
  if (resized.isNull()) return;  // out of memory: the canvas stays as it was
  resized.fill(m_fill);
  CopyBlock(canvas, canvas.rect(), resized, QPoint(0, 0));
  canvas = resized;
}

void ImportCanvases::copyFromSource(int n, const QRect& source, QPoint target) {
  if (n < 0 || n >= kCount) return;
  const QImage& from = m_canvas[2];
  QImage& to = m_canvas[n];
  if (from.isNull() || to.isNull() || source.isEmpty()) return;
  // At most what fits in both canvases is copied; that is what is charged.
  const int64_t w = std::min({source.width(), from.width(), to.width()});
  const int64_t h = std::min({source.height(), from.height(), to.height()});
  if (!m_budget.spend(w * h)) return;
  if (n == 2) {
    const QImage copy = from.copy();  // a canvas copied onto itself reads the old pixels
    CopyBlock(copy, source, to, target);
  } else {
    CopyBlock(from, source, to, target);
  }
}

}  // namespace kd
