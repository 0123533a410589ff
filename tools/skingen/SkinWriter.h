#pragma once
// The text of the skin file for a layout.

#include <QByteArray>
#include <QString>

#include "SkinLayout.h"

namespace kd::skingen {

struct SkinFiles {
  QString mainBitmap;
  QString resourceBitmap;
};

// The skin file, UTF-8 with CR LF line ends. Fails (returns "" and sets
// `error`) when a text field cannot be written as one field.
QByteArray WriteSkinFile(const SkinLayout& layout, const SkinFiles& files, QString* error);

}  // namespace kd::skingen
