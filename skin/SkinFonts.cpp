#include "skin/SkinFonts.h"

#include <QFontDatabase>
#include <QHash>

namespace kd {

namespace {

// Asking the font database about a family costs about a millisecond (the
// system's substitution rules run each time), and a skin names the same
// family for all its labels. The database does not see fonts installed
// after it was first filled, so a remembered answer stays true.
bool FontInstalled(const QString& family) {
  static QHash<QString, bool> known;
  const auto found = known.constFind(family);
  if (found != known.constEnd()) return *found;
  return *known.insert(family, QFontDatabase::hasFamily(family));
}

}  // namespace

QFont LabelFont(const SkinLabel& label) {
  QFont font;
  font.setFamily(!label.face.isEmpty() && FontInstalled(label.face) ? label.face
                                                                    : QStringLiteral("Arial"));
  if (label.pointSize > 0) font.setPointSize(label.pointSize);
  font.setBold(label.bold);
  font.setItalic(label.italic);
  font.setUnderline(label.underline);
  return font;
}

QFont PlaylistBoxFont(const SkinPlaylistBox& box, const QFont& current) {
  QFont font = current;
  if (!box.face.isEmpty() && FontInstalled(box.face)) font.setFamily(box.face);
  if (box.pointSize > 0) font.setPointSize(box.pointSize);
  font.setBold(false);
  return font;
}

}  // namespace kd
