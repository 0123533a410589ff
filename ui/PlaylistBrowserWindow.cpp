#include "ui/PlaylistBrowserWindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QListView>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStringListModel>
#include <algorithm>

#include "ui/PrintModule.h"
#include "ui/QtDialogs.h"

namespace kd {

// One cover cell: its picture stretched to the square; a click selects its
// entry, a double click loads it, the pointer frames it.
class CoverCell : public QLabel {
 public:
  CoverCell(int index, QWidget* parent) : QLabel(parent), m_index(index) {
    setScaledContents(true);
    setAlignment(Qt::AlignCenter);
  }
  std::function<void(int)> clicked;
  std::function<void(int)> doubleClicked;
  std::function<void(int)> entered;

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && clicked) clicked(m_index);
  }
  void mouseDoubleClickEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && doubleClicked) doubleClicked(m_index);
  }
  void enterEvent(QEnterEvent*) override {
    if (entered) entered(m_index);
  }

 private:
  int m_index;
};

namespace {

constexpr int kTop = 35;        // the grid's top
constexpr int kButtonRow = 35;  // the buttons stand this far above the bottom
constexpr int kBelowGrid = 60;  // room under the grid
constexpr int kGridLeft = 5;
constexpr int kCellGap = 5;
constexpr int kRowHeight = 26;
// Readable on the black and on the white background alike.
const QColor kFixedLabelColour(30, 144, 255);

QPushButton* makeButton(const char* caption, QWidget* parent) {
  auto* button = new QPushButton(QString::fromUtf8(caption), parent);
  button->setAccessibleName(button->text());
  return button;
}

void setColours(QWidget* widget, QPalette::ColorRole backgroundRole, const QColor* background,
                QPalette::ColorRole textRole, const QColor* text) {
  QPalette palette = widget->palette();
  if (background) {
    palette.setColor(backgroundRole, *background);
    widget->setAutoFillBackground(true);
  }
  if (text) palette.setColor(textRole, *text);
  widget->setPalette(palette);
}

}  // namespace

PlaylistBrowserWindow::PlaylistBrowserWindow(BrowserOptions options, CommandExecutor& executor,
                                             Dialogs* dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), m_browser(std::move(options), executor), m_dialogs(dialogs) {
  if (!m_dialogs) {
    m_ownDialogs = std::make_unique<QtDialogs>(this);
    m_dialogs = m_ownDialogs.get();
  }
  m_print = [this](const QImage& image) {
    const QString failure = PrintImage(image, QString::fromUtf8("打印"), this);
    if (!failure.isEmpty()) m_dialogs->showMessage(failure);
  };
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QString::fromUtf8(kTitle));
  setMouseTracking(true);
  buildControls();
  applyColours();

  connect(&m_browser, &PlaylistBrowser::statusTextChanged, m_name, &QLabel::setText);
  connect(&m_browser, &PlaylistBrowser::pageStatusChanged, m_pageStatus, &QLabel::setText);
  connect(&m_browser, &PlaylistBrowser::pageShown, this, &PlaylistBrowserWindow::showPage);
  connect(&m_browser, &PlaylistBrowser::coverReady, this, &PlaylistBrowserWindow::showCover);
  connect(&m_browser, &PlaylistBrowser::linesChanged, m_linesModel,
          &QStringListModel::setStringList);
  connect(&m_browser, &PlaylistBrowser::busyChanged, this,
          [this](bool busy) { busy ? setCursor(Qt::WaitCursor) : unsetCursor(); });

  connect(m_load, &QPushButton::clicked, this, &PlaylistBrowserWindow::loadSelected);
  connect(m_cancel, &QPushButton::clicked, this, &PlaylistBrowserWindow::cancel);
  connect(m_previous, &QPushButton::clicked, &m_browser, &PlaylistBrowser::previousPage);
  connect(m_next, &QPushButton::clicked, &m_browser, &PlaylistBrowser::nextPage);
  connect(m_chooseFolder, &QPushButton::clicked, this, &PlaylistBrowserWindow::chooseFolder);
  connect(m_printButton, &QPushButton::clicked, this, &PlaylistBrowserWindow::print);
  connect(m_colours, &QPushButton::clicked, this, &PlaylistBrowserWindow::swapColours);
  connect(m_makeDefault, &QCheckBox::toggled, &m_browser, &PlaylistBrowser::setMakeDefault);
}

