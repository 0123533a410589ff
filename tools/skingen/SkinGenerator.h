#pragma once
// Writes the default skin (skin file, window and resource bitmaps) and the
// "no cover" picture into a folder.

#include <QImage>
#include <QString>

#include "SkinLayout.h"

namespace kd::skingen {

inline const QString kSkinFile = QStringLiteral("default.skin");
inline const QString kMainBitmap = QStringLiteral("default-main.bmp");
inline const QString kResourceBitmap = QStringLiteral("default-res.bmp");
inline const QString kNoCover = QStringLiteral("nocover.bmp");
inline constexpr int kNoCoverSize = 300;

struct GeneratedSkin {
  SkinLayout layout;
  QImage main;
  QImage resource;
  QImage noCover;
  QByteArray skinFile;
};

// Paints and lays out everything; `error` tells what went wrong on failure.
bool GenerateSkin(GeneratedSkin* out, QString* error);

// Writes the files into `folder` (created when missing). Each file is
// replaced whole or not at all.
bool WriteSkin(const GeneratedSkin& skin, const QString& folder, QString* error);

// Saves an image as a 24-bit BMP (or PNG for the preview), replacing the file whole.
bool SaveImage(const QImage& image, const QString& path, const char* format, QString* error);

}  // namespace kd::skingen
