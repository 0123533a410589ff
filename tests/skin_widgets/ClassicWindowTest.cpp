// A classic skin on the skinned window: its sprite lights, the on looks of
// its toggle buttons and the volume and balance frames that follow the knobs.

#include <gtest/gtest.h>

#include "../skin/ClassicTestSupport.h"
#include "WindowTestSupport.h"
#include "core/Commands.h"
#include "skin/classic/ClassicSkinBuilder.h"
#include "skin/widgets/ButtonZone.h"
#include "skin/widgets/IndicatorLight.h"
#include "skin/widgets/PressedImage.h"
#include "skin/widgets/SkinKnob.h"

namespace kd::test {
namespace {

class ClassicWindow : public SkinWindowTest {
 protected:
  void SetUp() override {
    SkinWindowTest::SetUp();
    apply(*classic::BuildSkin(classic::SkinFiles::fromArchive(skin.archive()),
                              QStringLiteral("/s/a.wsz"), QStringLiteral("a.wsz"), 1 << 24));
  }
  QString backPixel(int x, int y) { return QColor(window.backBuffer().pixel(x, y)).name(); }
  QString colour(const char* file, QRect rect) {
    return QColor(skin.colour(QString::fromLatin1(file), rect)).name();
  }

  GeneratedClassicSkin skin;
};

TEST_F(ClassicWindow, LightsShowTheirSpritesAndTogglesPressIntoTheirOnLooks) {
  LightStates lights{};
  lights[2] = true;   // playing
  lights[16] = true;  // shuffle
  window.showLights(lights);
  IndicatorLight* playing = window.light(2);
  ASSERT_TRUE(shown(playing));
  EXPECT_EQ(playing->geometry(), QRect(24, 28, 11, 9));
  EXPECT_EQ(QColor(playing->picture().pixel(6, 4)).name(), colour("playpaus", {1, 0, 8, 9}));
  EXPECT_FALSE(shown(window.light(3)));

  const int shuffle = int(Command::ToggleShuffle);
  Press(window.button(shuffle), {20, 7});
  EXPECT_EQ(QColor(window.pressedImage()->picture().pixel(20, 7)).name(),
            colour("shufrep", {28, 45, 47, 15}));
  Release(window.button(shuffle), {20, 7});
  EXPECT_EQ(takeReports().last(), QStringLiteral("ButtonUp %1").arg(shuffle));
  lights[16] = false;
  window.showLights(lights);
  Press(window.button(shuffle), {20, 7});
  EXPECT_EQ(QColor(window.pressedImage()->picture().pixel(20, 7)).name(),
            colour("shufrep", {28, 15, 47, 15}));
  Release(window.button(shuffle), {20, 7});
}

TEST_F(ClassicWindow, MonoAndStereoLampsLightForTheirItems) {
  LightStates lights{};
  lights[kMonoLight] = true;
  window.showLights(lights);
  ASSERT_TRUE(shown(window.light(kMonoLight)));
  EXPECT_FALSE(shown(window.light(1)));
  EXPECT_EQ(window.light(kMonoLight)->geometry(), QRect(212, 41, 27, 12));
  EXPECT_EQ(QColor(window.light(kMonoLight)->picture().pixel(13, 6)).name(),
            colour("monoster", {29, 0, 27, 12}));
  lights[kMonoLight] = false;
  lights[1] = true;
  window.showLights(lights);
  EXPECT_FALSE(shown(window.light(kMonoLight)));
  ASSERT_TRUE(shown(window.light(1)));
  EXPECT_EQ(QColor(window.light(1)->picture().pixel(14, 6)).name(),
            colour("monoster", {0, 0, 29, 12}));
}

// A skin of main.bmp alone: every element in the base skin's look, and the
// buttons work.
TEST_F(ClassicWindow, ASkinOfMainAloneShowsTheBaseLookAndPlays) {
  const QStringList others = {"titlebar", "cbuttons", "posbar",  "volume",  "balance", "monoster",
                              "playpaus", "numbers",  "nums_ex", "shufrep", "text"};
  apply(*classic::BuildSkin(classic::SkinFiles::fromArchive(skin.archive(others)),
                            QStringLiteral("/s/b.wsz"), QStringLiteral("b.wsz"), 1 << 24));
  const QString main = QColor(skin.mainColour()).name();
  for (const QPoint pixel : {QPoint(1, 1), QPoint(50, 97), QPoint(141, 57), QPoint(196, 57),
                             QPoint(225, 47), QPoint(30, 32), QPoint(165, 90)}) {
    EXPECT_NE(backPixel(pixel.x(), pixel.y()), main) << pixel.x() << "," << pixel.y();
  }
  takeReports();
  const int play = int(Command::Play);
  Press(window.button(play), {11, 9});
  Release(window.button(play), {11, 9});
  EXPECT_EQ(takeReports().last(), QStringLiteral("ButtonUp %1").arg(play));
}

TEST_F(ClassicWindow, VolumeAndBalanceFramesFollowTheirKnobs) {
  window.placeKnob(kSliderVolume, 1.0f);
  EXPECT_EQ(window.knob(kSliderVolume)->x(), 107 + 51);
  EXPECT_EQ(backPixel(140, 63), colour("volume", {0, 27 * 15, 68, 13}));
  window.placeKnob(kSliderVolume, 0.0f);
  EXPECT_EQ(backPixel(140, 63), colour("volume", {0, 0, 68, 13}));
  window.placeKnob(kSliderBalance, 0.5f);
  EXPECT_EQ(backPixel(195, 63), colour("balance", {9, 0, 38, 13}));
  window.placeKnob(kSliderBalance, 0.0f);
  EXPECT_EQ(backPixel(195, 63), colour("balance", {9, 27 * 15, 38, 13}));
}

TEST_F(ClassicWindow, WholeNumberScalesKeepEverySkinPixelASharpSquare) {
  window.placeKnob(kSliderVolume, 0.5f);
  const QImage plain = window.grab().toImage();
  for (const int scale : {2, 3}) {
    QImage device(window.size() * scale, QImage::Format_RGB32);
    device.setDevicePixelRatio(scale);
    window.render(&device);
    // Around the volume frame's edge and the knob: each skin pixel is a
    // scale x scale block of one colour, the same as the skin pixel.
    int mismatches = 0;
    for (int y = 50; y < 75; ++y) {
      for (int x = 100; x < 180; ++x) {
        const QRgb want = plain.pixel(x, y);
        for (int dy = 0; dy < scale; ++dy) {
          for (int dx = 0; dx < scale; ++dx) {
            mismatches += device.pixel(x * scale + dx, y * scale + dy) != want;
          }
        }
      }
    }
    EXPECT_EQ(mismatches, 0) << "scale " << scale;
  }
}

}  // namespace
}  // namespace kd::test
