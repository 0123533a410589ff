#pragma once
// Helpers for the skin tests: a temporary skin folder with generated
// bitmaps, an environment that points the loader at it, and test pictures
// whose pixels tell where they came from.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

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

// A skin folder in a temporary directory with a program folder beside it.
class SkinFolder {
 public:
  SkinFolder();

  QString path() const { return m_dir.path(); }
  QString programFolder() const { return m_dir.path() + QStringLiteral("program/"); }
  // Writes a file below the folder and returns its path.
  QString write(const QString& relative, const QByteArray& bytes) const;
  QString writeBmp(const QString& relative, const QImage& image) const;

  // An environment with SkinPath = this folder, a 1024-pixel screen and an
  // import dialog that records its arguments and answers `dialogAnswer`.
  SkinLoadEnvironment environment();

  // Writes `text` as `name` and loads it.
  SkinDocument load(const QByteArray& text, const QString& name = QStringLiteral("test.skin"));

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
