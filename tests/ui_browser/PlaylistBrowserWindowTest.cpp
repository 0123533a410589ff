// The browser window as a user meets it: its captions, pages of cells,
// loading by double click, the hover frame, the colours, printing, and the
// window staying open while it is busy.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QEnterEvent>
#include <QLabel>
#include <QListView>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>

#include "browser/BrowserFixture.h"
#include "core/Dialogs.h"
#include "support/Waiting.h"
#include "ui/PlaylistBrowserWindow.h"

using namespace kd;
using kd::test::TempDir;
using kd::test::WaitUntil;

namespace {

class FolderDialogs : public CancellingDialogs {
 public:
  QString browseFolder(const QString& prompt) override {
    prompts << prompt;
    return folder;
  }
  QString folder;
  QStringList prompts;
};

class PlaylistBrowserWindowTest : public ::testing::Test {
 protected:
  PlaylistBrowserWindowTest() {
    lists = test::WritePlaylists(dir, "lists/", 20);
    for (const QString& list : lists) test::WriteCover(list, "jpg", Qt::red);
    window = new PlaylistBrowserWindow({}, executor, &dialogs);
    QObject::connect(window, &PlaylistBrowserWindow::closed, [this] { ++closings; });
  }
  ~PlaylistBrowserWindowTest() override { delete window; }

  bool idle() {
    return WaitUntil([this] { return !window->browser().isBusy(); });
  }
  QPushButton* button(const char* caption) {
    for (QPushButton* b : window->findChildren<QPushButton*>())
      if (b->text() == QString::fromUtf8(caption)) return b;
    ADD_FAILURE() << "no button " << caption;
    return nullptr;
  }
  // The cover cells shown, in cell order.
  QList<QLabel*> shownCells() {
    QList<QLabel*> cells;
    for (int i = 0; i < 16; ++i) {
      auto* cell = window->findChild<QLabel*>(QStringLiteral("cover%1").arg(i));
      if (cell && cell->isVisible()) cells << cell;
    }
    return cells;
  }
  QLabel* cell(int i) { return window->findChild<QLabel*>(QStringLiteral("cover%1").arg(i)); }
  static void doubleClick(QWidget* widget) {
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent twice(QEvent::MouseButtonDblClick, at, widget->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &twice);
  }
  static void enter(QWidget* widget) {
    QEnterEvent event(QPointF(1, 1), widget->mapToGlobal(QPointF(1, 1)),
                      widget->mapToGlobal(QPointF(1, 1)));
    QApplication::sendEvent(widget, &event);
  }

  TempDir dir;
  QStringList lists;
  test::RecordingExecutor executor;
  FolderDialogs dialogs;
  QPointer<PlaylistBrowserWindow> window;
  int closings = 0;
};

TEST_F(PlaylistBrowserWindowTest, EveryControlCarriesItsCaption) {
  window->open(dir.path() + "lists");
  ASSERT_TRUE(idle());
  EXPECT_EQ(window->windowTitle(), QString::fromUtf8("Vexo 可视化播放列表选择器"));
  QStringList captions;
  for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
    captions << b->text();
    EXPECT_EQ(b->accessibleName(), b->text());
  }
  captions.sort();
  QStringList expected{"加载 &L",   "&C 取消", "上页 &U", "下页 &D",
                       "&选择 Dir", "打印",    "Bg",      "设为缺省置"};
  expected.sort();
  EXPECT_EQ(captions, expected);
  EXPECT_EQ(window->findChild<QListView*>()->accessibleName(), QString::fromUtf8("选择播放列表:"));
  QStringList labels;
  for (QLabel* l : window->findChildren<QLabel*>())
    if (!l->objectName().startsWith("cover")) labels << l->text();
  EXPECT_TRUE(labels.contains(QString::fromUtf8("Vexo 可视化播放列表选择器")));
  EXPECT_TRUE(labels.contains(QString::fromUtf8("页面  1 与  2.  全部播放列表: 20")));
  EXPECT_TRUE(labels.contains(QString::fromUtf8("选择播放列表...")));
  // Cells are named by their playlist.
  const QList<QLabel*> cells = shownCells();
  ASSERT_EQ(cells.size(), 16);
  EXPECT_EQ(cells[3]->accessibleName(), "list04");
  EXPECT_EQ(cells[3]->toolTip(), "list04");
}

TEST_F(PlaylistBrowserWindowTest, GridFollowsTheWindowHeight) {
  window->open(dir.path() + "lists");
  ASSERT_TRUE(idle());
  window->showNormal();
  window->resize(1600, 495);  // pitch (495 - 95) / 4 = 100
  EXPECT_EQ(PlaylistBrowserWindow::CellPitch(495), 100);
  EXPECT_EQ(cell(0)->pos(), QPoint(5, 35));
  EXPECT_EQ(cell(5)->pos(), QPoint(105, 135));
  EXPECT_EQ(cell(15)->pos(), QPoint(305, 335));
  EXPECT_EQ(button("加载 &L")->y(), 495 - 35);
  EXPECT_EQ(button("加载 &L")->x(), 420);
}

