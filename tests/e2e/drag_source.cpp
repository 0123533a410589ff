// A small window that starts a drag of the paths given on its command line
// when it is pressed, as a file manager would. Usage:
//   kd_drag_source PATH... X Y
#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>
#include <QWidget>

namespace {

class DragSource : public QWidget {
 public:
  explicit DragSource(QList<QUrl> urls) : m_urls(std::move(urls)) {
    setWindowFlag(Qt::FramelessWindowHint);
    setFixedSize(60, 60);
    setStyleSheet(QStringLiteral("background: #3060c0"));
  }

 protected:
  void mousePressEvent(QMouseEvent*) override {
    auto* drag = new QDrag(this);
    auto* data = new QMimeData;
    data->setUrls(m_urls);
    drag->setMimeData(data);
    drag->exec(Qt::CopyAction);
  }

 private:
  QList<QUrl> m_urls;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() < 4) return 2;
  QList<QUrl> urls;
  for (qsizetype i = 1; i < args.size() - 2; ++i) urls << QUrl::fromLocalFile(args[i]);
  DragSource source(urls);
  source.move(args[args.size() - 2].toInt(), args[args.size() - 1].toInt());
  source.show();
  return app.exec();
}
