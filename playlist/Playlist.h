#pragma once
// The playlist: one ordered list of entries {display name, path}, the current
// track number, the selected entry, the playlist's title and picture. It is a
// list model, so the skinned window's playlist box shows it directly.

#include <QAbstractListModel>
#include <QList>
#include <QString>

namespace kd {

struct PlaylistEntry {
  QString name;  // shown in the playlist box
  QString path;  // full path or URL
  bool operator==(const PlaylistEntry&) const = default;
};

class Playlist : public QAbstractListModel {
  Q_OBJECT
 public:
  // Every way of adding entries stops here.
  static constexpr int kMaxEntries = 32766;
  // The model's role that carries an entry's path (the display role carries its name).
  static constexpr int PathRole = Qt::UserRole + 1;

  explicit Playlist(QObject* parent = nullptr);

  int count() const { return static_cast<int>(m_entries.size()); }
  bool isFull() const { return count() >= kMaxEntries; }
  const PlaylistEntry& entry(int index) const { return m_entries.at(index); }
  const QList<PlaylistEntry>& entries() const { return m_entries; }

  // Appends one entry; false (and nothing added) when the playlist is full.
  bool append(const PlaylistEntry& entry);
  // Appends as many as fit, in one model change; returns how many were added.
  int appendBatch(QList<PlaylistEntry> entries);
  void setEntryName(int index, const QString& name);
  void setEntryPath(int index, const QString& path);

  // The current entry, 1-based; 0 means none. It may point past the end
  // (the player then stops at the first).
  int currentEntry() const { return m_currentEntry; }
  void setCurrentEntry(int entry);

  // The entry that is playing (0-based, -1 = none). It stays on its entry
  // when entries are removed or moved, and the list shows it in bold.
  int playingIndex() const { return m_playing; }
  void setPlayingIndex(int index);

  // The selected entry (0-based, -1 = none).
  int selectedIndex() const { return m_selected; }
  void setSelectedIndex(int index);

  // The title shown in label 14 ("untitled" after a clear).
  QString title() const { return m_title; }
  void setTitle(const QString& title);

  // The picture that belongs to the loaded playlist.
  QString cover() const { return m_cover; }
  void setCover(const QString& path);

  // Empties the list, current entry 1, title "untitled", no playlist picture.
  void clear();
  // Removes entry `index` when it exists and selects the entry that took its
  // place (or the new last one); the count is published either way.
  void removeEntry(int index);
  void removeSelected();
  // Swaps the selected entry with the one `d` places away; the selection follows.
  void moveSelected(int d);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

 signals:
  // After every change of the rows.
  void countChanged(int count);
  void currentEntryChanged(int entry);
  void coverChanged(const QString& path);
  void titleChanged(const QString& title);
  void selectionChanged(int index);
  // The list was cleared: cover pictures shown for it are to be emptied too.
  void cleared();

 private:
  QList<PlaylistEntry> m_entries;
  int m_currentEntry = 1;
  int m_selected = -1;
  int m_playing = -1;
  QString m_title = QStringLiteral("untitled");
  QString m_cover;
};

}  // namespace kd
