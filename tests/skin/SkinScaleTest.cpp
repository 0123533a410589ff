// Enlarging a parsed skin by a whole number: every place and size follows,
// and every skin pixel becomes an exact square of the same colour.

#include <gtest/gtest.h>

#include "SkinTestSupport.h"
#include "skin/SkinScale.h"

namespace kd {
namespace {

using test::Line;

// A small skin with one element of every kind and a two-polygon outline.
SkinDocument SmallDocument() {
  SkinDocument doc;
  doc.outcome = SkinLoadOutcome::Loaded;
  doc.sizes = {QSize(60, 40), QSize(60, 20), QSize(30, 10)};
  doc.mainBitmap = test::PatternImage(60, 40);
  doc.resourceBitmap = test::PatternImage(50, 30);
  doc.buttons[12] =
      SkinButton{QRect(5, 6, 10, 4), QPoint(1, 2), QLatin1Char('P'), "Play", 3, QPoint(7, 8)};
  doc.labels[1] = SkinLabel{QRect(2, 3, 20, 8), 0, 9, "Sans", false, false, false, {}};
  SkinDisplay display;
  display.def = DisplayDef{1, 2, 5, 7, 2, 0, 1, -3};
  display.anchor = QRect(30, 4, 0, 0);
  doc.displays[2] = display;
  SkinSlider slider;
  slider.def = SliderDef{4, 30, 40, 0, 10, 20, 6, 3, 0};
  slider.knob = test::PatternImage(6, 3);
  slider.frames = SliderFrames{QRect(4, 28, 46, 7), QPoint(0, 10), 7, 4, true};
  doc.sliders[1] = slider;
  doc.lights[4] = SkinLight{QRect(50, 2, 4, 4), 0, LightShape::Circle, QPoint(11, 12)};
  doc.playlistBox = SkinPlaylistBox{QRect(1, 20, 30, 10), 0, 0, 8, "Sans", {}, {}};
  doc.cover = SkinCover{QRect(40, 10, 12, 12), {}};
  doc.windowShape = QRegion(0, 0, 60, 30) + QRegion(QRect(10, 30, 5, 10));
  return doc;
}

TEST(SkinScale, EveryPlaceSizeAndFontSizeIsMultiplied) {
  const SkinDocument doc = ScaleSkinDocument(SmallDocument(), 2);
  EXPECT_EQ(Line(doc.sizes[0], doc.sizes[1], doc.sizes[2]), "120x80 120x40 60x20");
  const SkinButton& button = *doc.buttons[12];
  EXPECT_EQ(Line(button.rect, button.press, button.pressWhenOn), "10,12 20x8 2,4 14,16");
  EXPECT_EQ(button.key, QLatin1Char('P'));
  EXPECT_EQ(Line(doc.labels[1]->rect, doc.labels[1]->pointSize), "4,6 40x16 18");
  const DisplayDef& cells = doc.displays[2]->def;
  EXPECT_EQ(Line(cells.SrcX, cells.SrcY, cells.CellWidth, cells.CellHeight, cells.NarrowWidth,
                 cells.Spacing, cells.Format, doc.displays[2]->anchor.topLeft()),
            "2 4 10 14 4 2 -3 60,8");
  const SkinSlider& slider = *doc.sliders[1];
  EXPECT_EQ(Line(slider.def.X, slider.def.Y, slider.def.W, slider.def.H, slider.def.SX,
                 slider.def.SY, slider.def.KW, slider.def.KH, slider.knob.size()),
            "8 60 80 0 20 40 12 6 12x6");
  EXPECT_EQ(
      Line(slider.frames->place, slider.frames->first, slider.frames->step, slider.frames->count),
      "8,56 92x14 0,20 14 4");
  EXPECT_EQ(Line(doc.lights[4]->rect, *doc.lights[4]->sprite), "100,4 8x8 22,24");
  EXPECT_EQ(Line(doc.playlistBox->rect, doc.playlistBox->pointSize, doc.cover->rect),
            "2,40 60x20 16 80,20 24x24");
  // The outline: both polygons doubled, nothing else inside.
  EXPECT_EQ(*doc.windowShape, QRegion(0, 0, 120, 60) + QRegion(QRect(20, 60, 10, 20)));
}

TEST(SkinScale, EverySkinPixelBecomesAnExactSquare) {
  const SkinDocument original = SmallDocument();
  for (const int factor : {2, 3}) {
    const SkinDocument doc = ScaleSkinDocument(original, factor);
    for (const auto& [before, after] :
         {std::pair{original.mainBitmap, doc.mainBitmap},
          std::pair{original.resourceBitmap, doc.resourceBitmap},
          std::pair{original.sliders[1]->knob, doc.sliders[1]->knob}}) {
      ASSERT_EQ(after.size(), before.size() * factor);
      for (int y = 0; y < after.height(); ++y) {
        for (int x = 0; x < after.width(); ++x) {
          ASSERT_EQ(after.pixel(x, y), before.pixel(x / factor, y / factor))
              << "factor " << factor << " at " << x << "," << y;
        }
      }
    }
  }
}

TEST(SkinScale, ASkinTooLargeToEnlargeAndFactorOneStayAsRead) {
  SkinDocument huge = SmallDocument();
  huge.mainBitmap = QImage(5000, 4000, QImage::Format_RGB32);  // 80 M pixels doubled
  EXPECT_FALSE(CanScaleSkinDocument(huge, 2));
  EXPECT_EQ(ScaleSkinDocument(huge, 2).sizes[0], QSize(60, 40));
  SkinDocument far = SmallDocument();
  far.sliders[1]->def.X = 20000;  // doubled, past the 16-bit range
  EXPECT_EQ(ScaleSkinDocument(far, 2).buttons[12]->rect, QRect(5, 6, 10, 4));
  EXPECT_EQ(ScaleSkinDocument(SmallDocument(), 1).mainBitmap.size(), QSize(60, 40));
  // A picture the skin does not bring stays absent.
  SkinDocument faceless = SmallDocument();
  faceless.mainBitmap = QImage();
  EXPECT_TRUE(ScaleSkinDocument(faceless, 2).mainBitmap.isNull());
}

}  // namespace
}  // namespace kd
