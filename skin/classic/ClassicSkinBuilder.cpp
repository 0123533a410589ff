#include "skin/classic/ClassicSkinBuilder.h"

#include <array>
#include <vector>

#include "skin/BlockCopy.h"
#include "skin/SkinView.h"
#include "skin/classic/ClassicBaseSkin.h"
#include "skin/classic/ClassicSprites.h"
#include "skin/classic/ClassicTextFiles.h"
#include "util/Paths.h"

namespace kd::classic {

namespace {

// The decoded bitmaps. A missing balance.bmp takes the volume frames and
// knob, a missing nums_ex.bmp the digits of numbers.bmp; any other missing
// file (and these when their substitute is missing too) comes from the base
// skin. Only main.bmp may be null.
class Bitmaps {
 public:
  explicit Bitmaps(const SkinFiles& files) {
    for (int f = 0; f < kFileCount; ++f) {
      m_images[size_t(f)] = files.image(QString::fromLatin1(FileBaseName(File(f))));
    }
    if (of(File::Balance).isNull()) m_images[size_t(File::Balance)] = of(File::Volume);
    if (of(File::NumsEx).isNull()) m_images[size_t(File::NumsEx)] = of(File::Numbers);
    for (int f = 0; f < kFileCount; ++f) {
      if (File(f) != File::Main && m_images[size_t(f)].isNull()) {
        m_images[size_t(f)] = BaseSheet(File(f));
      }
    }
  }
  const QImage& of(File file) const { return m_images[size_t(file)]; }
  // The digits: nums_ex.bmp, else numbers.bmp.
  const QImage& digits() const { return of(File::NumsEx); }

  // Draws the part of `sprite` that lies inside its file onto `onto` at
  // `at`; nothing when the file is missing.
  void draw(const Sprite& sprite, QImage& onto, QPoint at) const {
    const QImage& from = of(sprite.file);
    const QRect inside = sprite.rect() & from.rect();
    if (inside.isEmpty()) return;
    CopyBlock(from, inside, onto, at + (inside.topLeft() - sprite.rect().topLeft()));
  }

 private:
  std::array<QImage, kFileCount> m_images;
};

// Packs pictures into one resource bitmap, row by row.
class Atlas {
 public:
  QPoint add(const QImage& piece) {
    if (m_x + piece.width() > kWidth) {
      m_x = 0;
      m_y += m_rowHeight;
      m_rowHeight = 0;
    }
    const QPoint at(m_x, m_y);
    m_pieces.emplace_back(at, piece);
    m_x += piece.width();
    m_rowHeight = std::max(m_rowHeight, piece.height());
    return at;
  }
  QImage finish() const {
    QImage atlas(kWidth, std::max(1, m_y + m_rowHeight), QImage::Format_RGB32);
    atlas.fill(Qt::black);
    for (const auto& [at, piece] : m_pieces) CopyBlock(piece, piece.rect(), atlas, at);
    return atlas;
  }

