#include "skin/DisplayText.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "skin/BlockCopy.h"
#include "util/Numbers.h"
#include "util/TextForms.h"

namespace kd {

namespace {

// Number formats round halves away from zero.
int64_t RoundedForFormat(double value) {
  if (!std::isfinite(value)) return 0;
  return RoundHalfEven(std::round(value));
}

// Cell positions stay far inside the int range, so adding an origin or a
// width to them cannot overflow; no picture is anywhere near that large.
int32_t ClampX(int64_t x) {
  constexpr int64_t kLimit = int64_t{1} << 28;
  return static_cast<int32_t>(std::clamp(x, -kLimit, kLimit));
}

QString PlainText(double value) {
  if (!std::isfinite(value)) return QStringLiteral("0");
  if (value == std::trunc(value) && std::fabs(value) < 1e15) {
    return QString::number(static_cast<int64_t>(value));
  }
  return QString::number(value, 'g', 15);
}

// Characters of a text, one per cell: a character outside the 16-bit range
// (a surrogate pair) still takes one cell.
std::vector<char32_t> CellCodes(const QString& text) {
  std::vector<char32_t> codes;
  codes.reserve(static_cast<size_t>(text.size()));
  const qsizetype n = text.size();
  for (qsizetype i = 0; i < n; ++i) {
    const QChar c = text[i];
    if (c.isHighSurrogate() && i + 1 < n && text[i + 1].isLowSurrogate()) {
      codes.push_back(QChar::surrogateToUcs4(c, text[i + 1]));
      ++i;
    } else {
      codes.push_back(c.unicode());
    }
  }
  return codes;
}

char32_t UpperAscii(char32_t c) {
  return c >= U'a' && c <= U'z' ? c - (U'a' - U'A') : c;
}

// Codes the text fonts can draw; anything else is a blank.
int GridCode(const std::vector<char32_t>& codes, int i, bool upper) {
  char32_t c = static_cast<size_t>(i) < codes.size() ? codes[static_cast<size_t>(i)] : U' ';
  if (upper) c = UpperAscii(c);
  return c < 32 || c > 127 ? 32 : static_cast<int>(c);
}

// Row and column of a code in the three-row letter font.
std::pair<int, int> LetterCell(int code) {
  static constexpr char kSigns[] = ":()-'!_+\\/[]^&.=#";
  switch (code) {
    case ' ':
      return {0, 29};
    case '"':
      return {0, 27};
    case '*':
      return {2, 4};
    case '?':
      return {2, 3};
    case '@':
      return {0, 8};
    default:
      break;
  }
  if (code >= '0' && code <= '9') return {1, code - '0'};
  if (code >= 'A' && code <= 'Z') return {0, code - 'A'};
  for (int p = 0; kSigns[p] != '\0'; ++p) {
    if (kSigns[p] == code) return {1, p + 1 + 11};
  }
  return {0, 29};
}

void LayoutDigits(const DisplayDef& def, const QString& text, int zeroFlag,
                  std::vector<GlyphCell>& cells) {
  const std::vector<char32_t> codes = CellCodes(text);
  cells.reserve(codes.size());
  int64_t x = 0;
  for (char32_t c : codes) {
    if (c == U'0' && zeroFlag < 1) c = U' ';
    int cell = 10;
    int width = def.CellWidth;
    if (c >= U'0' && c <= U'9') {
      cell = static_cast<int>(c - U'0');
      zeroFlag = 1;
    } else if (c == U'.' || c == U':') {
      cell = c == U'.' ? 11 : 12;
      width = def.NarrowWidth;
    }
    if (zeroFlag == -1) zeroFlag = 1;
    cells.push_back(
        {QRect(ClampX(def.SrcX + int64_t(cell) * def.CellWidth), def.SrcY, width, def.CellHeight),
         ClampX(x)});
    x += width + def.Spacing;
  }
}

void LayoutGrid(const DisplayDef& def, const QString& text, bool letterFont, bool upper,
                std::vector<GlyphCell>& cells) {
  const std::vector<char32_t> codes = CellCodes(text);
  const int count = std::abs(int(def.Format));
  cells.reserve(static_cast<size_t>(count));
  int64_t x = 0;
  for (int i = 0; i < count; ++i) {
    const int code = GridCode(codes, i, upper);
    const auto [row, column] = letterFont ? LetterCell(code) : std::pair(code / 16 - 2, code % 16);
    cells.push_back(
        {QRect(ClampX(def.SrcX + int64_t(column) * def.CellWidth),
               ClampX(def.SrcY + int64_t(row) * def.CellHeight), def.CellWidth, def.CellHeight),
         ClampX(x)});
    x += def.CellWidth + def.Spacing;
  }
}

}  // namespace

bool IsClockFormat(int16_t format) {
  return format == 1 || format == 2;
}

DisplayText DisplayValueText(int16_t format, double value) {
  if (format >= -15 && format <= -1) {
    return {ZeroPadded(RoundedForFormat(value), -format), 0};
  }
  switch (format) {
    case 0: {
      const int64_t seconds = std::isfinite(value) ? RoundHalfEven(value) : 0;
      const int64_t minutes = seconds / 60;
      return {ZeroPadded(minutes, 2) + QLatin1Char(':') + ZeroPadded(seconds - minutes * 60, 2),
              -1};
    }
    case 3:
      return {FixedForm(value, 3, 1), 0};
    case 4:
      return {FixedForm(value, 3, 3), 0};
    default:
      return {PlainText(value), 0};
  }
}

DisplayText DisplayValueText(int16_t format, const QString& value) {
  const bool numeric = (format >= -15 && format <= 0) || format == 3 || format == 4;
  if (numeric) return DisplayValueText(format, LeadingNumber(value));
  return {value, 0};
}

int ShownHour(QTime now, int16_t timeFmt) {
  if (timeFmt != 0) return now.hour();
  const int hour = now.hour() % 12;
  return hour == 0 ? 12 : hour;
}

ClockText ClockDisplayText(int16_t format, QTime now, int16_t timeFmt, const QString& amText,
                           const QString& pmText) {
  const bool withSeconds = format == 2;
  const bool twentyFour = timeFmt != 0;
  QString full =
      ZeroPadded(ShownHour(now, timeFmt), 2) + QLatin1Char(':') + ZeroPadded(now.minute(), 2);
  if (withSeconds) full += QLatin1Char(':') + ZeroPadded(now.second(), 2);
  if (twentyFour) {
    full += withSeconds ? QStringLiteral(" ") : QStringLiteral("    ");
  } else {
    full += QLatin1Char(' ') + (now.hour() < 12 ? amText : pmText);
  }
  return {full.left(5), full.mid(6, 2), twentyFour ? 1 : 0};
}

QString ScrollTitle(const QString& text, int16_t width, int16_t& scrollStart) {
  if (text.size() <= width) {
    scrollStart = 1;
    return text;
  }
  if (scrollStart < 1 || scrollStart > text.size() + 4) scrollStart = 1;
  const QString shown = (text + QStringLiteral("  *  ") + text).mid(scrollStart - 1);
  scrollStart = static_cast<int16_t>(scrollStart == INT16_MAX ? 1 : scrollStart + 1);
  return shown;
}

std::vector<GlyphCell> LayoutCells(const DisplayDef& def, const QString& text, int zeroFlag) {
  std::vector<GlyphCell> cells;
  switch (def.FontKind) {
    case int16_t(FontKind::DigitStrip):
      LayoutDigits(def, text, zeroFlag, cells);
      break;
    case int16_t(FontKind::CharacterGrid):
      LayoutGrid(def, text, false, false, cells);
      break;
    case int16_t(FontKind::UpperCaseGrid):
      LayoutGrid(def, text, false, true, cells);
      break;
    case int16_t(FontKind::LetterFont):
      LayoutGrid(def, text, true, true, cells);
      break;
    default:
      break;
  }
  return cells;
}

QSize DisplayAnchorSize(const DisplayDef& def) {
  const int64_t cell = def.CellWidth;
  const int64_t narrow = def.NarrowWidth;
  int64_t width = 0;
  switch (def.Format) {
    case 0:
    case 1:
    case 3:
      width = 4 * cell + narrow;
      break;
    case 2:
      width = 6 * cell + 2 * narrow;
      break;
    case 4:
      width = 6 * cell + narrow;
      break;
    default:
      width = std::abs(int64_t(def.Format)) * cell;
      break;
  }
  return QSize(int(std::clamp<int64_t>(width, 0, INT32_MAX)), std::max<int>(0, def.CellHeight));
}

void PaintCells(QImage& target, QPoint origin, const QImage& resource,
                std::span<const GlyphCell> cells) {
  for (const GlyphCell& cell : cells) {
    CopyBlock(resource, cell.source, target, origin + QPoint(cell.x, 0));
  }
}

}  // namespace kd
