#pragma once
// Loads a skin: finds the file, checks its header, reads the skin
// information and sizes, finds the bitmaps (or, for an import skin, settles
// the import folder), and parses the records into a SkinDocument. Nothing
// here touches a window; the skinned window applies the document.

#include <QByteArray>
#include <QString>

#include "skin/SkinDocument.h"
#include "skin/SkinEnvironment.h"

namespace kd {

class SkinLoader {
 public:
  explicit SkinLoader(SkinLoadEnvironment env);

  // Loads the skin `name`: a file name looked up in the skin folder, or an
  // absolute path; a name ending in "*" gets the screen width and ".skin" in
  // place of the "*". When the file is missing it is looked for by its file
  // name in the program folders.
  SkinDocument loadSkin(const QString& name) const;

  // Everything after finding the file: `bytes` are its contents, `fullPath`
  // its path (bitmap names are relative to its folder).
  SkinDocument loadSkinText(const QByteArray& bytes, const QString& fullPath) const;

  // The folder plain names are looked up in: SkinPath, else the folder of the
  // skin loaded last, else the program folder; with a trailing "/".
  QString skinFolder() const;
  // `name` with a trailing "*" completed by the screen width.
  QString completeName(const QString& name) const;
  // The existing skin file for `name` (see loadSkin), or "" when none.
  QString findSkinFile(const QString& completedName) const;

 private:
  SkinLoadEnvironment m_env;
};

}  // namespace kd
