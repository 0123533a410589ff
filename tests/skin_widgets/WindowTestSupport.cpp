#include "WindowTestSupport.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>

#include "skin/BlockCopy.h"
#include "skin/DisplayText.h"

namespace kd::test {

namespace {

SkinSlider Slider(SliderDef def) {
  return SkinSlider{def, QString(), CutBlock(ResourceBitmap(), def.SX, def.SY, def.KW, def.KH)};
}

SkinDisplay Display(QPoint anchor, DisplayDef def) {
  return SkinDisplay{def, QRect(anchor, DisplayAnchorSize(def)), QString()};
}

void SendMouse(QWidget* widget, QEvent::Type type, QPointF local, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
  QMouseEvent event(type, local, widget->mapToGlobal(local), button, buttons, Qt::NoModifier);
  QCoreApplication::sendEvent(widget, &event);
}

}  // namespace

QImage ResourceBitmap() {
  QImage image(256, 128, QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, ResourcePixel(x, y));
  }
  return image;
}

SkinDocument SmallSkin() {
  SkinDocument doc;
  doc.outcome = SkinLoadOutcome::Loaded;
  doc.sizes = {QSize(200, 100), QSize(150, 80), QSize(100, 40)};
  doc.resourceBitmap = ResourceBitmap();
  doc.mainBitmap = QImage(256, 128, QImage::Format_RGB32);
  for (int y = 0; y < 128; ++y) {
    for (int x = 0; x < 256; ++x) doc.mainBitmap.setPixel(x, y, MainPixel(x, y));
  }
  doc.background = qRgb(1, 2, 3);
  const QString tip = QStringLiteral("tip");
  doc.buttons[3] = SkinButton{QRect(10, 10, 20, 10), QPoint(100, 50), QLatin1Char('C'), tip};
  doc.buttons[5] = SkinButton{QRect(40, 10, 20, 10), QPoint(40, 10), QLatin1Char('E'), tip};
  doc.buttons[12] = SkinButton{QRect(70, 10, 20, 10), QPoint(120, 60), QLatin1Char('P'), tip};
  const QString sans = QStringLiteral("Sans");
  doc.labels[1] = SkinLabel{QRect(10, 30, 60, 12), qRgb(255, 255, 255), 8, sans};
  doc.labels[2] = SkinLabel{QRect(80, 30, 60, 12), qRgb(255, 255, 0), 8, sans};
  doc.displays[2] = Display(QPoint(10, 50), DisplayDef{0, 0, 5, 7, 2, 0, 0, -3});
  doc.displays[6] = Display(QPoint(60, 50), DisplayDef{0, 20, 4, 5, 0, 1, 0, 8});
  doc.sliders[1] = Slider({20, 70, 100, 0, 0, 100, 10, 6});
  doc.sliders[2] = Slider({180, 20, 0, 50, 20, 100, 8, 6});
  doc.sliders[4] = Slider({130, 90, 60, 0, 0, 110, 60, 4});
  doc.sliders[5] = Slider({20, 80, 0, 0, 40, 100, 6, 6});
  doc.lights[2] = SkinLight{QRect(150, 5, 8, 8), qRgb(0, 255, 0), LightShape::Rectangle};
  doc.lights[4] = SkinLight{QRect(162, 5, 8, 8), qRgb(255, 0, 0), LightShape::Circle};
  doc.lights[18] = SkinLight{QRect(174, 5, 8, 8), qRgb(0, 0, 255), LightShape::Rectangle};
  doc.playlistBox =
      SkinPlaylistBox{QRect(100, 60, 60, 30),    qRgb(255, 255, 255), qRgb(0, 0, 0), 8, sans,
                      QStringLiteral("Playlist")};
  doc.cover = SkinCover{QRect(140, 20, 30, 30), QStringLiteral("Cover")};
  return doc;
}

void RecordingHandler::moveKnob(int index, float value) {
  log(QStringLiteral("MoveKnob %1 %2").arg(index).arg(double(value), 0, 'g', 4));
  if (onMove) onMove(index, value);
}

void SkinWindowTest::SetUp() {
  window.setScreenOverride(QRect(0, 0, 1024, 740), TwipScale{15, 15});
  window.setHandler(&handler);
  window.move(100, 100);
  window.applySkin(SmallSkin());
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

void Type(QWidget* widget, const QString& text, int key) {
  QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
  QCoreApplication::sendEvent(widget, &event);
}

bool Drop(QWidget* widget, const QList<QUrl>& urls, const QString& text) {
  QMimeData data;
  if (!urls.isEmpty()) data.setUrls(urls);
  if (!text.isEmpty()) data.setText(text);
  const QPoint at = widget->rect().center();
  QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(widget, &enter);
  if (!enter.isAccepted() || enter.dropAction() != Qt::CopyAction) return false;
  QDropEvent drop(QPointF(at), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                  Qt::NoModifier);
  QCoreApplication::sendEvent(widget, &drop);
  return true;
}

}  // namespace kd::test
