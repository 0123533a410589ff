#include "browser/PlaylistBrowser.h"

#include <QFileInfo>
#include <QMetaObject>

#include "browser/BrowserRules.h"
#include "core/Commands.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistParser.h"
#include "util/Paths.h"

namespace kd {

namespace {

// An M3U file may carry a comment line for each of its entries.
constexpr int kMaxListedLines = 2 * Playlist::kMaxEntries;

}  // namespace

PlaylistBrowser::PlaylistBrowser(BrowserOptions options, CommandExecutor& executor, QObject* parent)
    : QObject(parent),
      m_options(std::move(options)),
      m_executor(executor),
      m_covers(m_options.defaultPicture) {
  m_work.setMaxThreadCount(1);
  connect(&m_covers, &PageCoverLoader::coverReady, this, &PlaylistBrowser::coverReady);
  connect(&m_covers, &PageCoverLoader::finished, this, &PlaylistBrowser::pageDone);
}

PlaylistBrowser::~PlaylistBrowser() {
  m_stop = true;
  m_work.clear();
  m_work.waitForDone();
}

int PlaylistBrowser::lastPage() const {
  return LastPageIndex(static_cast<int>(m_entries.size()));
}

QStringList PlaylistBrowser::pageEntries() const {
  return m_entries.mid(qsizetype(m_page) * kCellsPerPage, kCellsPerPage);
}

QString PlaylistBrowser::pageStatus() const {
  return PageStatusText(m_page, static_cast<int>(m_entries.size()));
}

QString PlaylistBrowser::toolTipOf(const QString& entry) const {
  return EntryToolTip(entry, m_options.friendlyNames);
}

bool PlaylistBrowser::scanFolder(const QString& folder) {
  if (m_scanning) return false;
  const QString root = WithTrailingSeparator(folder);
  if (root.isEmpty() || !QFileInfo(root).isDir()) return false;

  m_covers.cancel();
  ++m_linesGeneration;
  m_scanning = true;
  m_entries.clear();
  m_page = 0;
  // What was selected is no longer shown, so Load must not act on it.
  m_selected.clear();
  setLines({});
  setStatus(QString::fromUtf8(kSelectFromLeft));
  emit pageShown({});
  updateBusy();

  const int generation = ++m_scanGeneration;
  m_stop = false;
  m_work.start([this, generation, root] {
    QStringList found = ListBrowserEntries(root, &m_stop);
    QMetaObject::invokeMethod(
        this,
        [this, generation, root, found = std::move(found)] { scanDone(generation, root, found); },
        Qt::QueuedConnection);
  });
  return true;
}

void PlaylistBrowser::scanDone(int generation, const QString& folder, const QStringList& entries) {
  if (generation != m_scanGeneration) return;
  m_folder = folder;
  m_entries = entries;
  m_page = 0;
  m_scanning = false;
  showPage();
  if (m_makeDefault) emit madeDefault(folder);
}

void PlaylistBrowser::showPage() {
  setLines({});
  setStatus(QString::fromUtf8(kLoadingPage));
  emit pageStatusChanged(pageStatus());
  const QStringList cells = pageEntries();
  emit pageShown(cells);
  m_covers.start(cells, m_cellSize);
  updateBusy();
}

void PlaylistBrowser::pageDone() {
  setStatus(QString::fromUtf8(kChoosePlaylist));
  updateBusy();
}

void PlaylistBrowser::nextPage() {
  if (m_scanning || m_page >= lastPage()) return;
  ++m_page;
  showPage();
}

void PlaylistBrowser::previousPage() {
  if (m_scanning || m_page <= 0) return;
  --m_page;
  showPage();
}

void PlaylistBrowser::selectCell(int cell) {
  if (m_scanning || cell < 0 || cell >= kCellsPerPage) return;
  const qsizetype index = qsizetype(m_page) * kCellsPerPage + cell;
  if (index >= m_entries.size()) return;

  m_selected = m_entries[index];
  setStatus(EntryTitle(m_selected, m_options.friendlyNames));
  const int generation = ++m_linesGeneration;
  if (IsDirectoryEntry(m_selected)) {
    setLines({QString::fromUtf8(kDirectoryHint)});
    return;
  }
  setLines({});
  // A playlist of many megabytes is read off the user-interface thread.
  m_work.start([this, generation, file = m_selected, codepage = m_options.codepage] {
    QStringList lines = PlaylistListing(file, codepage, kMaxListedLines);
    QMetaObject::invokeMethod(
        this,
        [this, generation, lines = std::move(lines)] {
          if (generation == m_linesGeneration) setLines(lines);
        },
        Qt::QueuedConnection);
  });
}

PlaylistBrowser::LoadResult PlaylistBrowser::load() {
  if (m_selected.isEmpty() || m_scanning) return LoadResult::Nothing;
  if (IsDirectoryEntry(m_selected)) {
    const QString target = DirectoryEntryTarget(m_selected);
    return !target.isEmpty() && scanFolder(target) ? LoadResult::FolderEntered
                                                   : LoadResult::Nothing;
  }

  m_covers.cancel();
  ++m_linesGeneration;
  updateBusy();
  if (PlaylistFormatOf(m_selected) != PlaylistFormat::Unknown) {
    m_executor.execute(Command::OpenPath, m_selected);
  } else {
    // A file the scan offers but no playlist reader knows: the list is
    // replaced by nothing, as reading it would give.
    m_executor.execute(Command::ClearPlaylist);
    m_executor.execute(Command::Play);
  }
  emit playlistLoaded();
  return LoadResult::PlaylistLoaded;
}

void PlaylistBrowser::setStatus(const QString& text) {
  m_status = text;
  emit statusTextChanged(text);
}

void PlaylistBrowser::setLines(const QStringList& lines) {
  m_lines = lines;
  emit linesChanged(lines);
}

void PlaylistBrowser::updateBusy() {
  const bool busy = isBusy();
  if (busy == m_wasBusy) return;
  m_wasBusy = busy;
  emit busyChanged(busy);
}

}  // namespace kd