PlaylistBrowserWindow::~PlaylistBrowserWindow() = default;

void PlaylistBrowserWindow::buildControls() {
  for (int i = 0; i < kCellsPerPage; ++i) {
    auto* cell = new CoverCell(i, this);
    cell->setObjectName(QStringLiteral("cover%1").arg(i));
    cell->clicked = [this](int index) { m_browser.selectCell(index); };
    cell->doubleClicked = [this](int index) {
      m_browser.selectCell(index);
      loadSelected();
    };
    cell->entered = [this](int index) { frameCell(index); };
    cell->hide();
    m_cells[i] = cell;
  }
  m_title = new QLabel(QString::fromUtf8(kTitle), this);
  QFont titleFont = m_title->font();
  titleFont.setBold(true);
  m_title->setFont(titleFont);
  m_header = new QLabel(QString::fromUtf8("选择播放列表:"), this);
  m_name = new QLabel(QStringLiteral("<-"), this);
  m_pageStatus = new QLabel(QString::fromUtf8("页面:"), this);
  m_linesModel = new QStringListModel(this);
  m_lines = new QListView(this);
  m_lines->setModel(m_linesModel);
  m_lines->setUniformItemSizes(true);
  m_lines->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_header->setBuddy(m_lines);
  m_lines->setAccessibleName(m_header->text());

  m_load = makeButton("加载 &L", this);
  m_cancel = makeButton("&C 取消", this);
  m_previous = makeButton("上页 &U", this);
  m_next = makeButton("下页 &D", this);
  m_chooseFolder = makeButton("&选择 Dir", this);
  m_printButton = makeButton("打印", this);
  m_colours = makeButton("Bg", this);
  m_makeDefault = new QCheckBox(QString::fromUtf8("设为缺省置"), this);
  m_makeDefault->setAccessibleName(m_makeDefault->text());
  // Filled with the window's colour, not a button's.
  m_makeDefault->setBackgroundRole(QPalette::Window);
}

int PlaylistBrowserWindow::CellPitch(int innerHeight) {
  return std::max(1, (innerHeight - kTop - kBelowGrid) / 4);
}

void PlaylistBrowserWindow::layOut() {
  const int height = this->height();
  const int width = this->width();
  const int pitch = CellPitch(height);
  const int side = std::max(1, pitch - kCellGap);
  for (int i = 0; i < kCellsPerPage; ++i) {
    m_cells[i]->setGeometry(kGridLeft + (i % 4) * pitch, kTop + (i / 4) * pitch, side, side);
  }
  m_browser.setCellSize(m_cells[0]->size() * devicePixelRatio());

  const int right = 4 * pitch + 20;  // where the column beside the grid starts
  const int columnWidth = std::max(1, width - right - 10);
  m_title->setGeometry(kGridLeft, 5, std::max(1, 4 * pitch), kRowHeight);
  m_header->setGeometry(right, 5, columnWidth, kRowHeight);
  m_name->setGeometry(right, 5 + kRowHeight, columnWidth, kRowHeight);
  const int listTop = 10 + 2 * kRowHeight;
  m_lines->setGeometry(right, listTop, columnWidth,
                       std::max(1, height - kButtonRow - 10 - listTop));

  // One row of buttons; where the column is too narrow for them, the row
  // reaches further left, under the grid.
  const std::array<QWidget*, 8> row{m_load,         m_cancel,      m_previous, m_next,
                                    m_chooseFolder, m_printButton, m_colours,  m_makeDefault};
  int rowWidth = 0;
  for (QWidget* w : row) rowWidth += w->sizeHint().width() + 4;
  int x = std::max(kGridLeft, std::min(right, width - 5 - rowWidth));
  const int rowTop = height - kButtonRow;
  m_pageStatus->setGeometry(kGridLeft, rowTop, std::max(1, x - kGridLeft - 10), kRowHeight);
  for (QWidget* w : row) {
    const int w_width = w->sizeHint().width();
    w->setGeometry(x, rowTop, w_width, kRowHeight);
    x += w_width + 4;
  }
}

