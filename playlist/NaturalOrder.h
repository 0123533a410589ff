#pragma once
// The order in which folder scans list names: the order file managers show,
// so a scanned album plays "2 - x" before "10 - y".

#include <QStringView>

namespace kd {

// Compares two file names: letters without regard to case, runs of the digits
// 0-9 by their value ("2" before "10"). Names equal under those rules are
// ordered by fewer leading zeros first, then by their exact text, so the order
// is total and does not depend on the order the folder was read in.
// Returns <0, 0 or >0.
int CompareFileNames(QStringView a, QStringView b);

inline bool FileNameLess(QStringView a, QStringView b) {
  return CompareFileNames(a, b) < 0;
}

}  // namespace kd
