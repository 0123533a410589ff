// Classic skins against the facts of the format: a generated skin whose every
// sprite is a flat colour shows each placement in one pixel.

#include <gtest/gtest.h>

#include <QSet>

#include "ClassicTestSupport.h"
#include "SkinTestSupport.h"
#include "core/Commands.h"
#include "skin/BlockCopy.h"
#include "skin/SkinView.h"
#include "skin/classic/ClassicBaseSkin.h"
#include "skin/classic/ClassicSkinBuilder.h"

namespace kd::test {
namespace {

using classic::SkinFiles;

SkinDocument Build(const QByteArray& archive) {
  std::optional<SkinDocument> doc =
      classic::BuildSkin(SkinFiles::fromArchive(archive), QStringLiteral("/skins/Blue.wsz"),
                         QStringLiteral("Blue.wsz"), int64_t{1} << 24);
  return doc ? *doc : SkinDocument{};
}

int DistinctColours(const QImage& picture) {
  QSet<QRgb> colours;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) colours.insert(picture.pixel(x, y));
  }
  return int(colours.size());
}

QPoint Centre(const QRect& rect) {
  return rect.topLeft() + QPoint(rect.width() / 2, rect.height() / 2);
}

struct Placement {
  const char* file;
  QRect sprite;
  QPoint at;  // on the window, or in the piece the test looks at
};

TEST(ClassicSkin, WindowShowsTitleBarAndEveryControlAtRest) {
  const GeneratedClassicSkin skin;
  const SkinDocument doc = Build(skin.archive());
  ASSERT_EQ(doc.outcome, SkinLoadOutcome::Loaded);
  const Placement resting[] = {
      {"titlebar", {27, 0, 275, 14}, {0, 0}},   {"titlebar", {304, 0, 8, 43}, {10, 22}},
      {"cbuttons", {0, 0, 23, 18}, {16, 88}},   {"cbuttons", {23, 0, 23, 18}, {39, 88}},
      {"cbuttons", {46, 0, 23, 18}, {62, 88}},  {"cbuttons", {69, 0, 23, 18}, {85, 88}},
      {"cbuttons", {92, 0, 22, 18}, {108, 88}}, {"cbuttons", {114, 0, 22, 16}, {136, 89}},
      {"shufrep", {0, 0, 28, 15}, {210, 89}},   {"shufrep", {28, 0, 47, 15}, {164, 89}},
      {"shufrep", {0, 61, 23, 12}, {219, 58}},  {"monoster", {29, 12, 27, 12}, {212, 41}},
      {"monoster", {0, 12, 29, 12}, {239, 41}}, {"playpaus", {18, 0, 9, 9}, {26, 28}},
      {"posbar", {0, 0, 248, 10}, {16, 72}},    {"volume", {0, 0, 68, 13}, {107, 57}},
      {"balance", {9, 0, 38, 13}, {177, 57}},
  };
  for (const Placement& p : resting) {
    const QPoint pixel = p.at + Centre(QRect(QPoint(0, 0), p.sprite.size()));
    EXPECT_EQ(Colour(doc.mainBitmap.pixel(pixel)), Colour(skin.colour(p.file, p.sprite)))
        << p.file << " " << Line(p.sprite);
  }
  // Outside every sprite main.bmp shows; below it the playlist's background.
  EXPECT_EQ(Colour(doc.mainBitmap.pixel(200, 20)), Colour(skin.mainColour()));
  EXPECT_EQ(Colour(doc.mainBitmap.pixel(100, 150)), Colour(qRgb(0x0A, 0x12, 0x0A)));
}

