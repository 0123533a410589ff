#include "util/TextCodec.h"

#include <iconv.h>

#include <QStringDecoder>
#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>

namespace kd {

namespace {

// One iconv conversion. A sequence the source cannot decode (or a character
// the target cannot hold) becomes `replacement` and one input unit is
// skipped. The input goes to iconv in bounded windows: a call over the whole
// remaining input for every bad byte would make garbage cost quadratic time.
QByteArray Convert(const QByteArray& from, const QByteArray& to, QByteArrayView input,
                   QByteArrayView replacement, qsizetype unitSize) {
  iconv_t cd = iconv_open(to.constData(), from.constData());
  if (cd == reinterpret_cast<iconv_t>(-1)) return {};
  constexpr size_t kWindow = 4096;
  QByteArray out;
  out.reserve(input.size() * 2 + 16);
  char* in = const_cast<char*>(input.data());
  size_t total = static_cast<size_t>(input.size());
  char buffer[16384];
  while (total > 0) {
    const size_t window = std::min(total, kWindow);
    const bool moreBeyondWindow = total > window;
    size_t inLeft = window;
    char* outPtr = buffer;
    size_t outLeft = sizeof buffer;
    const size_t r = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    const int error = errno;
    out.append(buffer, static_cast<qsizetype>(outPtr - buffer));
    total -= window - inLeft;
    if (r != static_cast<size_t>(-1) || error == E2BIG) continue;
    // A sequence cut by the window's end starts the next window, whole.
    if (error == EINVAL && moreBeyondWindow && inLeft < window) continue;
    out.append(replacement.data(), replacement.size());
    const size_t skip = std::min<size_t>(total, static_cast<size_t>(unitSize));
    in += skip;
    total -= skip;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  char* outPtr = buffer;
  size_t outLeft = sizeof buffer;
  iconv(cd, nullptr, nullptr, &outPtr, &outLeft);
  out.append(buffer, static_cast<qsizetype>(outPtr - buffer));
  iconv_close(cd);
  return out;
}

// True when any of the eight bytes at `p` is not ASCII.
bool HasHighBit(const unsigned char* p) {
  uint64_t word;
  std::memcpy(&word, p, sizeof word);
  return (word & 0x8080808080808080u) != 0;
}

}  // namespace

QByteArray UsableCodepage(const QByteArray& iconvName) {
  if (iconvName.isEmpty()) return kDefaultCodepage;
  iconv_t cd = iconv_open("UTF-8", iconvName.constData());
  if (cd == reinterpret_cast<iconv_t>(-1)) return kDefaultCodepage;
  iconv_close(cd);
  return iconvName;
}

bool IsValidUtf8(QByteArrayView bytes) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const qsizetype n = bytes.size();
  qsizetype i = 0;
  while (i < n) {
    // Plain ASCII, most of any text we read, is passed eight bytes at a time.
    while (n - i >= 8 && !HasHighBit(p + i)) i += 8;
    if (i >= n) break;
    const unsigned char c = p[i];
    if (c < 0x80) {
      ++i;
      continue;
    }
    int extra;
    uint32_t min;
    uint32_t cp;
    if ((c & 0xE0) == 0xC0) {
      extra = 1, min = 0x80, cp = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
      extra = 2, min = 0x800, cp = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
      extra = 3, min = 0x10000, cp = c & 0x07;
    } else {
      return false;
    }
    if (i + extra >= n) return false;
    for (int k = 1; k <= extra; ++k) {
      const unsigned char cc = p[i + k];
      if ((cc & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (cc & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    i += extra + 1;
  }
  return true;
}

QString DecodeLegacy(QByteArrayView bytes, const QByteArray& codepage) {
  if (bytes.isEmpty()) return {};
  const QByteArray utf16 = Convert(codepage, "UTF-16LE", bytes, QByteArrayView("?\0", 2), 1);
  return QString(reinterpret_cast<const QChar*>(utf16.constData()), utf16.size() / 2);
}

QString DecodeText(QByteArrayView bytes, const QByteArray& codepage, LeadingMark leadingMark) {
  if (leadingMark == LeadingMark::Drop && bytes.startsWith("\xEF\xBB\xBF")) bytes = bytes.sliced(3);
  if (IsValidUtf8(bytes)) {
    // A mark still in front is text and stays.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return utf8.decode(bytes);
  }
  return DecodeLegacy(bytes, codepage);
}

QByteArray EncodeLegacy(QStringView text, qsizetype maxBytes, const QByteArray& codepage) {
  QByteArray out;
  // Encode character by character so the result can be cut on a boundary.
  qsizetype i = 0;
  while (i < text.size()) {
    qsizetype len = (text[i].isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
    const QByteArray utf16(reinterpret_cast<const char*>(text.data() + i), len * 2);
    QByteArray encoded = Convert("UTF-16LE", codepage, utf16, "?", 2);
    if (encoded.isEmpty()) encoded = "?";
    if (maxBytes >= 0 && out.size() + encoded.size() > maxBytes) break;
    out += encoded;
    i += len;
  }
  return out;
}

}  // namespace kd
