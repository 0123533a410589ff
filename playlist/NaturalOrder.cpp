#include "playlist/NaturalOrder.h"

#include <QChar>

namespace kd {

namespace {

bool IsAsciiDigit(char16_t c) {
  return c >= u'0' && c <= u'9';
}

// Lower case, so punctuation such as "_" sorts before letters as it does in
// file managers. ASCII is by far the common case and needs no table.
char16_t Folded(char16_t c) {
  if (c < 0x80) return (c >= u'A' && c <= u'Z') ? char16_t(c + (u'a' - u'A')) : c;
  return QChar::toCaseFolded(c);
}

int Sign(qsizetype v) {
  return v < 0 ? -1 : (v > 0 ? 1 : 0);
}

}  // namespace

int CompareFileNames(QStringView a, QStringView b) {
  const char16_t* pa = reinterpret_cast<const char16_t*>(a.utf16());
  const char16_t* pb = reinterpret_cast<const char16_t*>(b.utf16());
  const qsizetype na = a.size();
  const qsizetype nb = b.size();
  qsizetype i = 0;
  qsizetype j = 0;
  qsizetype zeroTie = 0;  // first difference in leading zeros of equal numbers
  while (i < na && j < nb) {
    if (IsAsciiDigit(pa[i]) && IsAsciiDigit(pb[j])) {
      const qsizetype ia = i;
      const qsizetype jb = j;
      while (i < na && pa[i] == u'0') ++i;
      while (j < nb && pb[j] == u'0') ++j;
      qsizetype ea = i;
      qsizetype eb = j;
      while (ea < na && IsAsciiDigit(pa[ea])) ++ea;
      while (eb < nb && IsAsciiDigit(pb[eb])) ++eb;
      // Without leading zeros the longer run is the larger number.
      if (ea - i != eb - j) return Sign((ea - i) - (eb - j));
      for (; i < ea; ++i, ++j) {
        if (pa[i] != pb[j]) return pa[i] < pb[j] ? -1 : 1;
      }
      if (zeroTie == 0) zeroTie = Sign((i - ia) - (j - jb));
      i = ea;
      j = eb;
      continue;
    }
    const char16_t ca = Folded(pa[i]);
    const char16_t cb = Folded(pb[j]);
    if (ca != cb) return ca < cb ? -1 : 1;
    ++i;
    ++j;
  }
  if (i < na || j < nb) return i < na ? 1 : -1;
  if (zeroTie != 0) return static_cast<int>(zeroTie);
  return Sign(a.compare(b));
}

}  // namespace kd
