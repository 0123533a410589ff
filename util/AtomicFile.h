#pragma once
// Files the program rewrites are replaced whole: the bytes go to a temporary
// file beside the target, which is then renamed over it. A failure leaves the
// old file as it was.

#include <QByteArray>
#include <QString>

namespace kd {

// Writes `bytes` to `path` atomically. A target that exists but carries no
// write permission is treated as read-only and left alone. Returns false on
// any failure.
bool WriteFileAtomically(const QString& path, const QByteArray& bytes);

// True when the path names an existing file without any write permission bit.
bool IsReadOnlyFile(const QString& path);

}  // namespace kd
