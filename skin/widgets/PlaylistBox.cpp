#include "skin/widgets/PlaylistBox.h"

#include <QDropEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

#include "playlist/Playlist.h"
#include "skin/SkinFonts.h"
#include "skin/widgets/FileDrops.h"

namespace kd {

namespace {

bool IsNavigationKey(int key) {
  switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
      return true;
    default:
      return false;
  }
}

}  // namespace

PlaylistBox::PlaylistBox(QWidget* parent) : QListView(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setUniformItemSizes(true);  // a long list stays quick to lay out
  setFrameShape(QFrame::NoFrame);
  setDragEnabled(false);
  setAcceptDrops(true);
  viewport()->setAcceptDrops(true);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  hide();
}

void PlaylistBox::setPlaylist(Playlist* playlist) {
  if (m_playlist != nullptr) disconnect(m_playlist, nullptr, this, nullptr);
  m_playlist = playlist;
  setModel(playlist);
  if (playlist == nullptr) return;
  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &PlaylistBox::viewSelectionChanged);
  connect(playlist, &Playlist::selectionChanged, this, &PlaylistBox::playlistSelectionChanged);
  playlistSelectionChanged(playlist->selectedIndex());
}

void PlaylistBox::applyDefinition(const SkinPlaylistBox& definition) {
  setGeometry(definition.rect);
  setToolTip(definition.tip);
  QPalette colours = palette();
  colours.setColor(QPalette::Text, QColor::fromRgb(definition.textColour));
  colours.setColor(QPalette::Base, QColor::fromRgb(definition.background));
  colours.setColor(QPalette::Window, QColor::fromRgb(definition.background));
  if (definition.selectionBackground) {
    colours.setColor(QPalette::Highlight, QColor::fromRgb(*definition.selectionBackground));
    colours.setColor(QPalette::HighlightedText, QColor::fromRgb(definition.textColour));
  }
  setPalette(colours);
  // The scroll bar in the box's own colours: a handle of the text colour,
  // half blended into the background, so it does not glare in a dark skin.
  const QColor text = QColor::fromRgb(definition.textColour);
  const QColor base = QColor::fromRgb(definition.background);
  const QColor handle =
      QColor::fromRgb((text.red() + base.red()) / 2, (text.green() + base.green()) / 2,
                      (text.blue() + base.blue()) / 2);
  verticalScrollBar()->setStyleSheet(
      QStringLiteral("QScrollBar:vertical { background: %1; width: 10px; margin: 0; border: none; }"
                     "QScrollBar::handle:vertical { background: %2; min-height: 16px;"
                     " border-radius: 3px; margin: 1px 2px; }"
                     "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical"
                     " { height: 0; border: none; }"
                     "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical"
                     " { background: none; }")
          .arg(base.name(), handle.name()));
  setFont(PlaylistBoxFont(definition, font()));
}

void PlaylistBox::viewSelectionChanged() {
  if (m_syncing || m_playlist == nullptr) return;
  const QModelIndexList rows = selectionModel()->selectedRows();
  m_syncing = true;
  m_playlist->setSelectedIndex(rows.isEmpty() ? -1 : rows.constFirst().row());
  m_syncing = false;
}

void PlaylistBox::playlistSelectionChanged(int index) {
  if (m_syncing || m_playlist == nullptr) return;
  m_syncing = true;
  if (index < 0 || index >= m_playlist->count()) {
    selectionModel()->clear();
  } else {
    const QModelIndex item = m_playlist->index(index);
    selectionModel()->setCurrentIndex(item, QItemSelectionModel::ClearAndSelect);
    scrollTo(item);
  }
  m_syncing = false;
}

void PlaylistBox::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Delete) {
    event->accept();
    emit deletePressed();
    return;
  }
  if (!IsNavigationKey(event->key()) && !event->text().isEmpty()) {
    // Typed characters are the window's key letters, not a search in the list.
    event->ignore();
    return;
  }
  QListView::keyPressEvent(event);
}

void PlaylistBox::mouseDoubleClickEvent(QMouseEvent* event) {
  QListView::mouseDoubleClickEvent(event);
  if (event->button() != Qt::LeftButton || m_playlist == nullptr) return;
  const QModelIndex item = indexAt(event->position().toPoint());
  // A double-click below the last entry plays the selected one.
  const int row = item.isValid() ? item.row() : m_playlist->selectedIndex();
  if (row >= 0) emit entryDoubleClicked(row);
}

void PlaylistBox::dragEnterEvent(QDragEnterEvent* event) {
  AcceptFileDrag(event);
}

void PlaylistBox::dragMoveEvent(QDragMoveEvent* event) {
  AcceptFileDrag(event);
}

void PlaylistBox::dropEvent(QDropEvent* event) {
  const QStringList paths = TakeDroppedFiles(event);
  if (!paths.isEmpty()) emit filesDropped(paths);
}

}  // namespace kd