TEST_F(PlaylistBrowserWindowTest, PagingAndLoadingByDoubleClick) {
  window->open(dir.path() + "lists");
  ASSERT_TRUE(idle());
  EXPECT_FALSE(cell(0)->pixmap().isNull());
  button("下页 &D")->click();
  ASSERT_TRUE(idle());
  ASSERT_EQ(shownCells().size(), 4);

  // Load with nothing selected does nothing and the window stays.
  button("加载 &L")->click();
  EXPECT_TRUE(executor.commands.isEmpty());
  ASSERT_TRUE(window);
  EXPECT_TRUE(window->isVisible());

  doubleClick(cell(1));
  ASSERT_EQ(executor.commands.size(), 1);
  EXPECT_EQ(executor.commands[0].first, int(Command::OpenPath));
  EXPECT_EQ(executor.commands[0].second, CommandArgument(lists[17]));
  EXPECT_EQ(closings, 1);
  EXPECT_TRUE(WaitUntil([this] { return window.isNull(); }));  // it deletes itself
}

TEST_F(PlaylistBrowserWindowTest, BusyKeepsTheWindowOpen) {
  window->open(dir.path() + "lists");
  // The scan's result comes through the event loop, so the browser is busy now.
  ASSERT_TRUE(window->browser().isBusy());
  button("&C 取消")->click();
  window->close();
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(closings, 0);

  ASSERT_TRUE(idle());
  button("&C 取消")->click();
  EXPECT_EQ(closings, 1);
  EXPECT_TRUE(WaitUntil([this] { return window.isNull(); }));
}

TEST_F(PlaylistBrowserWindowTest, ChosenFolderIsScannedAndCanBecomeTheDefault) {
  window->open(dir.path() + "lists");
  ASSERT_TRUE(idle());
  QStringList made;
  QObject::connect(&window->browser(), &PlaylistBrowser::madeDefault,
                   [&made](const QString& folder) { made << folder; });
  test::WritePlaylists(dir, "other/", 3);
  dialogs.folder = dir.path() + "other/";
  window->findChild<QCheckBox*>()->setChecked(true);
  button("&选择 Dir")->click();
  ASSERT_TRUE(idle());
  EXPECT_EQ(dialogs.prompts, QStringList{QString::fromUtf8("选择包涵播放文件的目录:")});
  EXPECT_EQ(shownCells().size(), 3);
  EXPECT_EQ(made, QStringList{dir.path() + "other/"});
}

TEST_F(PlaylistBrowserWindowTest, PointerFramesTheCellUnderIt) {
  window->open(dir.path() + "lists");
  ASSERT_TRUE(idle());
  // Straight from the background onto cell 0: it is framed too.
  enter(cell(0));
  EXPECT_EQ(window->framedCell(), 0);
  EXPECT_NE(cell(0)->frameShape(), QFrame::NoFrame);
  enter(cell(6));
  EXPECT_EQ(window->framedCell(), 6);
  EXPECT_EQ(cell(0)->frameShape(), QFrame::NoFrame);
  QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), window->mapToGlobal(QPointF(2, 2)),
                   Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(window, &move);
  EXPECT_EQ(window->framedCell(), -1);
  EXPECT_EQ(cell(6)->frameShape(), QFrame::NoFrame);
}

TEST_F(PlaylistBrowserWindowTest, BgSwapsTheColoursAndPrintTakesTheWindowsPicture) {
  window->open(dir.path() + "lists");
  ASSERT_TRUE(idle());
  auto* list = window->findChild<QListView*>();
  EXPECT_EQ(window->palette().color(QPalette::Window), QColor(Qt::black));
  EXPECT_EQ(list->palette().color(QPalette::Text), QColor(Qt::white));
  button("Bg")->click();
  EXPECT_EQ(window->palette().color(QPalette::Window), QColor(Qt::white));
  EXPECT_EQ(list->palette().color(QPalette::Base), QColor(Qt::white));
  EXPECT_EQ(list->palette().color(QPalette::Text), QColor(Qt::black));
  EXPECT_EQ(window->findChild<QCheckBox*>()->palette().color(QPalette::WindowText),
            QColor(Qt::black));
  button("Bg")->click();
  EXPECT_EQ(window->palette().color(QPalette::Window), QColor(Qt::black));

  QImage printed;
  window->setPrinter([&printed](const QImage& image) { printed = image; });
  button("打印")->click();
  EXPECT_EQ(printed.size(), window->size() * window->devicePixelRatio());
}

}  // namespace
