#pragma once
// Finds and reads the files one skin load refers to, through the
// environment's functions, remembering each answer for the rest of the load:
// a skin that names the same picture a thousand times costs one look-up.
// Relative paths are never looked up, so nothing depends on the working
// directory of the program.

#include <QHash>
#include <QImage>
#include <QString>

#include "skin/PixelBudget.h"
#include "skin/SkinEnvironment.h"

namespace kd {

// The existing file for `path` through the environment's findFile (name
// compared without regard to case), or "". Relative paths give "".
QString LookUpSkinFile(const SkinLoadEnvironment& env, const QString& path);

class SkinFiles {
 public:
  SkinFiles(const SkinLoadEnvironment& env, PixelBudget& budget);

  // LookUpSkinFile, remembered for the rest of the load.
  QString find(const QString& path);
  // The picture of an existing file in Format_RGB32; null when it cannot be
  // read or the load's pixel budget is spent.
  QImage load(const QString& path);

 private:
  const SkinLoadEnvironment& m_env;
  PixelBudget& m_budget;
  QHash<QString, QString> m_found;
  QHash<QString, QImage> m_pictures;
};

}  // namespace kd
