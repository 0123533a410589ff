#pragma once
// The skin's playlist box: a list view on the playlist model. Its selection
// and the playlist's selected entry follow each other both ways; a
// double-click, the Delete key and file drops are reported; characters it
// does not use go on to the window, so key letters work while it has focus.

#include <QListView>
#include <QStringList>

#include "skin/SkinDocument.h"

namespace kd {

class Playlist;

class PlaylistBox : public QListView {
  Q_OBJECT
 public:
  explicit PlaylistBox(QWidget* parent);

  void setPlaylist(Playlist* playlist);
  Playlist* playlist() const { return m_playlist; }

  // Place, colours, face, size and tooltip of the skin's playlist-box record.
  void applyDefinition(const SkinPlaylistBox& definition);

 signals:
  void entryDoubleClicked(int row);
  void deletePressed();
  void filesDropped(const QStringList& paths);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void viewSelectionChanged();
  void playlistSelectionChanged(int index);

  Playlist* m_playlist = nullptr;
  bool m_syncing = false;  // one side is following the other
};

}  // namespace kd