void PlaylistBrowserWindow::open(const QString& folder) {
  // Sized to the work area first: without a window manager nobody maximises.
  if (const QScreen* screen = this->screen()) setGeometry(screen->availableGeometry());
  showMaximized();
  layOut();
  m_browser.scanFolder(folder);
}

void PlaylistBrowserWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  layOut();
}

void PlaylistBrowserWindow::closeEvent(QCloseEvent* event) {
  if (m_browser.isBusy()) {
    event->ignore();
    return;
  }
  event->accept();
  emit closed();
}

void PlaylistBrowserWindow::mouseMoveEvent(QMouseEvent* event) {
  // Over the window's background: no cell is framed.
  frameCell(-1);
  QWidget::mouseMoveEvent(event);
}

void PlaylistBrowserWindow::showPage(const QStringList& entries) {
  for (int i = 0; i < kCellsPerPage; ++i) {
    CoverCell* cell = m_cells[i];
    cell->clear();
    if (i < entries.size()) {
      const QString name = m_browser.toolTipOf(entries[i]);
      cell->setToolTip(name);
      cell->setAccessibleName(name);
      cell->show();
    } else {
      cell->setToolTip({});
      cell->setAccessibleName({});
      cell->hide();
    }
  }
  if (m_framedCell >= entries.size()) frameCell(-1);
}

void PlaylistBrowserWindow::showCover(int cell, const QImage& picture) {
  if (cell < 0 || cell >= kCellsPerPage) return;
  if (picture.isNull()) {
    m_cells[cell]->clear();
  } else {
    QPixmap pixmap = QPixmap::fromImage(picture);
    pixmap.setDevicePixelRatio(devicePixelRatio());
    m_cells[cell]->setPixmap(pixmap);
  }
}

void PlaylistBrowserWindow::frameCell(int cell) {
  if (cell == m_framedCell) return;
  if (m_framedCell >= 0) m_cells[m_framedCell]->setFrameStyle(QFrame::NoFrame);
  m_framedCell = cell;
  if (cell >= 0) {
    m_cells[cell]->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_cells[cell]->setLineWidth(1);
  }
}

void PlaylistBrowserWindow::loadSelected() {
  if (m_browser.load() == PlaylistBrowser::LoadResult::PlaylistLoaded) close();
}

void PlaylistBrowserWindow::cancel() {
  if (!m_browser.isBusy()) close();
}

void PlaylistBrowserWindow::chooseFolder() {
  const QString folder = m_dialogs->browseFolder(QString::fromUtf8(PlaylistBrowser::kFolderPrompt));
  if (!folder.isEmpty()) m_browser.scanFolder(folder);
}

void PlaylistBrowserWindow::print() {
  if (m_print) m_print(grab().toImage());
}

void PlaylistBrowserWindow::swapColours() {
  m_dark = !m_dark;
  applyColours();
}

void PlaylistBrowserWindow::applyColours() {
  const QColor background = m_dark ? Qt::black : Qt::white;
  const QColor text = m_dark ? Qt::white : Qt::black;
  setColours(this, QPalette::Window, &background, QPalette::WindowText, nullptr);
  setColours(m_makeDefault, QPalette::Window, &background, QPalette::WindowText, &text);
  setColours(m_lines, QPalette::Base, &background, QPalette::Text, &text);
  setColours(m_title, QPalette::Window, nullptr, QPalette::WindowText, &text);
  setColours(m_name, QPalette::Window, nullptr, QPalette::WindowText, &text);
  setColours(m_header, QPalette::Window, nullptr, QPalette::WindowText, &kFixedLabelColour);
  setColours(m_pageStatus, QPalette::Window, nullptr, QPalette::WindowText, &kFixedLabelColour);
}

}  // namespace kd
