#pragma once
// The visual playlist browser's window "Vexo 可视化播放列表选择器": a 4 x 4
// grid of cover cells, the selected playlist's lines beside it and one row
// of buttons. A thin view of PlaylistBrowser; it opens maximised and cannot
// be closed while the browser is busy.

#include <QImage>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "browser/BrowserRules.h"
#include "browser/PlaylistBrowser.h"

class QCheckBox;
class QLabel;
class QListView;
class QPushButton;
class QStringListModel;

namespace kd {

class CommandExecutor;
class CoverCell;
class Dialogs;

class PlaylistBrowserWindow : public QWidget {
  Q_OBJECT
 public:
  static constexpr const char* kTitle = "Vexo 可视化播放列表选择器";

  // `dialogs` asks for a folder; without one the window uses Qt's own dialogs.
  PlaylistBrowserWindow(BrowserOptions options, CommandExecutor& executor,
                        Dialogs* dialogs = nullptr, QWidget* parent = nullptr);
  ~PlaylistBrowserWindow() override;

  PlaylistBrowser& browser() { return m_browser; }
  // Shows the window maximised and scans `folder`.
  void open(const QString& folder);
  // Where "打印" sends the window's picture; by default the system print dialog.
  void setPrinter(std::function<void(const QImage&)> print) { m_print = std::move(print); }

  // The cell pitch for an inner height: (height - 35 - 60) / 4.
  static int CellPitch(int innerHeight);
  // Whether the colours are the designed ones (black background, white text).
  bool darkScheme() const { return m_dark; }
  // The cell framed under the pointer, -1 when none.
  int framedCell() const { return m_framedCell; }

 signals:
  // The window closed (it deletes itself afterwards).
  void closed();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void buildControls();
  void layOut();
  void showPage(const QStringList& entries);
  void showCover(int cell, const QImage& picture);
  void frameCell(int cell);
  void loadSelected();
  void cancel();
  void chooseFolder();
  void print();
  void swapColours();
  void applyColours();

  PlaylistBrowser m_browser;
  Dialogs* m_dialogs;
  std::unique_ptr<Dialogs> m_ownDialogs;
  std::function<void(const QImage&)> m_print;

  std::array<CoverCell*, kCellsPerPage> m_cells{};
  QLabel* m_title = nullptr;       // "Vexo 可视化播放列表选择器"
  QLabel* m_header = nullptr;      // "选择播放列表:"
  QLabel* m_name = nullptr;        // the selected entry or what happens
  QLabel* m_pageStatus = nullptr;  // "页面  1 与  2. ..."
  QListView* m_lines = nullptr;
  QStringListModel* m_linesModel = nullptr;
  QPushButton* m_load = nullptr;
  QPushButton* m_cancel = nullptr;
  QPushButton* m_previous = nullptr;
  QPushButton* m_next = nullptr;
  QPushButton* m_chooseFolder = nullptr;
  QPushButton* m_printButton = nullptr;
  QPushButton* m_colours = nullptr;
  QCheckBox* m_makeDefault = nullptr;
  int m_framedCell = -1;
  bool m_dark = true;
};

}  // namespace kd