TEST(ClassicSkin, ButtonsRunTheirCommandsWithTheirPressedLooks) {
  const GeneratedClassicSkin skin;
  const SkinDocument doc = Build(skin.archive());
  struct Pressed {
    Command command;
    QRect place;
    const char* file;
    QRect sprite;
  };
  const Pressed buttons[] = {
      {Command::PreviousEntry, {16, 88, 23, 18}, "cbuttons", {0, 18, 23, 18}},
      {Command::Play, {39, 88, 23, 18}, "cbuttons", {23, 18, 23, 18}},
      {Command::Pause, {62, 88, 23, 18}, "cbuttons", {46, 18, 23, 18}},
      {Command::Stop, {85, 88, 23, 18}, "cbuttons", {69, 18, 23, 18}},
      {Command::NextEntry, {108, 88, 22, 18}, "cbuttons", {92, 18, 22, 18}},
      {Command::OpenAndPlay, {136, 89, 22, 16}, "cbuttons", {114, 16, 22, 16}},
      {Command::Hide, {244, 3, 9, 9}, "titlebar", {9, 9, 9, 9}},
      {Command::ToggleSmall, {254, 3, 9, 9}, "titlebar", {9, 18, 9, 9}},
      {Command::Quit, {264, 3, 9, 9}, "titlebar", {18, 9, 9, 9}},
      {Command::ToggleShuffle, {164, 89, 47, 15}, "shufrep", {28, 15, 47, 15}},
      {Command::ToggleRepeat, {210, 89, 28, 15}, "shufrep", {0, 15, 28, 15}},
  };
  for (const Pressed& b : buttons) {
    const std::optional<SkinButton>& button = doc.buttons[size_t(b.command)];
    ASSERT_TRUE(button) << int(b.command);
    EXPECT_EQ(Line(button->rect), Line(b.place));
    EXPECT_FALSE(button->tip.isEmpty());
    const QPoint pixel = button->press + Centre(QRect(QPoint(0, 0), b.place.size()));
    EXPECT_EQ(Colour(doc.resourceBitmap.pixel(pixel)), Colour(skin.colour(b.file, b.sprite)))
        << int(b.command);
  }
  // Shuffle and repeat press into their on looks while their lights are lit.
  const SkinButton& shuffle = *doc.buttons[size_t(Command::ToggleShuffle)];
  EXPECT_EQ(shuffle.onWithLight, 16);
  EXPECT_EQ(Colour(doc.resourceBitmap.pixel(shuffle.pressWhenOn + QPoint(20, 7))),
            Colour(skin.colour("shufrep", {28, 45, 47, 15})));
  const SkinButton& repeat = *doc.buttons[size_t(Command::ToggleRepeat)];
  EXPECT_EQ(repeat.onWithLight, 13);
  EXPECT_EQ(Colour(doc.resourceBitmap.pixel(repeat.pressWhenOn + QPoint(14, 7))),
            Colour(skin.colour("shufrep", {0, 45, 28, 15})));
  // Buttons answer the player's usual key letters.
  EXPECT_EQ(doc.buttons[size_t(Command::Play)]->key, QLatin1Char('X'));
}

