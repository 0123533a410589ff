#include "playlist/Playlist.h"

#include <QFont>

#include <algorithm>
#include <utility>

namespace kd {

Playlist::Playlist(QObject* parent) : QAbstractListModel(parent) {
  // Whatever changed the rows, the count is announced once per change.
  const auto announceCount = [this] { emit countChanged(count()); };
  connect(this, &QAbstractItemModel::rowsInserted, this, announceCount);
  connect(this, &QAbstractItemModel::rowsRemoved, this, announceCount);
  connect(this, &QAbstractItemModel::modelReset, this, announceCount);
}

void Playlist::setCurrentEntry(int entry) {
  if (entry == m_currentEntry) return;
  m_currentEntry = entry;
  emit currentEntryChanged(entry);
}

void Playlist::setCover(const QString& path) {
  if (path == m_cover) return;
  m_cover = path;
  emit coverChanged(path);
}

bool Playlist::append(const PlaylistEntry& entry) {
  if (isFull()) return false;
  const int row = count();
  beginInsertRows(QModelIndex(), row, row);
  m_entries.append(entry);
  endInsertRows();
  return true;
}

int Playlist::appendBatch(QList<PlaylistEntry> entries) {
  const int room = kMaxEntries - count();
  const int n = static_cast<int>(std::min<qsizetype>(entries.size(), std::max(room, 0)));
  if (n <= 0) return 0;
  entries.resize(n);
  const int first = count();
  beginInsertRows(QModelIndex(), first, first + n - 1);
  if (m_entries.isEmpty()) {
    m_entries = std::move(entries);
  } else {
    m_entries.reserve(first + n);
    for (PlaylistEntry& e : entries) m_entries.append(std::move(e));
  }
  endInsertRows();
  return n;
}

void Playlist::setEntryName(int index, const QString& name) {
  if (index < 0 || index >= count()) return;
  m_entries[index].name = name;
  const QModelIndex changed = this->index(index);
  emit dataChanged(changed, changed, {Qt::DisplayRole});
}

void Playlist::setEntryPath(int index, const QString& path) {
  if (index < 0 || index >= count()) return;
  m_entries[index].path = path;
  const QModelIndex changed = this->index(index);
  emit dataChanged(changed, changed, {PathRole});
}

void Playlist::setPlayingIndex(int index) {
  if (index < 0 || index >= count()) index = -1;
  if (index == m_playing) return;
  const int before = m_playing;
  m_playing = index;
  for (const int row : {before, index}) {
    if (row >= 0) emit dataChanged(this->index(row), this->index(row), {Qt::FontRole});
  }
}

void Playlist::setSelectedIndex(int index) {
  if (index < 0 || index >= count()) index = -1;
  if (index == m_selected) return;
  m_selected = index;
  emit selectionChanged(m_selected);
}

void Playlist::setTitle(const QString& title) {
  if (title == m_title) return;
  m_title = title;
  emit titleChanged(m_title);
}

void Playlist::clear() {
  beginResetModel();
  m_entries.clear();
  m_playing = -1;
  endResetModel();
  setCurrentEntry(1);
  setCover(QString());
  setSelectedIndex(-1);
  emit cleared();
  setTitle(QStringLiteral("untitled"));
}

void Playlist::removeEntry(int index) {
  if (index >= 0 && index < count()) {
    beginRemoveRows(QModelIndex(), index, index);
    m_entries.removeAt(index);
    if (m_playing == index) {
      m_playing = -1;
    } else if (m_playing > index) {
      --m_playing;
    }
    endRemoveRows();
    // The entry that moved up into the gap is selected, or the new last one;
    // an emptied list has no selection.
    if (index > count() - 1) index = count() - 1;
    // The row under the old index is a different entry now, so the view is
    // told even when the number stays the same.
    m_selected = index;
    emit selectionChanged(m_selected);
  }
}

void Playlist::removeSelected() {
  removeEntry(m_selected);
}

void Playlist::moveSelected(int d) {
  const int i = m_selected;
  const int j = i + d;
  // Without a selection there is nothing to move.
  if (i < 0 || i >= count() || j < 0 || j >= count() || i == j) return;
  m_entries.swapItemsAt(i, j);
  if (m_playing == i) {
    m_playing = j;
  } else if (m_playing == j) {
    m_playing = i;
  }
  const QModelIndex a = index(std::min(i, j));
  const QModelIndex b = index(std::max(i, j));
  emit dataChanged(a, b, {Qt::DisplayRole, PathRole, Qt::FontRole});
  setSelectedIndex(j);
}

int Playlist::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : count();
}

QVariant Playlist::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.parent().isValid() || index.row() >= count()) return {};
  const PlaylistEntry& e = m_entries.at(index.row());
  switch (role) {
    case Qt::DisplayRole:
      return e.name;
    case Qt::ToolTipRole:
    case PathRole:
      return e.path;
    case Qt::FontRole:
      if (index.row() == m_playing) {
        // Only the weight is given: the view's own face and size stay.
        QFont bold;
        bold.setBold(true);
        return bold;
      }
      return {};
    default:
      return {};
  }
}

}  // namespace kd
