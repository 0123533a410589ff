#include "skin/classic/ClassicTextFiles.h"

#include <QStringList>
#include <algorithm>
#include <span>

#include "skin/WindowShape.h"
#include "util/TextCodec.h"

namespace kd::classic {

namespace {

// One line without its comment, trimmed.
QStringView Meaningful(QStringView line) {
  const qsizetype comment = line.indexOf(QLatin1String("//"));
  if (comment >= 0) line = line.left(comment);
  return line.trimmed();
}

bool IsSeparator(QChar c) {
  return c == QLatin1Char(',') || c.isSpace();
}

// Integers of a list separated by commas and blanks, up to `limit`; empty
// items are skipped, the first item that is no integer ends the list.
std::vector<int> ReadNumbers(QStringView text, size_t limit) {
  std::vector<int> numbers;
  qsizetype i = 0;
  const qsizetype end = text.size();
  while (i < end && numbers.size() < limit) {
    while (i < end && IsSeparator(text[i])) ++i;
    if (i == end) break;
    const qsizetype start = i;
    while (i < end && !IsSeparator(text[i])) ++i;
    bool ok = false;
    const int value = text.sliced(start, i - start).toInt(&ok);
    if (!ok) break;
    numbers.push_back(value);
  }
  return numbers;
}

std::optional<QRgb> HexColour(const QString& value) {
  QStringView digits = value;
  if (digits.startsWith(QLatin1Char('#'))) digits = digits.mid(1);
  if (digits.size() < 6) return std::nullopt;
  bool ok = false;
  const uint rgb = digits.left(6).toUInt(&ok, 16);
  if (!ok) return std::nullopt;
  return qRgb(int((rgb >> 16) & 0xFF), int((rgb >> 8) & 0xFF), int(rgb & 0xFF));
}

}  // namespace

std::optional<QString> IniValue(const QByteArray& bytes, const QString& section,
                                const QString& key) {
  const QString text = DecodeText(bytes);
  bool inSection = false;
  bool seenSection = false;
  qsizetype start = 0;
  while (start <= text.size()) {
    qsizetype end = start;
    while (end < text.size() && text[end] != QLatin1Char('\n') && text[end] != QLatin1Char('\r')) {
      ++end;
    }
    const QStringView line = Meaningful(QStringView(text).sliced(start, end - start));
    start = end + 1;
    if (line.startsWith(QLatin1Char('[')) && line.contains(QLatin1Char(']'))) {
      if (seenSection) return std::nullopt;  // only the first such section counts
      const QStringView name = line.mid(1, line.indexOf(QLatin1Char(']')) - 1).trimmed();
      inSection = name.compare(section, Qt::CaseInsensitive) == 0;
      seenSection = inSection;
      continue;
    }
    if (!inSection) continue;
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals < 0) continue;
    if (line.left(equals).trimmed().compare(key, Qt::CaseInsensitive) == 0) {
      return line.mid(equals + 1).trimmed().toString();
    }
  }
  return std::nullopt;
}

RegionPolygons ReadRegionSection(const QByteArray& text, const QString& section) {
  RegionPolygons polygons;
  const std::optional<QString> countText = IniValue(text, section, QStringLiteral("NumPoints"));
  const std::optional<QString> pointText = IniValue(text, section, QStringLiteral("PointList"));
  if (!countText || !pointText) return polygons;
  const std::vector<int> counts = ReadNumbers(*countText, kMaxPolygons);
  const std::vector<int> numbers = ReadNumbers(*pointText, size_t(kMaxRegionPoints) * 2);
  const size_t available = numbers.size() / 2;
  size_t next = 0;
  for (const int count : counts) {
    const size_t used = size_t(std::max(count, 0));
    if (used > available - next) break;  // its points run out: it and later ones are dropped
    if (used >= 3) {
      for (size_t p = next; p < next + used; ++p) {
        polygons.points.emplace_back(numbers[2 * p], numbers[2 * p + 1]);
      }
      polygons.counts.push_back(int32_t(used));
    }
    next += used;
  }
  return polygons;
}

std::optional<QRegion> RegionOfPolygons(const RegionPolygons& polygons, const QRect& clip,
                                        int64_t budget) {
  QRegion shape;
  size_t first = 0;
  for (const int32_t count : polygons.counts) {
    const std::span<const QPoint> points(polygons.points.data() + first, size_t(count));
    first += size_t(count);
    const int32_t counts[] = {count};
    // Each polygon is filled on its own, so overlapping ones add up.
    const std::optional<QRegion> one = OutlineRegion(points, counts, clip, budget);
    if (!one) return std::nullopt;
    budget -= int64_t(clip.height()) * count;
    shape += *one;
  }
  if (shape.isEmpty()) return std::nullopt;
  return shape;
}

PlaylistColours ReadPlaylistColours(const QByteArray& text) {
  PlaylistColours colours;
  const QString section = QStringLiteral("Text");
  const auto colour = [&](const char* key, QRgb& into) {
    if (const std::optional<QString> value = IniValue(text, section, QString::fromLatin1(key))) {
      if (const std::optional<QRgb> rgb = HexColour(*value)) into = *rgb;
    }
  };
  colour("Normal", colours.normal);
  colour("Current", colours.current);
  colour("NormalBG", colours.normalBg);
  colour("SelectedBG", colours.selectedBg);
  colours.font = IniValue(text, section, QStringLiteral("Font")).value_or(QString());
  return colours;
}

}  // namespace kd::classic
