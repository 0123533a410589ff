// The print module: the only code of the program that uses Qt's print support.

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "ui/PrintModule.h"

extern "C" bool kd_print_image(const QImage& image, const QString& title, QWidget* parent) {
  QPrinter printer;
  QPrintDialog dialog(&printer, parent);
  dialog.setWindowTitle(title);
  if (dialog.exec() != QDialog::Accepted) return true;
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const QRect page = painter.viewport();
  QSize size = image.size();
  size.scale(page.size(), Qt::KeepAspectRatio);
  painter.setViewport(page.x() + (page.width() - size.width()) / 2,
                      page.y() + (page.height() - size.height()) / 2, size.width(), size.height());
  painter.setWindow(image.rect());
  painter.drawImage(0, 0, image);
  return painter.end();
}
