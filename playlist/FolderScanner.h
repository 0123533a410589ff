#pragma once
// Runs the adds that change the playlist in the order they were asked for.
// Folder scans run on a worker thread and hand their entries to the UI thread
// in batches; every other step (a single file, a playlist file, a clear, the
// start of playback) runs on the UI thread, at once when nothing is pending,
// otherwise after the work queued before it. So a second add made during a
// scan never interleaves with it, and "play" after a folder add waits for the
// scan.

#include <QList>
#include <QObject>
#include <QString>
#include <atomic>
#include <deque>
#include <functional>
#include <thread>

#include "playlist/Playlist.h"

namespace kd {

class FolderScanner : public QObject {
  Q_OBJECT
 public:
  explicit FolderScanner(Playlist& playlist, QObject* parent = nullptr);
  // Stops a running scan and waits for its thread.
  ~FolderScanner() override;

  // Queues a scan of the tree below `folder` (see ScanDir). Its entries are
  // appended to the playlist as they come, as many as fit; the count is
  // published after each batch and when the scan ends.
  void scan(const QString& folder, const QString& extensions, bool friendlyNames);
  // Runs `step` now when nothing is pending, else after the pending work.
  // A step that queues more work puts it after whatever is pending then.
  void then(std::function<void()> step);

  // A scan is running or work is queued.
  bool isBusy() const { return m_scanning || !m_queue.empty(); }
  // Ends the running scan early (the entries delivered so far stay) and drops
  // the queued work; finished() follows once the scan's thread is done.
  void cancel();

 signals:
  // The work that made the scanner busy is all done (or cancelled).
  void finished();

 private:
  struct Job {
    std::function<void()> step;  // set for a plain step
    QString folder;              // otherwise a scan
    QString extensions;
    bool friendlyNames = true;
  };

  void pump();
  void startScan(const Job& job);
  void runScan(Job job, int limit);  // worker thread
  void deliver(QList<PlaylistEntry> batch);
  void scanDone();

  Playlist& m_playlist;
  std::deque<Job> m_queue;
  std::thread m_worker;
  std::atomic<bool> m_stop{false};
  bool m_scanning = false;
  bool m_pumping = false;
  bool m_busySinceIdle = false;  // finished() is owed
};

}  // namespace kd
