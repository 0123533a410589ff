#pragma once
// The visual playlist browser without its window: the entries of a folder
// (playlists, or directory entries that lead into other folders), shown as
// pages of sixteen cover cells; a selected entry with its lines; loading the
// selected playlist into the player through the command executor. Folder
// scans and cover pictures are done on worker threads; while either runs the
// browser is busy, which keeps its window open.

#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QThreadPool>
#include <atomic>

#include "browser/PageCoverLoader.h"
#include "util/TextCodec.h"

namespace kd {

class CommandExecutor;

struct BrowserOptions {
  // The FriendlyNames setting, for tool tips and the selected entry's name.
  bool friendlyNames = true;
  // The legacy code page of playlists that are not UTF-8.
  QByteArray codepage = kDefaultCodepage;
  // The picture of an entry without a cover ("" = none).
  QString defaultPicture;
};

class PlaylistBrowser : public QObject {
  Q_OBJECT
 public:
  static constexpr const char* kSelectFromLeft = "<- Select playlist from left";
  static constexpr const char* kLoadingPage = "One moment, loading...";
  static constexpr const char* kChoosePlaylist = "选择播放列表...";
  static constexpr const char* kDirectoryHint = "这是播放目录，双击进入!";
  static constexpr const char* kFolderPrompt = "选择包涵播放文件的目录:";

  enum class LoadResult {
    Nothing,         // nothing selected, or a directory entry whose folder is missing
    PlaylistLoaded,  // the player plays the selected playlist; the window closes
    FolderEntered,   // a directory entry: its folder is being scanned
  };

  PlaylistBrowser(BrowserOptions options, CommandExecutor& executor, QObject* parent = nullptr);
  // Stops the work in progress and waits for its threads.
  ~PlaylistBrowser() override;

  // The size the cover pictures are scaled to.
  void setCellSize(QSize size) { m_cellSize = size; }
  // While on, every folder scanned becomes the default folder (madeDefault).
  void setMakeDefault(bool on) { m_makeDefault = on; }

  // Scans `folder` for entries and shows its first page. A folder that does
  // not exist changes nothing (false); so does a call while a scan runs.
  bool scanFolder(const QString& folder);
  // Shows the next or previous page when there is one; a page still
  // loading is cancelled.
  void nextPage();
  void previousPage();
  // Selects the entry shown by `cell` of this page (nothing when the cell
  // shows none) and lists its lines.
  void selectCell(int cell);
  // Loads the selected entry; see LoadResult.
  LoadResult load();

  bool isBusy() const { return m_scanning || m_covers.isLoading(); }
  bool isScanning() const { return m_scanning; }
  // The folder scanned last, with its trailing "/".
  const QString& folder() const { return m_folder; }
  const QStringList& entries() const { return m_entries; }
  int page() const { return m_page; }
  int lastPage() const;
  // The entries shown on this page, cell by cell.
  QStringList pageEntries() const;
  QString pageStatus() const;
  const QString& statusText() const { return m_status; }
  const QString& selectedEntry() const { return m_selected; }
  const QStringList& selectedLines() const { return m_lines; }
  QString toolTipOf(const QString& entry) const;

 signals:
  void busyChanged(bool busy);
  // The selected entry's name, or what the browser is doing.
  void statusTextChanged(const QString& text);
  void pageStatusChanged(const QString& text);
  // A page (or, during a scan, none) is shown: `entries` are its cells, in
  // order; the other cells are hidden. Pictures follow by coverReady.
  void pageShown(const QStringList& entries);
  void coverReady(int cell, const QImage& picture);
  // The lines listed for the selected entry.
  void linesChanged(const QStringList& lines);
  // A folder was scanned while "make default" is on.
  void madeDefault(const QString& folder);
  // The selected playlist now plays; the browser's work is over.
  void playlistLoaded();

 private:
  void scanDone(int generation, const QString& folder, const QStringList& entries);
  void showPage();
  void pageDone();
  void setStatus(const QString& text);
  void setLines(const QStringList& lines);
  void updateBusy();

  BrowserOptions m_options;
  CommandExecutor& m_executor;
  PageCoverLoader m_covers;
  QThreadPool m_work;  // folder scans and playlist listings, one at a time
  std::atomic<bool> m_stop{false};
  QSize m_cellSize{128, 128};
  bool m_makeDefault = false;

  QString m_folder;
  QStringList m_entries;
  int m_page = 0;
  QString m_status;
  QString m_selected;
  QStringList m_lines;
  bool m_scanning = false;
  bool m_wasBusy = false;
  int m_scanGeneration = 0;
  int m_linesGeneration = 0;
};

}  // namespace kd
