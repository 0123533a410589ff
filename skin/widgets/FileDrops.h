#pragma once
// Files dragged onto the window or its playlist box.

#include <QStringList>

class QMimeData;

namespace kd {

// Whether the dragged data carries at least one local file or folder.
bool CarriesFiles(const QMimeData* data);
// The local paths of the dragged data in the order it lists them.
QStringList DroppedFiles(const QMimeData* data);

}  // namespace kd
