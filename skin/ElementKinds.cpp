#include "skin/ElementKinds.h"

#include <array>

namespace kd {

namespace {

constexpr FieldType N = FieldType::Number;
constexpr FieldType C = FieldType::Colour;
constexpr FieldType T = FieldType::Text;

constexpr FieldSpec kButton[] = {{"X", N},  {"Y", N},  {"W", N},   {"H", N},
                                 {"PX", N}, {"PY", N}, {"Key", T}, {"Tip", T}};
constexpr FieldSpec kLink[] = {{"X", N},  {"Y", N},   {"W", N},   {"H", N},   {"PX", N},
                               {"PY", N}, {"Key", T}, {"Tip", T}, {"Link", T}};
constexpr FieldSpec kLabel[] = {{"X", N},      {"Y", N},    {"W", N},    {"H", N},
                                {"colour", C}, {"Size", N}, {"Font", T}, {"Tip", T}};
constexpr FieldSpec kDisplay[] = {{"X", N},           {"Y", N},         {"SrcX", N},
                                  {"SrcY", N},        {"CellWidth", N}, {"CellHeight", N},
                                  {"NarrowWidth", N}, {"FontKind", N},  {"Spacing", N},
                                  {"Format", N},      {"Tip", T}};
constexpr FieldSpec kSlider[] = {{"X", N},  {"Y", N},  {"W", N},  {"H", N},  {"SX", N},
                                 {"SY", N}, {"KW", N}, {"KH", N}, {"Tip", T}};
constexpr FieldSpec kLight[] = {{"X", N},      {"Y", N},     {"W", N},  {"H", N},
                                {"colour", C}, {"Shape", N}, {"Tip", T}};
constexpr FieldSpec kPlaylistBox[] = {{"X", N},    {"Y", N},      {"W", N},
                                      {"H", N},    {"colour", C}, {"background", C},
                                      {"Size", N}, {"Font", T},   {"Tip", T}};
constexpr FieldSpec kCover[] = {{"X", N}, {"Y", N}, {"W", N}, {"H", N}, {"Tip", T}};
constexpr FieldSpec kColourKey[] = {{"colour", C}};
constexpr FieldSpec kCanvasFile[] = {{"File", T}};
constexpr FieldSpec kSkipName[] = {{"Name", T}};
constexpr FieldSpec kCanvasSize[] = {{"W", N}, {"H", N}};
constexpr FieldSpec kCanvasCopy[] = {{"SX", N}, {"SY", N}, {"W", N},
                                     {"H", N},  {"DX", N}, {"DY", N}};
constexpr std::span<const FieldSpec> kNone{};

constexpr AboveRange kNoRange = AboveRange::None;
constexpr AboveRange kListed = AboveRange::RejectListed;
constexpr AboveRange kUnlisted = AboveRange::RejectUnlisted;
constexpr AboveRange kIgnore = AboveRange::Ignore;
constexpr SizeCheck kNoSize = SizeCheck::None;
constexpr SizeCheck kSizeFirst = SizeCheck::BeforeRange;
constexpr SizeCheck kSizeLast = SizeCheck::AfterRange;
constexpr RecordLayout kFields = RecordLayout::Fields;

// clang-format off
constexpr std::array kKinds{
  //          key  name                 min max  above      size        layout                    fields        before
  ElementKind{'B', "button",             1, 120, kUnlisted, kSizeLast,  kFields,                  kButton,      8},
  ElementKind{'K', "link button",        1,  20, kUnlisted, kSizeLast,  kFields,                  kLink,        8},
  ElementKind{'L', "label",              1,  50, kListed,   kSizeFirst, kFields,                  kLabel,       8},
  ElementKind{'D', "display",            1,   6, kListed,   kNoSize,    kFields,                  kDisplay,     11},
  ElementKind{'S', "slider",             1,   5, kListed,   kNoSize,    kFields,                  kSlider,      9},
  ElementKind{'I', "indicator light",    1,  18, kListed,   kSizeFirst, kFields,                  kLight,       7},
  ElementKind{'X', "playlist box",       1,   1, kListed,   kSizeLast,  kFields,                  kPlaylistBox, 9},
  ElementKind{'C', "cover picture",      1,   1, kIgnore,   kSizeLast,  kFields,                  kCover,       5},
  ElementKind{'O', "colour key shape",   0,   0, kNoRange,  kNoSize,    kFields,                  kColourKey,   1},
  ElementKind{'N', "outline",            0,   0, kNoRange,  kNoSize,    kFields,                  kNone,        0},
  ElementKind{'M', "multi-outline",      0,   0, kNoRange,  kNoSize,    RecordLayout::PointCounts, kNone,       0},
  ElementKind{'P', "outline point",      0,   0, kNoRange,  kNoSize,    RecordLayout::OnePoint,   kNone,        0},
  ElementKind{'R', "canvas picture",     0,   2, kListed,   kNoSize,    kFields,                  kCanvasFile,  0},
  ElementKind{'?', "conditional skip",   0,   0, kNoRange,  kNoSize,    kFields,                  kSkipName,    1},
  ElementKind{':', "end of skip",        0,   0, kNoRange,  kNoSize,    kFields,                  kNone,        0},
  ElementKind{'W', "canvas size",        0,   1, kListed,   kNoSize,    kFields,                  kCanvasSize,  0},
  ElementKind{'Z', "canvas copy",        0,   1, kListed,   kNoSize,    kFields,                  kCanvasCopy,  0},
  ElementKind{'U', "use canvases",       0,   0, kNoRange,  kNoSize,    kFields,                  kNone,        0},
  ElementKind{';', "comment",            0,   0, kNoRange,  kNoSize,    RecordLayout::WholeLine,  kNone,        0},
  ElementKind{'/', "skin information",   0,   0, kNoRange,  kNoSize,    RecordLayout::WholeLine,  kNone,        0},
  ElementKind{'E', "end",                0,   0, kNoRange,  kNoSize,    kFields,                  kNone,        0},
};
// clang-format on

constexpr bool FieldsFitARecord() {
  for (const ElementKind& kind : kKinds) {
    if (kind.fields.size() > kMaxRecordFields) return false;
  }
  return true;
}
static_assert(FieldsFitARecord());

}  // namespace

std::span<const ElementKind> ElementKinds() {
  return kKinds;
}

const ElementKind* FindElementKind(QChar key) {
  for (const ElementKind& kind : kKinds) {
    if (key == QLatin1Char(kind.key)) return &kind;
  }
  return nullptr;
}

}  // namespace kd