TEST(ClassicSkin, LightsFramesKnobsAndFontsComeFromTheirSprites) {
  const GeneratedClassicSkin skin;
  const SkinDocument doc = Build(skin.archive());
  const QImage& res = doc.resourceBitmap;
  const auto spritePixel = [&](int light, QPoint inside) {
    return Colour(res.pixel(*doc.lights[size_t(light)]->sprite + inside));
  };
  EXPECT_EQ(Line(doc.lights[1]->rect), "239,41 29x12");
  EXPECT_EQ(spritePixel(1, {14, 6}), Colour(skin.colour("monoster", {0, 0, 29, 12})));
  // Playing: the work lamp, then the play mark from column 1 of its cell.
  EXPECT_EQ(Line(doc.lights[2]->rect), "24,28 11x9");
  EXPECT_EQ(spritePixel(2, {1, 4}), Colour(skin.colour("playpaus", {36, 0, 3, 9})));
  EXPECT_EQ(spritePixel(2, {3, 4}), Colour(skin.colour("playpaus", {1, 0, 8, 9})));
  EXPECT_EQ(spritePixel(2, {10, 4}), Colour(skin.colour("playpaus", {1, 0, 8, 9})));
  // Paused: the idle strip, then the pause mark.
  EXPECT_EQ(spritePixel(3, {0, 4}), Colour(skin.colour("playpaus", {27, 0, 2, 9})));
  EXPECT_EQ(spritePixel(3, {6, 4}), Colour(skin.colour("playpaus", {9, 0, 9, 9})));
  EXPECT_EQ(spritePixel(16, {20, 7}), Colour(skin.colour("shufrep", {28, 30, 47, 15})));
  EXPECT_EQ(spritePixel(13, {14, 7}), Colour(skin.colour("shufrep", {0, 30, 28, 15})));

  // Volume and balance: 28 frames, 15 rows apart; knobs from row 422.
  const SkinSlider& volume = *doc.sliders[kSliderVolume];
  ASSERT_TRUE(volume.frames);
  EXPECT_EQ(Line(volume.frames->place), "107,57 68x13");
  for (const int frame : {0, 13, 27}) {
    const QPoint pixel = volume.frames->first + QPoint(34, frame * volume.frames->step + 6);
    EXPECT_EQ(Colour(res.pixel(pixel)), Colour(skin.colour("volume", {0, 15 * frame, 68, 13})));
  }
  const SkinSlider& balance = *doc.sliders[kSliderBalance];
  EXPECT_TRUE(balance.frames->centred);
  EXPECT_EQ(Colour(res.pixel(balance.frames->first + QPoint(19, 27 * 15 + 6))),
            Colour(skin.colour("balance", {9, 405, 38, 13})));
  EXPECT_EQ(Colour(volume.knob.pixel(7, 5)), Colour(skin.colour("volume", {15, 422, 14, 11})));
  EXPECT_EQ(Colour(balance.knob.pixel(7, 5)), Colour(skin.colour("balance", {15, 422, 14, 11})));
  EXPECT_EQ(Colour(doc.sliders[kSliderPosition]->knob.pixel(14, 5)),
            Colour(skin.colour("posbar", {248, 0, 29, 10})));
  EXPECT_EQ(Line(volume.def.X, volume.def.Y, volume.def.W), "107 58 51");
  EXPECT_EQ(Line(balance.def.X, balance.def.Y, balance.def.W), "177 58 24");

  // Time digits from nums_ex.bmp, placed 48, 60 : 78, 90.
  const SkinDisplay& time = *doc.displays[kDisplayTime];
  EXPECT_EQ(Line(time.anchor.topLeft()), "48,26");
  EXPECT_EQ(time.def.CellWidth + time.def.Spacing, 12);
  EXPECT_EQ(2 * (time.def.CellWidth + time.def.Spacing) + time.def.NarrowWidth + time.def.Spacing,
            30);
  for (int digit = 0; digit <= 10; ++digit) {
    const QPoint pixel(time.def.SrcX + 9 * digit + 4, time.def.SrcY + 6);
    EXPECT_EQ(Colour(res.pixel(pixel)), Colour(skin.colour("nums_ex", {9 * digit, 0, 9, 13})));
  }

  // The letter font: text.bmp's cells, with the signs the two layouts place
  // differently moved to where the engine looks for them.
  const SkinDisplay& title = *doc.displays[kDisplayTitle];
  EXPECT_EQ(Line(title.anchor.topLeft(), title.def.FontKind), "111,27 3");
  const auto cell = [&](int column, int row) {
    return Colour(res.pixel(title.def.SrcX + 5 * column + 2, title.def.SrcY + 6 * row + 3));
  };
  const auto textCell = [&](int column, int row) {
    return Colour(skin.colour("text", {5 * column, 6 * row, 5, 6}));
  };
  EXPECT_EQ(cell(0, 0), textCell(0, 0));    // A
  EXPECT_EQ(cell(5, 1), textCell(5, 1));    // 5
  EXPECT_EQ(cell(12, 1), textCell(12, 1));  // :
  EXPECT_EQ(cell(27, 0), textCell(26, 0));  // "
  EXPECT_EQ(cell(29, 0), textCell(30, 0));  // blank
  EXPECT_EQ(cell(26, 1), textCell(11, 1));  // .
  EXPECT_EQ(cell(28, 1), textCell(30, 1));  // #
  EXPECT_EQ(Line(doc.displays[kDisplayBitrate]->anchor.topLeft()), "111,43");
  EXPECT_EQ(Line(doc.displays[kDisplaySampleRate]->anchor.topLeft()), "156,43");
}

