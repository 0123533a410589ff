#include "skin/SkinParser.h"

#include <algorithm>
#include <cstdlib>

#include "skin/BlockCopy.h"
#include "skin/DisplayText.h"
#include "skin/WindowShape.h"
#include "util/Numbers.h"

namespace kd {

namespace {

// Window coordinates are 16-bit, which also keeps every rectangle arithmetic
// far from overflowing.
int16_t Coord(int32_t value) {
  return ClampToInt16(value);
}

QRect Rect(int32_t x, int32_t y, int32_t w, int32_t h) {
  return QRect(Coord(x), Coord(y), Coord(w), Coord(h));
}

int Component(int32_t value) {
  return std::clamp(value, 0, 255);
}

int AbsoluteSize(int32_t size) {
  return std::min<int32_t>(std::abs(std::max<int32_t>(size, -32767)), 32767);
}

// Window pixels an outline can cover.
const QRect kOutlineClip(0, 0, 32767, 32767);

}  // namespace

QString TipText(const QString& tip) {
  return tip.startsWith(QLatin1Char('~')) ? QString() : tip;
}

QString RejectedRecordsMessage(const QStringList& keys) {
  QString text = QStringLiteral("界面文件读取错误!\n此界面文件包涵系统不该涵有的原素!:\n");
  for (const QString& key : keys) text += QLatin1Char(' ') + key;
  return text;
}

SkinParser::SkinParser(FieldReader& reader, SkinDocument& doc, const SkinLoadEnvironment& env,
                       SkinFiles& files, PixelBudget& budget)
    : m_reader(reader),
      m_doc(doc),
      m_env(env),
      m_files(files),
      m_budget(budget),
      m_canvases(budget, env.limits.maxCanvasSide, 0),
      m_windowPicture(doc.mainBitmap.isNull() ? env.currentMainBitmap : doc.mainBitmap),
      m_resourcePicture(doc.resourceBitmap.isNull() ? env.currentResourceBitmap
                                                    : doc.resourceBitmap) {}

void SkinParser::readWindowRecord() {
  m_doc.hoverStyle = m_reader.readInt16();
  m_doc.anchorCode = m_reader.readInt32();
  const int r = Component(m_reader.readInt32());
  const int g = Component(m_reader.readInt32());
  const int b = Component(m_reader.readInt32());
  m_doc.background = qRgb(r, g, b);
  for (int i = 0; i < 3; ++i) m_reader.readField();
  // Canvas areas that no picture covers show the window's background.
  m_canvases.setFill(m_doc.background);
}

void SkinParser::readElementRecords() {
  while (!m_reader.atEnd()) {
    const QStringView key = m_reader.readFieldView();
    if (key.startsWith(QLatin1Char('E'))) break;
    if (!m_skipName.isEmpty()) {
      // Inside a skipped section a field is only an end marker or nothing.
      if (key.size() == m_skipName.size() + 1 && key.startsWith(QLatin1Char(':')) &&
          key.mid(1) == m_skipName) {
        m_skipName.clear();
      }
      continue;
    }
    processRecord(key);
  }
}

void SkinParser::processRecord(QStringView key) {
  if (key.isEmpty()) return;
  const ElementKind* kind = FindElementKind(key.front());
  if (!kind) return;  // an unknown letter is a single field of its own
  const int32_t n = readInt32(key.mid(1));

  switch (kind->layout) {
    case RecordLayout::WholeLine: {
      const QString line = m_reader.readLine();
      if (kind->key == '/') m_doc.info += QLatin1Char('\n') + line;
      return;
    }
    case RecordLayout::PointCounts:
      readOutlineCounts(n);
      return;
    case RecordLayout::OnePoint:
      readOutlinePoint(n);
      return;
    case RecordLayout::Fields:
      break;
  }

  m_reader.clearPastEnd();
  const bool ranged = kind->above != AboveRange::None;
  const bool below = ranged && n < kind->minIndex;
  const bool above = ranged && n > kind->maxIndex;
  const size_t before = static_cast<size_t>(kind->fieldsBeforeCheck);
  Values values;
  readValues(*kind, 0, before, values);
  // Fields after the index check stay unread for an index above the range;
  // they are then read as key fields of their own.
  if (!above) readValues(*kind, before, kind->fields.size(), values);
  if (m_reader.pastEnd()) {
    m_doc.incompleteRecord = key.toString();
    return;
  }
  if (below) return;
  const bool tooSmall =
      kind->sizeCheck != SizeCheck::None && (values[2].number < 1 || values[3].number < 1);
  if (kind->sizeCheck == SizeCheck::BeforeRange && tooSmall) return;
  if (above) {
    reject(*kind, key.toString());
    return;
  }
  if (tooSmall) return;
  build(kind->key, n, values);
}

void SkinParser::readValues(const ElementKind& kind, size_t from, size_t to, Values& values) {
  for (size_t i = from; i < to; ++i) {
    Value& value = values[i];
    switch (kind.fields[i].type) {
      case FieldType::Number:
        value.number = m_reader.readInt32();
        break;
      case FieldType::Colour: {
        const int r = Component(m_reader.readInt32());
        const int g = Component(m_reader.readInt32());
        const int b = Component(m_reader.readInt32());
        value.colour = qRgb(r, g, b);
        break;
      }
      case FieldType::Text:
        value.text = m_reader.readField();
        break;
    }
  }
}

void SkinParser::reject(const ElementKind& kind, const QString& key) {
  if (kind.above == AboveRange::Ignore) return;
  m_doc.anyRejected = true;
  if (kind.above == AboveRange::RejectListed) m_doc.rejectedKeys << key;
}

void SkinParser::build(char key, int32_t n, const Values& v) {
  switch (key) {
    case 'B':
      buildButton(n, v);
      break;
    case 'K':
      m_doc.links[static_cast<size_t>(n)] = v[8].text;
      buildButton(n + 100, v);
      break;
    case 'L':
      buildLabel(n, v);
      break;
    case 'D':
      buildDisplay(n, v);
      break;
    case 'S':
      buildSlider(n, v);
      break;
    case 'I':
      buildLight(n, v);
      break;
    case 'X':
      buildPlaylistBox(v);
      break;
    case 'C':
      buildCover(v);
      break;
    case 'O':
      applyColourKey(v[0].colour);
      break;
    case 'N':
      startOutline(n, false);
      break;
    case 'R':
      loadCanvas(n, v[0].text);
      break;
    case '?':
      if (n == m_loadFlag) m_skipName = v[0].text;
      break;
    case 'W':
      resizeCanvas(n, v[0].number, v[1].number);
      break;
    case 'Z':
      m_canvases.copyFromSource(n, Rect(v[0].number, v[1].number, v[2].number, v[3].number),
                                QPoint(Coord(v[4].number), Coord(v[5].number)));
      break;
    case 'U':
      useCanvases();
      break;
    default:  // ":" only ends skipped sections
      break;
  }
}

void SkinParser::buildButton(int32_t n, const Values& v) {
  SkinButton button;
  button.rect = Rect(v[0].number, v[1].number, v[2].number, v[3].number);
  if (v[4].number == 0) {
    button.press = button.rect.topLeft();
  } else {
    button.press = QPoint(Coord(v[4].number), Coord(v[5].number));
  }
  button.key = v[6].text.isEmpty() ? QLatin1Char(' ') : v[6].text.front();
  button.tip = v[7].text;
  m_doc.buttons[static_cast<size_t>(n)] = std::move(button);
}

void SkinParser::buildLabel(int32_t n, const Values& v) {
  SkinLabel label;
  label.rect = Rect(v[0].number, v[1].number, v[2].number, v[3].number);
  label.colour = v[4].colour;
  label.pointSize = AbsoluteSize(v[5].number);
  const QString& font = v[6].text;
  const qsizetype colon = font.indexOf(QLatin1Char(':'));
  QString face = colon < 0 ? font : font.left(colon);
  while (face.endsWith(QLatin1Char(' '))) face.chop(1);
  label.face = face;
  const QString style = colon < 0 ? QString() : font.mid(colon + 1).toUpper();
  label.bold = style.contains(QLatin1Char('B'));
  label.italic = style.contains(QLatin1Char('I'));
  label.underline = style.contains(QLatin1Char('U'));
  label.tip = TipText(v[7].text);
  m_doc.labels[static_cast<size_t>(n)] = std::move(label);
}

void SkinParser::buildDisplay(int32_t n, const Values& v) {
  SkinDisplay display;
  DisplayDef& def = display.def;
  def.SrcX = ClampToInt16(v[2].number);
  def.SrcY = ClampToInt16(v[3].number);
  def.CellWidth = ClampToInt16(v[4].number);
  def.CellHeight = ClampToInt16(v[5].number);
  def.NarrowWidth = ClampToInt16(v[6].number);
  def.FontKind = ClampToInt16(v[7].number);
  def.Spacing = ClampToInt16(v[8].number);
  def.Format = ClampToInt16(v[9].number);
  display.anchor = QRect(QPoint(Coord(v[0].number), Coord(v[1].number)), DisplayAnchorSize(def));
  display.tip = v[10].text;
  m_doc.displays[static_cast<size_t>(n)] = std::move(display);
}

void SkinParser::buildSlider(int32_t n, const Values& v) {
  SkinSlider slider;
  SliderDef& def = slider.def;
  def.X = Coord(v[0].number);
  def.Y = Coord(v[1].number);
  def.W = Coord(v[2].number);
  def.H = Coord(v[3].number);
  def.SX = Coord(v[4].number);
  def.SY = Coord(v[5].number);
  def.KW = Coord(v[6].number);
  def.KH = Coord(v[7].number);
  def.KnobPos = 0;
  slider.tip = TipText(v[8].text);
  const int64_t w = std::min<int64_t>(def.KW, m_resourcePicture.width());
  const int64_t h = std::min<int64_t>(def.KH, m_resourcePicture.height());
  if (w > 0 && h > 0 && m_budget.spend(w * h)) {
    slider.knob = CutBlock(m_resourcePicture, def.SX, def.SY, def.KW, def.KH);
  }
  m_doc.sliders[static_cast<size_t>(n)] = std::move(slider);
}

void SkinParser::buildLight(int32_t n, const Values& v) {
  SkinLight light;
  light.rect = Rect(v[0].number, v[1].number, v[2].number, v[3].number);
  light.colour = v[4].colour;
  const int32_t shape = v[5].number;
  // A shape kind the lights do not know leaves the plain rectangle.
  light.shape = shape >= 0 && shape <= 5 ? static_cast<LightShape>(shape) : LightShape::Rectangle;
  m_doc.lights[static_cast<size_t>(n)] = std::move(light);
}

void SkinParser::buildPlaylistBox(const Values& v) {
  SkinPlaylistBox box;
  box.rect = Rect(v[0].number, v[1].number, v[2].number, v[3].number);
  box.textColour = v[4].colour;
  box.background = v[5].colour;
  // The box takes the size as given; one that is not a size keeps the current one.
  box.pointSize = v[6].number > 0 ? std::min<int32_t>(v[6].number, 32767) : 0;
  box.face = v[7].text;
  box.tip = TipText(v[8].text);
  m_doc.playlistBox = std::move(box);
}

void SkinParser::buildCover(const Values& v) {
  m_doc.cover =
      SkinCover{Rect(v[0].number, v[1].number, v[2].number, v[3].number), TipText(v[4].text)};
}

void SkinParser::applyColourKey(QRgb key) {
  if (m_windowPicture.isNull()) return;
  // Charged as a scan of its own, so a key past the budget is skipped as
  // before, although only the last one is scanned.
  if (!m_budget.spend(int64_t(m_windowPicture.width()) * m_windowPicture.height())) return;
  m_colourKey = ColourKey{m_windowPicture, key};
}

void SkinParser::loadCanvas(int32_t n, const QString& file) {
  m_loadFlag = 0;
  const QString path = m_files.find(m_doc.baseFolder + file);
  if (path.isEmpty()) return;
  // A picture that cannot be read counts as missing, so a conditional skip
  // for a missing picture also covers it.
  const QImage picture = m_files.load(path);
  if (!picture.isNull() && m_canvases.load(n, picture)) m_loadFlag = 1;
}

void SkinParser::resizeCanvas(int32_t n, int32_t w, int32_t h) {
  const int maxSide = m_env.limits.maxCanvasSide;
  if ((w > maxSide || h > maxSide) && !m_canvasCutReported) {
    m_canvasCutReported = true;
    m_doc.messages << QStringLiteral(
                          "Canvas %1 of the skin asks for %2 x %3 pixels; a canvas has at most %4 "
                          "pixels each way, so it was cut to that size.")
                          .arg(n)
                          .arg(w)
                          .arg(h)
                          .arg(maxSide);
  }
  m_canvases.resize(n, w, h);
}

void SkinParser::useCanvases() {
  m_doc.mainBitmap = m_canvases.canvas(0);
  m_doc.resourceBitmap = m_canvases.canvas(1);
  if (!m_doc.mainBitmap.isNull()) m_windowPicture = m_doc.mainBitmap;
  if (!m_doc.resourceBitmap.isNull()) m_resourcePicture = m_doc.resourceBitmap;
}

void SkinParser::startOutline(int32_t n, bool multi) {
  m_declaredPoints = ClampToInt16(n);
  m_multiOutline = multi;
  m_points.clear();
  m_counts.clear();
  // Never more points than the rest of the file can hold (two characters each at least).
  const qsizetype room = m_reader.remaining() / 2 + 1;
  m_points.reserve(static_cast<size_t>(std::clamp<qsizetype>(m_declaredPoints, 0, room)));
}

void SkinParser::readOutlineCounts(int32_t n) {
  startOutline(n, true);
  const int16_t outlines = m_reader.readInt16();
  for (int i = 0; i < outlines && !m_reader.atEnd(); ++i) {
    m_counts.push_back(m_reader.readInt32());
  }
}

void SkinParser::readOutlinePoint(int32_t x) {
  // Once the declared count is reached the y field is left for the next key.
  if (static_cast<int>(m_points.size()) >= m_declaredPoints) return;
  m_points.emplace_back(x, m_reader.readInt32());
}

std::optional<QRegion> SkinParser::completeOutline() {
  if (m_declaredPoints <= 0 || static_cast<int>(m_points.size()) != m_declaredPoints) return {};
  const std::vector<int32_t> single{m_declaredPoints};
  const std::vector<int32_t>& counts = m_multiOutline ? m_counts : single;
  std::optional<QRegion> outline =
      OutlineRegion(m_points, counts, kOutlineClip, m_env.limits.outlineBudget);
  // Counts that do not fit leave the outline out silently, as they always
  // did; an outline past the budget meets the program's own limit and is told.
  if (!outline && OutlineCountsFit(m_points.size(), counts)) {
    m_doc.messages << QStringLiteral(
        "The window outline of the skin is too large to draw; the window keeps the shape it "
        "has without it.");
  }
  return outline;
}

void SkinParser::finish() {
  // A complete outline wins over any colour key, wherever the key stood.
  if (std::optional<QRegion> outline = completeOutline()) {
    m_doc.windowShape = std::move(*outline);
  } else if (m_colourKey) {
    m_doc.windowShape = RegionFromColor(m_colourKey->picture, m_colourKey->key);
  }
  if (m_doc.anyRejected) m_doc.messages << RejectedRecordsMessage(m_doc.rejectedKeys);
}

}  // namespace kd
