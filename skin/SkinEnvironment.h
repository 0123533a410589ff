#pragma once
// What a skin load needs from the running program: settings, the screen, the
// program folders, the current pictures, and a dialog. Files are found and
// pictures loaded through replaceable functions so the loader runs without a
// file system in tests and fuzzing.

#include <QImage>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

#include "util/TextCodec.h"

namespace kd {

// Bounds that keep a hostile skin file from costing unbounded time or memory.
struct SkinLimits {
  // Largest width and height of an import canvas ("W" records).
  int maxCanvasSide = 8192;
  // Pixels that canvas sizing, canvas copies, picture loads, knob cuts and
  // colour-key scans may touch in one load; later such records are skipped.
  int64_t pixelBudget = int64_t{1} << 30;
  // Largest cost (rows x edges) of rasterising the outline.
  int64_t outlineBudget = int64_t{1} << 24;
  // Bytes read of a skin file; the rest of a larger file is not read.
  qint64 maxFileBytes = qint64{64} << 20;
};

struct SkinLoadEnvironment {
  int screenWidth = 0;                     // pixels; completes names ending in "*"
  QString skinPath;                        // the SkinPath setting
  QString skinImport;                      // the SkinImport setting
  QString lastSkinFolder;                  // folder of the skin loaded last, "" before the first
  QStringList programFolders;              // each with a trailing "/", best first
  bool importFlag = false;                 // true: reuse SkinImport instead of asking
  QByteArray codepage = kDefaultCodepage;  // of skin files that are not UTF-8

  // The open-file dialog of import skins: (filter in the "description|pattern"
  // form of the skin file, default file name,
  // initial folder) -> the chosen path, or "" when cancelled.
  std::function<QString(const QString&, const QString&, const QString&)> askImportFile;
  // The path of an existing file matching `path` (name compared without
  // regard to case), or "". Defaults to FindFileIgnoringCase.
  std::function<QString(const QString&)> findFile;
  // Reads a picture; a null image when it cannot be read. Defaults to QImageReader.
  std::function<QImage(const QString&)> loadImage;
  // Reads up to `maxBytes` of a file; defaults to QFile.
  std::function<QByteArray(const QString&, qint64)> readFile;

  // What the window shows now: the colour key of a skin whose main bitmap is
  // missing works on it, and knobs are cut from the current resource bitmap.
  QImage currentMainBitmap;
  QImage currentResourceBitmap;

  SkinLimits limits;

  // An environment with the program folders of util/AppPaths and the real
  // file system; settings, screen and dialog are left for the caller.
  static SkinLoadEnvironment forProgram();
};

}  // namespace kd