TEST(ClassicSkin, MissingFilesTakeTheirSubstitutesOrTheBaseSkin) {
  const GeneratedClassicSkin skin;
  const SkinDocument doc =
      Build(skin.archive({QStringLiteral("balance"), QStringLiteral("nums_ex"),
                          QStringLiteral("cbuttons"), QStringLiteral("text")}));
  ASSERT_EQ(doc.outcome, SkinLoadOutcome::Loaded);
  const QImage& res = doc.resourceBitmap;
  // Balance frames and knob from volume.bmp at the same rectangles.
  const SkinSlider& balance = *doc.sliders[kSliderBalance];
  EXPECT_EQ(Colour(res.pixel(balance.frames->first + QPoint(19, 15 * 5 + 6))),
            Colour(skin.colour("volume", {0, 75, 68, 13})));
  EXPECT_EQ(Colour(balance.knob.pixel(7, 5)), Colour(skin.colour("volume", {15, 422, 14, 11})));
  // Digits from numbers.bmp.
  const SkinDisplay& time = *doc.displays[kDisplayTime];
  EXPECT_EQ(Colour(res.pixel(time.def.SrcX + 9 * 7 + 4, time.def.SrcY + 6)),
            Colour(skin.colour("numbers", {63, 0, 9, 13})));
  // No cbuttons.bmp: the base skin's buttons, at rest and pressed.
  const SkinButton& play = *doc.buttons[size_t(Command::Play)];
  const QImage& base = classic::BaseSheet(classic::File::CButtons);
  EXPECT_EQ(Colour(doc.mainBitmap.pixel(39 + 11, 88 + 9)), Colour(base.pixel(23 + 11, 9)));
  EXPECT_EQ(Colour(res.pixel(play.press + QPoint(11, 9))), Colour(base.pixel(23 + 11, 18 + 9)));
  // No text.bmp: the base skin's letters.
  ASSERT_TRUE(doc.displays[kDisplayTitle]);
  const SkinDisplay& title = *doc.displays[kDisplayTitle];
  const QImage& text = classic::BaseSheet(classic::File::Text);
  EXPECT_EQ(CutBlock(res, title.def.SrcX, title.def.SrcY, 130, 6),  // A-Z
            CutBlock(text, 0, 0, 130, 6));
}

// Each optional file left out in turn: its element shows the base skin's
// look, not main.bmp.
TEST(ClassicSkin, EveryMissingFileShowsTheBaseSkinsLook) {
  const GeneratedClassicSkin skin;
  const struct {
    QStringList skip;
    QPoint pixel;  // on the window, in the element's resting look
  } cases[] = {
      {{"titlebar"}, {1, 1}},
      {{"cbuttons"}, {39 + 11, 88 + 9}},
      {{"posbar"}, {16 + 120, 72 + 8}},
      {{"volume"}, {107 + 34, 57}},
      {{"volume", "balance"}, {177 + 19, 57}},
      {{"monoster"}, {212 + 13, 41 + 6}},
      {{"playpaus"}, {26 + 4, 28 + 4}},
      {{"shufrep"}, {164 + 1, 89 + 1}},
  };
  for (const auto& c : cases) {
    const SkinDocument doc = Build(skin.archive(c.skip));
    ASSERT_EQ(doc.outcome, SkinLoadOutcome::Loaded) << c.skip.join(' ').toStdString();
    EXPECT_NE(Colour(doc.mainBitmap.pixel(c.pixel)), Colour(skin.mainColour()))
        << c.skip.join(' ').toStdString();
  }
  // Digits: without either digit file every digit cell is drawn, and they differ.
  const SkinDocument digits = Build(skin.archive({"numbers", "nums_ex"}));
  const SkinDisplay& time = *digits.displays[kDisplayTime];
  QSet<QByteArray> cells;
  for (int digit = 0; digit < 10; ++digit) {
    const QImage cell =
        CutBlock(digits.resourceBitmap, time.def.SrcX + 9 * digit, time.def.SrcY, 9, 13);
    EXPECT_GT(DistinctColours(cell), 1) << digit;
    cells.insert(QByteArray(reinterpret_cast<const char*>(cell.constBits()), cell.sizeInBytes()));
  }
  EXPECT_EQ(cells.size(), 10);
  // main.bmp stays required.
  EXPECT_EQ(Build(skin.archive({"main"})).outcome, SkinLoadOutcome::NotFound);
}