 private:
  static constexpr int kWidth = 512;
  std::vector<std::pair<QPoint, QImage>> m_pieces;
  int m_x = 0;
  int m_y = 0;
  int m_rowHeight = 0;
};

QImage WindowFace(const Bitmaps& bitmaps) {
  // Whatever main.bmp does not cover is black.
  QImage face(kMainSize, QImage::Format_RGB32);
  face.fill(Qt::black);
  const QImage& main = bitmaps.of(File::Main);
  CopyBlock(main, main.rect() & face.rect(), face, QPoint(0, 0));
  for (const Placed& placed : FaceSprites()) bitmaps.draw(placed.sprite, face, placed.at);
  return face;
}

void AddButtons(SkinDocument& doc, const Bitmaps& bitmaps, const QImage& face, Atlas& atlas) {
  const auto pressedLook = [&](const Button& button, const Sprite& sprite) {
    QImage look = face.copy(button.place);
    bitmaps.draw(sprite, look, QPoint(0, 0));
    return atlas.add(look);
  };
  for (const Button& button : Buttons()) {
    SkinButton made;
    made.rect = button.place;
    made.press = pressedLook(button, button.pressed);
    made.key = QLatin1Char(button.key);
    made.tip = QString::fromUtf8(button.tip);
    if (button.pressedOn.w > 0) {
      made.onWithLight = button.onWithLight;
      made.pressWhenOn = pressedLook(button, button.pressedOn);
    }
    doc.buttons[size_t(button.command)] = made;
  }
}

void AddLights(SkinDocument& doc, const Bitmaps& bitmaps, const QImage& face, Atlas& atlas) {
  for (const LightSprite& light : LightSprites()) {
    QImage look = face.copy(light.place);
    for (const Placed& piece : light.pieces) {
      if (piece.sprite.w > 0) bitmaps.draw(piece.sprite, look, piece.at);
    }
    SkinLight made;
    made.rect = light.place;
    made.sprite = atlas.add(look);
    doc.lights[size_t(light.light)] = made;
  }
}

// A knob picture: transparent where its sprite lies outside the file.
QImage KnobPicture(const Bitmaps& bitmaps, const Sprite& sprite) {
  QImage knob(sprite.size(), QImage::Format_ARGB32);
  knob.fill(Qt::transparent);
  bitmaps.draw(sprite, knob, QPoint(0, 0));
  return knob;
}

SkinSlider Slider(QPoint track, int travel, const QImage& knob, QSize knobSize, const char* tip) {
  SkinSlider slider;
  slider.def.X = int16_t(track.x());
  slider.def.Y = int16_t(track.y());
  slider.def.W = int16_t(travel);
  slider.def.KW = int16_t(knobSize.width());
  slider.def.KH = int16_t(knobSize.height());
  slider.knob = knob;
  slider.tip = QString::fromUtf8(tip);
  return slider;
}

// All frames of a volume or balance background, each over the window's own
// picture, `kFrameStep` rows apart.
SliderFrames Frames(const Bitmaps& bitmaps, const QImage& face, const Sprite& frame0, QPoint at,
                    bool centred, Atlas& atlas) {
  const QRect place(at, frame0.size());
  QImage column(frame0.w, kFrameStep * kFrameCount, QImage::Format_RGB32);
  column.fill(Qt::black);
  for (int i = 0; i < kFrameCount; ++i) {
    CopyBlock(face, place, column, QPoint(0, i * kFrameStep));
    Sprite frame = frame0;
    frame.y += i * kFrameStep;
    bitmaps.draw(frame, column, QPoint(0, i * kFrameStep));
  }
  return SliderFrames{place, atlas.add(column), kFrameStep, kFrameCount, centred};
}

void AddSliders(SkinDocument& doc, const Bitmaps& bitmaps, const QImage& face, Atlas& atlas) {
  doc.sliders[1] =
      Slider({16, 72}, 219, KnobPicture(bitmaps, kSeekKnob), kSeekKnob.size(), "播放进度 Position");
  Sprite volumeKnob = kSliderKnob;
  Sprite balanceKnob = kSliderKnob;
  balanceKnob.file = File::Balance;
  SkinSlider volume =
      Slider({107, 58}, 51, KnobPicture(bitmaps, volumeKnob), kSliderKnob.size(), "音量 Volume");
  volume.frames = Frames(bitmaps, face, kVolumeFrame0, kVolumeAt, false, atlas);
  doc.sliders[2] = volume;
  SkinSlider balance =
      Slider({177, 58}, 24, KnobPicture(bitmaps, balanceKnob), kSliderKnob.size(), "平衡 Balance");
  balance.frames = Frames(bitmaps, face, kBalanceFrame0, kBalanceAt, true, atlas);
  doc.sliders[3] = balance;
}

SkinDisplay Display(QPoint at, QPoint source, QSize cell, int16_t kind, int16_t format, int cells) {
  SkinDisplay display;
  display.def.SrcX = int16_t(source.x());
  display.def.SrcY = int16_t(source.y());
  display.def.CellWidth = int16_t(cell.width());
  display.def.CellHeight = int16_t(cell.height());
  display.def.FontKind = kind;
  display.def.Format = format;
  display.anchor = QRect(at, QSize(cell.width() * cells, cell.height()));
  return display;
}

// The time: a digit strip of the engine (digits 0-9, blank, ".", ":") whose
// cells lie over the window's own picture; the colon is main.bmp's own.
void AddTime(SkinDocument& doc, const Bitmaps& bitmaps, const QImage& face, Atlas& atlas) {
  const QRect cellPlace(kTimeAt, QSize(kDigitWidth, kDigitHeight));
  QImage strip(kDigitWidth * 13, kDigitHeight, QImage::Format_RGB32);
  for (int cell = 0; cell < 12; ++cell) {
    const QPoint at(cell * kDigitWidth, 0);
    CopyBlock(face, cellPlace, strip, at);
    const int digitX = cell < 10 ? cell * kDigitWidth : kBlankDigitX;
    if (cell <= 10) bitmaps.draw({File::NumsEx, digitX, 0, kDigitWidth, kDigitHeight}, strip, at);
  }
  CopyBlock(face, kTimeColon, strip, QPoint(12 * kDigitWidth, 0));
  SkinDisplay time = Display(kTimeAt, atlas.add(strip), cellPlace.size(), 0, 0, 4);
  time.def.NarrowWidth = int16_t(kTimeColon.width());
  time.def.Spacing = kTimeDigitGap;
  time.anchor.setWidth(4 * (kDigitWidth + kTimeDigitGap) + kTimeColon.width());
  doc.displays[kDisplayTime] = time;
}

// The title, kbps and kHz in text.bmp's font, laid out as the engine's
// letter font.
void AddTexts(SkinDocument& doc, const Bitmaps& bitmaps, Atlas& atlas) {
  const QImage& text = bitmaps.of(File::Text);
  const QSize cell(kTextCellWidth, kTextCellHeight);
  QImage font = CutBlock(text, 0, 0, kTextColumns * cell.width(), kTextRows * cell.height());
  if (font.size() != QSize(kTextColumns * cell.width(), kTextRows * cell.height())) {
    QImage full(kTextColumns * cell.width(), kTextRows * cell.height(), QImage::Format_RGB32);
    full.fill(Qt::black);
    CopyBlock(font, font.rect(), full, QPoint(0, 0));
    font = full;
  }
  for (const TextCellMove& move : TextCellMoves()) {
    const QRect from(move.from.x() * cell.width(), move.from.y() * cell.height(), cell.width(),
                     cell.height());
    CopyBlock(text, from & text.rect(), font,
              QPoint(move.to.x() * cell.width(), move.to.y() * cell.height()));
  }
  const QPoint source = atlas.add(font);
  doc.displays[kDisplayTitle] = Display(kTitleAt, source, cell, 3, kTitleCells, kTitleCells);
  doc.displays[kDisplayBitrate] = Display(kBitrateAt, source, cell, 3, -3, 3);
  doc.displays[kDisplaySampleRate] = Display(kSampleRateAt, source, cell, 3, -2, 2);
}

}  // namespace

std::optional<SkinDocument> BuildSkin(const SkinFiles& files, const QString& fullPath,
                                      const QString& name, int64_t outlineBudget) {
  const Bitmaps bitmaps(files);
  if (bitmaps.of(File::Main).isNull()) return std::nullopt;
  const PlaylistColours colours = ReadPlaylistColours(files.file(QStringLiteral("pledit.txt")));

  SkinDocument doc;
  doc.outcome = SkinLoadOutcome::Loaded;
  doc.fullPath = fullPath;
  doc.baseFolder = GetDirPart(fullPath);
  doc.skinFolder = doc.baseFolder;
  doc.skinSetting = fullPath;
  doc.info = name;
  const int width = kMainSize.width();
  doc.sizes = {QSize(width, kMainSize.height() + kPlaylistHeight), kMainSize, QSize(width, 14)};
  doc.background = colours.normalBg;

  const QImage face = WindowFace(bitmaps);
  QImage window(doc.sizes[0], QImage::Format_RGB32);
  window.fill(colours.normalBg);
  CopyBlock(face, face.rect(), window, QPoint(0, 0));
  doc.mainBitmap = window;

  Atlas atlas;
  AddButtons(doc, bitmaps, face, atlas);
  AddLights(doc, bitmaps, face, atlas);
  AddSliders(doc, bitmaps, face, atlas);
  AddTime(doc, bitmaps, face, atlas);
  AddTexts(doc, bitmaps, atlas);
  doc.resourceBitmap = atlas.finish();

  SkinPlaylistBox playlist;
  playlist.rect = QRect(0, kMainSize.height(), width, kPlaylistHeight);
  playlist.textColour = colours.normal;
  playlist.background = colours.normalBg;
  playlist.selectionBackground = colours.selectedBg;
  playlist.face = colours.font;
  playlist.pointSize = 8;
  doc.playlistBox = playlist;

  const RegionPolygons polygons =
      ReadRegionSection(files.file(QStringLiteral("region.txt")), QStringLiteral("Normal"));
  if (std::optional<QRegion> outline =
          RegionOfPolygons(polygons, QRect(QPoint(0, 0), kMainSize), outlineBudget)) {
    doc.windowShape = *outline + playlist.rect;
  }
  return doc;
}

}  // namespace kd::classic
