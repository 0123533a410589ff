#include "WindowTestSupport.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "skin/BlockCopy.h"
#include "skin/DisplayText.h"

namespace kd::test {

QRgb ResourcePixel(int x, int y) {
  return qRgb(x & 0xFF, y & 0xFF, 200);
}

QRgb MainPixel(int x, int y) {
  return qRgb(x & 0xFF, y & 0xFF, 77);
}

namespace {

QImage Pattern(QRgb (*pixel)(int, int)) {
  QImage image(256, 128, QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, pixel(x, y));
  }
  return image;
}

SkinButton Button(QRect rect, QPoint press, QChar key) {
  return SkinButton{rect, press, key, QStringLiteral("tip")};
}

SkinLabel Label(QRect rect, QRgb colour) {
  SkinLabel label;
  label.rect = rect;
  label.colour = colour;
  label.pointSize = 8;
  label.face = QStringLiteral("Sans");
  return label;
}

SkinSlider Slider(int16_t x, int16_t y, int16_t w, int16_t h, int16_t sx, int16_t sy, int16_t kw,
                  int16_t kh) {
  SkinSlider slider;
  slider.def = SliderDef{x, y, w, h, sx, sy, kw, kh, 0};
  slider.knob = CutBlock(ResourceBitmap(), sx, sy, kw, kh);
  return slider;
}

SkinDisplay Display(QPoint anchor, DisplayDef def) {
  return SkinDisplay{def, QRect(anchor, DisplayAnchorSize(def)), QString()};
}

void SendMouse(QWidget* widget, QEvent::Type type, QPointF local, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
  const QPointF global = widget->mapToGlobal(local);
  QMouseEvent event(type, local, global, button, buttons, Qt::NoModifier);
  QCoreApplication::sendEvent(widget, &event);
}

}  // namespace

QImage ResourceBitmap() {
  return Pattern(ResourcePixel);
}

QImage MainBitmap() {
  return Pattern(MainPixel);
}

SkinDocument SmallSkin() {
  SkinDocument doc;
  doc.outcome = SkinLoadOutcome::Loaded;
  doc.sizes = {QSize(200, 100), QSize(150, 80), QSize(100, 40)};
  doc.mainBitmap = MainBitmap();
  doc.resourceBitmap = ResourceBitmap();
  doc.background = qRgb(1, 2, 3);
  doc.buttons[3] = Button(QRect(10, 10, 20, 10), QPoint(100, 50), QLatin1Char('C'));
  doc.buttons[5] = Button(QRect(40, 10, 20, 10), QPoint(40, 10), QLatin1Char('E'));
  doc.buttons[12] = Button(QRect(70, 10, 20, 10), QPoint(120, 60), QLatin1Char('P'));
  doc.labels[1] = Label(QRect(10, 30, 60, 12), qRgb(255, 255, 255));
  doc.labels[2] = Label(QRect(80, 30, 60, 12), qRgb(255, 255, 0));
  doc.displays[2] = Display(QPoint(10, 50), DisplayDef{0, 0, 5, 7, 2, 0, 0, -3});
  doc.displays[6] = Display(QPoint(60, 50), DisplayDef{0, 20, 4, 5, 0, 1, 0, 8});
  doc.sliders[1] = Slider(20, 70, 100, 0, 0, 100, 10, 6);
  doc.sliders[2] = Slider(180, 20, 0, 50, 20, 100, 8, 6);
  doc.sliders[4] = Slider(130, 90, 60, 0, 0, 110, 60, 4);
  doc.sliders[5] = Slider(20, 80, 0, 0, 40, 100, 6, 6);
  doc.lights[2] = SkinLight{QRect(150, 5, 8, 8), qRgb(0, 255, 0), LightShape::Rectangle};
  doc.lights[4] = SkinLight{QRect(162, 5, 8, 8), qRgb(255, 0, 0), LightShape::Circle};
  doc.lights[18] = SkinLight{QRect(174, 5, 8, 8), qRgb(0, 0, 255), LightShape::Rectangle};
  doc.playlistBox =
      SkinPlaylistBox{QRect(100, 60, 60, 30), qRgb(255, 255, 255),       qRgb(0, 0, 0), 8,
                      QStringLiteral("Sans"), QStringLiteral("Playlist")};
  doc.cover = SkinCover{QRect(140, 20, 30, 30), QStringLiteral("Cover")};
  return doc;
}

void RecordingHandler::ButtonUp(int index) {
  reports << QStringLiteral("ButtonUp %1").arg(index);
}
void RecordingHandler::KeyTyped(QChar character) {
  reports << QStringLiteral("KeyTyped ") + character;
}
void RecordingHandler::LabelClicked(int index) {
  reports << QStringLiteral("LabelClicked %1").arg(index);
}
void RecordingHandler::PressKnob(int index, bool horizontal) {
  reports << QStringLiteral("PressKnob %1 %2").arg(index).arg(horizontal ? "h" : "v");
}
void RecordingHandler::MoveKnob(int index, float value) {
  reports << QStringLiteral("MoveKnob %1 %2").arg(index).arg(double(value), 0, 'g', 4);
  if (onMove) onMove(index, value);
}
void RecordingHandler::ReleaseKnob(int index) {
  reports << QStringLiteral("ReleaseKnob %1").arg(index);
}
void RecordingHandler::DoubleClickKnob(int index) {
  reports << QStringLiteral("DoubleClickKnob %1").arg(index);
}
void RecordingHandler::PlaylistDoubleClicked(int row) {
  reports << QStringLiteral("PlaylistDoubleClicked %1").arg(row);
}
void RecordingHandler::PlaylistDeletePressed() {
  reports << QStringLiteral("PlaylistDeletePressed");
}
void RecordingHandler::CoverDoubleClicked() {
  reports << QStringLiteral("CoverDoubleClicked");
}
void RecordingHandler::FilesDropped(const QStringList& paths) {
  reports << QStringLiteral("FilesDropped ") + paths.join(QLatin1Char(' '));
}
void RecordingHandler::PopupRequested(QPoint globalPos) {
  reports << QStringLiteral("PopupRequested %1,%2").arg(globalPos.x()).arg(globalPos.y());
}
void RecordingHandler::CloseRequested() {
  reports << QStringLiteral("CloseRequested");
}
void RecordingHandler::Activated() {
  reports << QStringLiteral("Activated");
}

void SkinWindowTest::SetUp() {
  window.setScreenOverride(QRect(0, 0, 1024, 740), TwipScale{15, 15});
  window.setHandler(&handler);
  window.move(100, 100);
  window.applySkin(SmallSkin());
}

QStringList SkinWindowTest::takeReports() {
  QStringList reports = handler.reports;
  handler.reports.clear();
  return reports;
}

void Press(QWidget* widget, QPointF local, Qt::MouseButton button) {
  SendMouse(widget, QEvent::MouseButtonPress, local, button, button);
}

void Release(QWidget* widget, QPointF local, Qt::MouseButton button) {
  SendMouse(widget, QEvent::MouseButtonRelease, local, button, Qt::NoButton);
}

void Move(QWidget* widget, QPointF local, Qt::MouseButtons buttons) {
  SendMouse(widget, QEvent::MouseMove, local, Qt::NoButton, buttons);
}

void DoubleClick(QWidget* widget, QPointF local, Qt::MouseButton button) {
  SendMouse(widget, QEvent::MouseButtonDblClick, local, button, button);
}

void Type(QWidget* widget, QChar character, int key) {
  QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, QString(character));
  QCoreApplication::sendEvent(widget, &event);
}

}  // namespace kd::test