TEST(ClassicSkin, SizesOutlineAndPlaylistColours) {
  const GeneratedClassicSkin skin;
  ZipEntries entries = skin.entries();
  entries << qMakePair(
      QStringLiteral("region.txt"),
      QByteArray("[Normal]\nNumPoints=4,4\n"
                 "PointList=0,0, 275,0 275,14 0,14, 10,14,265,14,265,116,10,116\n"));
  entries << qMakePair(QStringLiteral("pledit.txt"),
                       QByteArray("[Text]\nNormal=#00FF00\nNormalBG=102030 // dark\n"
                                  "SelectedBG=#123\nFont=Arial\n"));
  const SkinDocument doc = Build(ZipBytes(entries));
  EXPECT_EQ(Line(doc.sizes[0], doc.sizes[1], doc.sizes[2]), "275x232 275x116 275x14");
  EXPECT_EQ(doc.info, "Blue.wsz");
  EXPECT_EQ(doc.skinSetting.value_or(QString()), "/skins/Blue.wsz");
  ASSERT_TRUE(doc.windowShape);
  EXPECT_TRUE(doc.windowShape->contains(QPoint(2, 5)));    // title bar
  EXPECT_FALSE(doc.windowShape->contains(QPoint(2, 50)));  // left of the body
  EXPECT_TRUE(doc.windowShape->contains(QPoint(12, 50)));
  EXPECT_TRUE(doc.windowShape->contains(QPoint(2, 200)));  // the playlist below
  ASSERT_TRUE(doc.playlistBox);
  EXPECT_EQ(Line(doc.playlistBox->rect), "0,116 275x116");
  EXPECT_EQ(Colour(doc.playlistBox->textColour), "#00ff00");
  EXPECT_EQ(Colour(doc.playlistBox->background), "#102030");
  EXPECT_EQ(Colour(doc.playlistBox->selectionBackground.value_or(0)), "#0a124a");  // too short
  EXPECT_EQ(doc.playlistBox->face, "Arial");
  EXPECT_EQ(Colour(doc.mainBitmap.pixel(100, 200)), "#102030");
}

TEST(ClassicSkin, SliderFramesFollowTheKnob) {
  SliderFrames volume{{}, {}, 15, 28, false};
  EXPECT_EQ(Line(SliderFrameIndex(volume, 0, 51), SliderFrameIndex(volume, 25, 51),
                 SliderFrameIndex(volume, 51, 51), SliderFrameIndex(volume, 80, 51)),
            "0 13 27 27");
  SliderFrames balance{{}, {}, 15, 28, true};
  EXPECT_EQ(Line(SliderFrameIndex(balance, 12, 24), SliderFrameIndex(balance, 0, 24),
                 SliderFrameIndex(balance, 24, 24), SliderFrameIndex(balance, 6, 24),
                 SliderFrameIndex(balance, 18, 24)),
            "0 27 27 14 14");
}

}  // namespace
}  // namespace kd::test
