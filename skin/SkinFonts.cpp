#include "skin/SkinFonts.h"

#include <QFontDatabase>

namespace kd {

QFont LabelFont(const SkinLabel& label) {
  QFont font;
  font.setFamily(!label.face.isEmpty() && QFontDatabase::hasFamily(label.face)
                     ? label.face
                     : QStringLiteral("Arial"));
  if (label.pointSize > 0) font.setPointSize(label.pointSize);
  font.setBold(label.bold);
  font.setItalic(label.italic);
  font.setUnderline(label.underline);
  return font;
}

QFont PlaylistBoxFont(const SkinPlaylistBox& box, const QFont& current) {
  QFont font = current;
  if (!box.face.isEmpty() && QFontDatabase::hasFamily(box.face)) font.setFamily(box.face);
  if (box.pointSize > 0) font.setPointSize(box.pointSize);
  font.setBold(false);
  return font;
}

}  // namespace kd
