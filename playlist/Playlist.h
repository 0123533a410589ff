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

  // The current track, 1-based (TNum); 0 means none.
  int TNum() const { return m_tnum; }
  void setTNum(int tnum) { m_tnum = tnum; }

  // The selected entry (0-based, -1 = none).
  int selectedIndex() const { return m_selected; }
  void setSelectedIndex(int index);

  // The title shown in label 14 ("untitled" after a clear).
  QString title() const { return m_title; }
  void setTitle(const QString& title);

  // The picture that belongs to the loaded playlist.
  QString PLCover() const { return m_plCover; }
  void setPLCover(const QString& path) { m_plCover = path; }

  // Empties the list, TNum = 1, title "untitled", no playlist picture.
  void PlClear();
  // Removes entry `index` when it exists and selects the entry that took its
  // place (or the new last one); the count is published either way.
  void PlRemoveEntry(int index);
  void PlRemoveSelected();
  // Swaps the selected entry with the one `d` places away; the selection follows.
  void PlMoveEntry(int d);
  // Publishes the entry count (label 16).
  void PlShowCount();

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

 signals:
  void countChanged(int count);
  void titleChanged(const QString& title);
  void selectionChanged(int index);
  // The list was cleared: cover pictures shown for it are to be emptied too.
  void cleared();

 private:
  QList<PlaylistEntry> m_entries;
  int m_tnum = 1;
  int m_selected = -1;
  QString m_title = QStringLiteral("untitled");
  QString m_plCover;
};

}  // namespace kd
