#pragma once
// The two text files of a classic skin: region.txt (the window outline as
// polygons) and pledit.txt (the playlist's colours and font). Both are read
// tolerantly: section and key names without regard to case, the first of a
// repeated section or key wins, blanks around names and values are trimmed,
// text from "//" to the end of a line is a comment.

#include <QByteArray>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QRgb>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace kd::classic {

// The value of `key` in `[section]`, or nullopt.
std::optional<QString> IniValue(const QByteArray& text, const QString& section, const QString& key);

// The polygons of one region.txt section: `NumPoints` gives the point count
// of each polygon, `PointList` all their x,y numbers in one list (commas and
// blanks both separate, empty items are skipped, an item that is no integer
// ends the list). A polygon of fewer than 3 points is skipped, its points
// still used up; at a polygon whose points run out, it and the later ones
// are dropped. The lists are bounded: at most kMaxPolygons counts and
// kMaxRegionPoints points are read.
struct RegionPolygons {
  std::vector<QPoint> points;
  std::vector<int32_t> counts;
};
inline constexpr int kMaxPolygons = 4096;
inline constexpr int kMaxRegionPoints = 65536;
RegionPolygons ReadRegionSection(const QByteArray& text, const QString& section);

// The union of the polygons, filled, clipped to `clip`; nullopt when no
// polygon gives any area (the window stays rectangular) or when filling them
// would cost more than `budget` (rows x edges).
std::optional<QRegion> RegionOfPolygons(const RegionPolygons& polygons, const QRect& clip,
                                        int64_t budget);

// pledit.txt's [Text] section.
struct PlaylistColours {
  QRgb normal = qRgb(0x24, 0x99, 0xFF);      // entry text
  QRgb current = qRgb(0xFF, 0xEE, 0xFF);     // the playing entry's text
  QRgb normalBg = qRgb(0x0A, 0x12, 0x0A);    // list background
  QRgb selectedBg = qRgb(0x0A, 0x12, 0x4A);  // selected entries' background
  QString font;                              // "" = our own font
};
// Colours are "#RRGGBB" (the "#" optional, the first six hex digits read);
// a key that is missing or has fewer than six hex digits keeps its default.
PlaylistColours ReadPlaylistColours(const QByteArray& text);

}  // namespace kd::classic
