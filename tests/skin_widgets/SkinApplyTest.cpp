// Applying skins to the window: elements shown and hidden, what persists
// across loads, sizes, pictures, shape, lights and what a grab of the window shows.

#include <gtest/gtest.h>

#include <QPixmap>

#include "WindowTestSupport.h"
#include "skin/widgets/ButtonZone.h"
#include "skin/widgets/CoverImage.h"
#include "skin/widgets/DisplayAnchor.h"
#include "skin/widgets/IndicatorLight.h"
#include "skin/widgets/PlaylistBox.h"
#include "skin/widgets/PressedImage.h"
#include "skin/widgets/SkinKnob.h"
#include "skin/widgets/SkinTextLabel.h"

namespace kd {
namespace {

using namespace test;

class SkinApply : public SkinWindowTest {
 protected:
  // The indexes of the shown elements of one kind, as "3 5 12".
  template <typename Element>
  QString shownOf(Element* (SkinWindow::*element)(int) const, int count) {
    QStringList indexes;
    for (int n = 1; n <= count; ++n) {
      if (shown((window.*element)(n))) indexes << QString::number(n);
    }
    return indexes.join(QLatin1Char(' '));
  }
  QString shownElements() {
    return shownOf(&SkinWindow::button, kSkinButtonCount) + " | " +
           shownOf(&SkinWindow::label, kSkinLabelCount) + " | " +
           shownOf(&SkinWindow::displayAnchor, kSkinDisplayCount) + " | " +
           shownOf(&SkinWindow::knob, kSkinSliderCount) + " | " +
           QString::number(shown(window.playlistBox())) +
           QString::number(window.isCoverImageVisible());
  }
};

TEST_F(SkinApply, ShowsExactlyTheElementsTheSkinDefinesWhereItPlacesThem) {
  EXPECT_EQ(window.size(), QSize(200, 100));
  EXPECT_EQ(shownElements(), "3 5 12 | 1 2 | 2 6 | 1 2 4 5 | 11");
  EXPECT_EQ(window.button(3)->geometry(), QRect(10, 10, 20, 10));
  EXPECT_EQ(window.keyMap()[12], QLatin1Char('P'));
  EXPECT_TRUE(window.keyMap()[4].isNull());  // a button the skin lacks answers no key
  EXPECT_EQ(window.displayAnchor(2)->geometry(), QRect(10, 50, 15, 7));
  EXPECT_EQ(window.playlistBox()->geometry(), QRect(100, 60, 60, 30));
  // Lights are placed but wait for the flags; lights the skin lacks lie off the window.
  EXPECT_FALSE(shown(window.light(2)));
  EXPECT_EQ(window.light(2)->geometry(), QRect(150, 5, 8, 8));
  EXPECT_EQ(window.light(1)->geometry(), QRect(-10, -10, 5, 5));
}

TEST_F(SkinApply, ASecondSkinReplacesTheFirstButKeepsLabelTexts) {
  SkinDocument first = SmallSkin();
  first.links[1] = QStringLiteral("night*");
  first.info = QStringLiteral("first");
  first.windowShape = QRegion(0, 0, 200, 100) - QRegion(0, 0, 10, 10);
  apply(first);
  EXPECT_EQ(window.skinLink(1), QStringLiteral("night*"));
  EXPECT_EQ(window.skinInfo(), QStringLiteral("first"));
  EXPECT_EQ(window.mask(), *first.windowShape);
  window.setLabelText(2, QStringLiteral("kept"));

  SkinDocument second = SmallSkin();
  second.buttons[12].reset();
  second.buttons[5]->key = QLatin1Char('X');
  second.buttons[3]->key = QLatin1Char(' ');
  second.labels[2].reset();
  second.displays[6].reset();
  second.sliders[1].reset();
  second.cover.reset();
  second.playlistBox.reset();
  apply(second);
  EXPECT_EQ(shownElements(), "3 5 | 1 | 2 | 2 4 5 | 00");
  // Button 12, gone with the second skin, no longer answers its key.
  EXPECT_EQ(QString(window.keyMap()[3]) + window.keyMap()[5], QStringLiteral(" X"));
  EXPECT_TRUE(window.keyMap()[12].isNull());
  EXPECT_EQ(window.label(2)->text(), QStringLiteral("kept"));
  EXPECT_EQ(window.sliderDef(1).W, 0);
  EXPECT_EQ(window.skinLink(1), QString());
  EXPECT_EQ(window.skinInfo(), QString());
  EXPECT_TRUE(window.mask().isEmpty());
  // A display the skin lacks draws nothing.
  const QImage before = window.backBuffer();
  window.drawDisplay(6, QStringLiteral("ABC"));
  EXPECT_EQ(window.backBuffer(), before);
}

TEST_F(SkinApply, MissingPicturesKeepThePreviousOnes) {
  SkinDocument second = SmallSkin();
  second.mainBitmap = QImage();
  second.resourceBitmap = QImage();
  second.background = qRgb(9, 9, 9);
  second.sizes[0] = QSize(300, 100);
  apply(second);
  EXPECT_EQ(window.backBuffer().pixel(20, 20), MainPixel(20, 20));
  EXPECT_EQ(window.backBuffer().pixel(280, 20), qRgb(9, 9, 9));
  Press(window.button(3), {1, 1});
  EXPECT_EQ(window.pressedImage()->picture().pixel(0, 0), ResourcePixel(100, 50));
}

TEST_F(SkinApply, SizeTogglesFollowTheSkinsSizesAndALoadResetsThemOnScreen) {
  window.toggleAlternateSize();
  EXPECT_EQ(window.size(), QSize(150, 80));
  window.toggleSmall();
  EXPECT_EQ(window.size(), QSize(100, 40));
  window.toggleAlternateSize();  // the small size stays while it is on
  EXPECT_EQ(window.size(), QSize(100, 40));
  EXPECT_EQ(window.alternateSize(), 0);
  window.toggleAlternateSize();
  window.toggleSmall();
  EXPECT_EQ(window.size(), QSize(150, 80));
  window.move(900, 700);
  apply(SmallSkin());
  EXPECT_EQ(window.alternateSize(), 0);
  EXPECT_EQ(window.isSmall(), 0);
  EXPECT_EQ(window.geometry(), QRect(824, 640, 200, 100));
}

TEST_F(SkinApply, LightsFollowTheFlagsAlsoAcrossLoads) {
  LightConditions playing;
  playing.playing = true;
  window.showLights(LightTable(playing));
  EXPECT_TRUE(shown(window.light(2)));
  EXPECT_TRUE(shown(window.light(4)));
  apply(SmallSkin());
  EXPECT_TRUE(shown(window.light(4)));
  window.showLights(LightTable({true, true, true, true, true, true, true, true, true}));
  EXPECT_FALSE(shown(window.light(18)));
  window.showLights(LightTable({}));
  EXPECT_FALSE(shown(window.light(2)) || shown(window.light(4)));
}

TEST_F(SkinApply, AGrabShowsBitmapDisplaysLightsAndCover) {
  LightConditions playing;
  playing.playing = true;
  window.showLights(LightTable(playing));
  // Showing the window asks for every display again.
  window.setDisplayRedraw([this] { window.drawDisplay(kDisplayTrack, 7.0); });
  window.showCoverImage(ResourceBitmap().copy(0, 0, 1, 1).scaled(10, 10));
  window.show();
  const QImage shot = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(shot.pixel(5, 5), MainPixel(5, 5));
  EXPECT_EQ(shot.pixel(20, 50), ResourcePixel(35, 0));  // the cell of 7
  EXPECT_EQ(shot.pixel(154, 9), qRgb(0, 255, 0));       // light 2, a rectangle
  EXPECT_EQ(shot.pixel(166, 9), qRgb(255, 0, 0));       // light 4, a circle...
  EXPECT_EQ(shot.pixel(162, 5), MainPixel(162, 5));     // ...leaves its corners
  EXPECT_EQ(shot.pixel(155, 35), ResourcePixel(0, 0));  // the cover, stretched
  window.clearCoverImage();
  EXPECT_TRUE(window.coverImage()->picture().isNull());
}

TEST_F(SkinApply, LabelsShowPlainTextInTheSkinsLook) {
  window.setLabelText(1, QStringLiteral("<b>3:25</b>"));
  EXPECT_EQ(window.label(1)->textFormat(), Qt::PlainText);
  EXPECT_TRUE(window.label(1)->alignment() & Qt::AlignRight);
  EXPECT_TRUE(window.label(2)->alignment() & Qt::AlignLeft);
  EXPECT_EQ(window.label(2)->palette().color(QPalette::WindowText), QColor(255, 255, 0));
  SkinDocument doc = SmallSkin();
  doc.labels[2]->face = QStringLiteral("No Such Face Anywhere");
  doc.labels[2]->bold = true;
  apply(doc);
  EXPECT_EQ(window.label(2)->font().family(), QStringLiteral("Arial"));
  EXPECT_TRUE(window.label(2)->font().bold());
}

TEST_F(SkinApply, RepaintAsksForTheDisplaysAndWritesTheClockLabel) {
  window.surface().setClock([] { return QTime(21, 7, 45); });
  window.surface().setAmPmTexts(QStringLiteral("AM"), QStringLiteral("PM"));
  window.setDisplayRedraw([this] {
    window.drawDisplay(kDisplayTrack, 7.0);
    window.drawDisplay(kDisplayTitle, QStringLiteral("A"));
  });
  window.setTimeFmt(0);
  window.redrawDisplays();
  EXPECT_EQ(window.backBuffer().pixel(20, 50), ResourcePixel(35, 0));  // track 7
  EXPECT_EQ(window.backBuffer().pixel(60, 50), ResourcePixel(4, 30));  // "A"
  EXPECT_EQ(window.label(3)->text(), QStringLiteral("09:07 PM"));
  window.setTimeFmt(1);
  window.redrawDisplays();
  EXPECT_EQ(window.label(3)->text(), QStringLiteral("21:07   "));
}

}  // namespace
}  // namespace kd
