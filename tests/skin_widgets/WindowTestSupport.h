#pragma once
// Helpers for the skinned-window tests: a small skin built by hand whose
// pictures tell by their pixels where a pixel came from, a handler that
// records every report, and synthetic mouse, key and drop events.

#include <gtest/gtest.h>

#include <QImage>
#include <QPointF>
#include <QStringList>
#include <QUrl>
#include <QWidget>

#include "skin/SkinDocument.h"
#include "skin/widgets/SkinWindow.h"
#include "skin/widgets/SkinWindowHandler.h"

namespace kd::test {

// Resource bitmap pixel (x, y) is ResourcePixel(x, y); main bitmap pixel
// (x, y) is MainPixel(x, y); both 256 x 128.
inline QRgb ResourcePixel(int x, int y) {
  return qRgb(x & 0xFF, y & 0xFF, 200);
}
inline QRgb MainPixel(int x, int y) {
  return qRgb(x & 0xFF, y & 0xFF, 77);
}
QImage ResourceBitmap();

// A 200 x 100 skin (alternate 150 x 80, small 100 x 40):
//  buttons 3 (10,10 20x10, pressed image at 100,50), 5 (40,10 20x10,
//    pressed image at its own place) and 12 (70,10 20x10, at 120,60),
//    with key letters "C", "E" and "P";
//  labels 1 (10,30 60x12, white) and 2 (80,30 60x12, yellow);
//  display 2: digit strip at the resource's (0,0), cells 5 x 7, narrow 2,
//    format -3, anchor (10,50); display 6: character grid at (0,20),
//    cells 4 x 5, format 8, anchor (60,50);
//  sliders 1 horizontal (X 20, Y 70, W 100, knob 10x6 from 0,100),
//    2 vertical (X 180, Y 20, H 50, knob 8x6), 4 volume bar (X 130,
//    Y 90, W 60, knob 60x4), 5 without travel (X 20, Y 80);
//  lights 2 (150,5 8x8, green rectangle), 4 (162,5 8x8, red circle),
//    18 (174,5 8x8);
//  the playlist box (100,60 60x30, white on black, tip "Playlist") and the
//  cover (140,20 30x30).
SkinDocument SmallSkin();

// Records every report as a line ("ButtonUp 12", "MoveKnob 1 0.25", ...).
class RecordingHandler : public SkinWindowHandler {
 public:
  void buttonUp(int index) override { log(QStringLiteral("ButtonUp %1").arg(index)); }
  void keyTyped(QChar character) override { log(QStringLiteral("KeyTyped ") + character); }
  void labelClicked(int index) override { log(QStringLiteral("LabelClicked %1").arg(index)); }
  void pressKnob(int index, bool horizontal) override {
    log(QStringLiteral("PressKnob %1 %2").arg(index).arg(horizontal ? "h" : "v"));
  }
  void moveKnob(int index, float value) override;
  void releaseKnob(int index) override { log(QStringLiteral("ReleaseKnob %1").arg(index)); }
  void doubleClickKnob(int index) override { log(QStringLiteral("DoubleClickKnob %1").arg(index)); }
  void wheelOnSlider(int index, int steps) override {
    log(QStringLiteral("WheelOnSlider %1 %2").arg(index).arg(steps));
  }
  void playlistDoubleClicked(int row) override {
    log(QStringLiteral("PlaylistDoubleClicked %1").arg(row));
  }
  void playlistDeletePressed() override { log(QStringLiteral("PlaylistDeletePressed")); }
  void coverDoubleClicked() override { log(QStringLiteral("CoverDoubleClicked")); }
  void filesDropped(const QStringList& paths) override {
    log(QStringLiteral("FilesDropped ") + paths.join(QLatin1Char(' ')));
  }
  void popupRequested(QPoint at) override {
    log(QStringLiteral("PopupRequested %1,%2").arg(at.x()).arg(at.y()));
  }
  void closeRequested() override { log(QStringLiteral("CloseRequested")); }
  void activated() override { log(QStringLiteral("Activated")); }

  QStringList reports;
  // Called with every moveKnob, as the application places the knob.
  std::function<void(int, float)> onMove;

 private:
  void log(const QString& report) { reports << report; }
};

// A window with SmallSkin applied at (100, 100) on a 1024 x 768 screen
// (work area 1024 x 740, 15 twips per pixel), reporting to `handler`.
class SkinWindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void apply(const SkinDocument& doc) { window.applySkin(doc); }
  QStringList takeReports() { return std::exchange(handler.reports, {}); }
  bool shown(QWidget* widget) { return widget->isVisibleTo(&window); }

  SkinWindow window;
  RecordingHandler handler;
};

// Synthetic mouse events at `local` (widget coordinates); the global
// position follows from the widget's place on the screen.
void Press(QWidget* widget, QPointF local, Qt::MouseButton button = Qt::LeftButton);
void Release(QWidget* widget, QPointF local, Qt::MouseButton button = Qt::LeftButton);
void Move(QWidget* widget, QPointF local, Qt::MouseButtons buttons = Qt::NoButton);
void DoubleClick(QWidget* widget, QPointF local, Qt::MouseButton button = Qt::LeftButton);
// A key press with `text` (Escape is Qt::Key_Escape with "\x1b").
void Type(QWidget* widget, const QString& text, int key = 0);
// Drags `urls` (and `text`, when given) onto `widget` and drops them there
// when the drag is taken; returns whether it was taken as a copy.
bool Drop(QWidget* widget, const QList<QUrl>& urls, const QString& text = {});

}  // namespace kd::test
