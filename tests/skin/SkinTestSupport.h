#pragma once
// Helpers for the skin tests: a temporary skin folder with generated
// bitmaps, an environment that points the loader at it, and test pictures
// whose pixels tell where they came from.

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>
#include <string>
#include <type_traits>

#include "skin/SkinDocument.h"
#include "skin/SkinEnvironment.h"
#include "support/TempDir.h"

namespace kd::test {

// The text of a skin file from tests/skin/data.
QByteArray SkinData(const QString& name);

// A picture whose pixel (x, y) is PatternPixel(x, y).
QImage PatternImage(int width, int height);
QRgb PatternPixel(int x, int y);
QImage FilledImage(int width, int height, QRgb colour);

// The indexes a pool of skin elements defines, as "1 3 4".
template <typename Pool>
std::string Defined(const Pool& pool) {
  std::string indexes;
  for (size_t n = 0; n < pool.size(); ++n) {
    if (pool[n].has_value()) indexes += (indexes.empty() ? "" : " ") + std::to_string(n);
  }
  return indexes;
}

// Values joined by blanks, so that several fields are checked by one comparison:
// rectangles as "x,y wxh", points as "x,y", sizes as "wxh".
template <typename T>
std::string Text(const T& v) {
  if constexpr (std::is_same_v<T, QRect>)
    return Text(v.topLeft()) + " " + Text(v.size());
  else if constexpr (std::is_same_v<T, QPoint>)
    return Text(v.x()) + "," + Text(v.y());
  else if constexpr (std::is_same_v<T, QSize>)
    return Text(v.width()) + "x" + Text(v.height());
  else if constexpr (std::is_same_v<T, std::string>)
    return v;
  else if constexpr (std::is_convertible_v<T, QString>)
    return QString(v).toStdString();
  else
    return std::to_string(v);
}
template <typename... Values>
std::string Line(const Values&... values) {
  std::string line;
  ((line += (line.empty() ? "" : " ") + Text(values)), ...);
  return line;
}
// A colour as "#rrggbb".
inline QString Colour(QRgb c) {
  return QColor(c).name();
}

// A skin folder in a temporary directory with a program folder beside it.
class SkinFolder {
 public:
  SkinFolder() { m_dir.mkdir(QStringLiteral("program")); }

  QString path() const { return m_dir.path(); }
  QString programFolder() const { return m_dir.path() + QStringLiteral("program/"); }
  // Writes a file below the folder and returns its path.
  QString write(const QString& relative, const QByteArray& bytes) const {
    return m_dir.write(relative, bytes);
  }
  void writeBmp(const QString& relative, const QImage& image) const;

  // An environment with SkinPath = this folder, a 1024-pixel screen and an
  // import dialog that records its arguments and answers `dialogAnswer`.
  SkinLoadEnvironment environment();

  // Writes `text` as `name` and loads it, with `env` or this folder's environment.
  SkinDocument load(const QByteArray& text, const QString& name = QStringLiteral("test.skin"));
  SkinDocument load(const QByteArray& text, const SkinLoadEnvironment& env);

  QString dialogAnswer;
  QStringList dialogCalls;  // "filter|default name|folder" per call

 private:
  TempDir m_dir;
};

// A skin text: the header, the sizes 200x100, the two bitmap names and a
// window record, followed by `records`.
QByteArray SkinWith(const QByteArray& records, const QByteArray& mainName = "main.bmp",
                    const QByteArray& resourceName = "res.bmp");

}  // namespace kd::test
