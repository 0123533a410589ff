#pragma once
// Files dragged onto the window or its playlist box.

#include <QStringList>

class QDragMoveEvent;
class QDropEvent;
class QMimeData;

namespace kd {

// Whether the dragged data carries at least one local file or folder.
bool CarriesFiles(const QMimeData* data);
// The local paths of the dragged data in the order it lists them.
QStringList DroppedFiles(const QMimeData* data);

// Offers a copy while the dragged data carries files, and refuses it otherwise.
void AcceptFileDrag(QDragMoveEvent* event);
// Accepts the drop and returns its paths; refuses a drop without files (empty result).
QStringList TakeDroppedFiles(QDropEvent* event);

}  // namespace kd
