#include "playlist/FolderScanner.h"

#include <QElapsedTimer>
#include <QMetaObject>
#include <utility>

#include "playlist/FolderScan.h"

namespace kd {

namespace {

// A batch goes to the UI thread when it is this large or this old, so a big
// tree shows up as it is read without flooding the view with tiny inserts.
constexpr qsizetype kBatchSize = 4096;
constexpr qint64 kBatchAgeMs = 50;

}  // namespace

FolderScanner::FolderScanner(Playlist& playlist, QObject* parent)
    : QObject(parent), m_playlist(playlist) {}

FolderScanner::~FolderScanner() {
  m_stop = true;
  if (m_worker.joinable()) m_worker.join();
}

void FolderScanner::scan(const QString& folder, const QString& extensions, bool friendlyNames) {
  Job job;
  job.folder = folder;
  job.extensions = extensions;
  job.friendlyNames = friendlyNames;
  m_queue.push_back(std::move(job));
  pump();
}

void FolderScanner::then(std::function<void()> step) {
  if (!step) return;
  if (!isBusy() && !m_pumping) {
    step();
    return;
  }
  Job job;
  job.step = std::move(step);
  m_queue.push_back(std::move(job));
  pump();
}

void FolderScanner::cancel() {
  m_queue.clear();
  if (m_scanning) {
    m_stop = true;  // scanDone() reports the end
    return;
  }
  if (!m_pumping && m_busySinceIdle) {
    m_busySinceIdle = false;
    emit finished();
  }
}

void FolderScanner::pump() {
  // Steps run from here may queue more; the running loop picks it up.
  if (m_pumping) return;
  m_pumping = true;
  while (!m_scanning && !m_queue.empty()) {
    Job job = std::move(m_queue.front());
    m_queue.pop_front();
    if (job.step) {
      job.step();
    } else {
      startScan(job);
    }
  }
  m_pumping = false;
  if (!isBusy() && m_busySinceIdle) {
    m_busySinceIdle = false;
    emit finished();
  }
}

void FolderScanner::startScan(const Job& job) {
  const int room = Playlist::kMaxEntries - m_playlist.count();
  if (room <= 0) return;
  m_scanning = true;
  m_busySinceIdle = true;
  m_stop = false;
  if (m_worker.joinable()) m_worker.join();
  m_worker = std::thread([this, job, room] { runScan(job, room); });
}

void FolderScanner::runScan(Job job, int limit) {
  ScanOptions options;
  options.extensions = job.extensions;
  options.friendlyNames = job.friendlyNames;
  options.limit = limit;
  options.stop = &m_stop;

  QList<PlaylistEntry> pending;
  QElapsedTimer age;
  age.start();
  auto post = [this, &pending, &age] {
    if (pending.isEmpty()) return;
    QMetaObject::invokeMethod(
        this, [this, batch = std::move(pending)]() mutable { deliver(std::move(batch)); },
        Qt::QueuedConnection);
    pending = {};
    age.restart();
  };
  ScanDir(job.folder, options, [&](QList<PlaylistEntry>&& entries) {
    if (pending.isEmpty()) {
      pending = std::move(entries);
    } else {
      for (PlaylistEntry& e : entries) pending.append(std::move(e));
    }
    if (pending.size() >= kBatchSize || age.elapsed() >= kBatchAgeMs) post();
    return !m_stop.load(std::memory_order_relaxed);
  });
  post();
  QMetaObject::invokeMethod(
      this, [this] { scanDone(); }, Qt::QueuedConnection);
}

void FolderScanner::deliver(QList<PlaylistEntry> batch) {
  const qsizetype offered = batch.size();
  const int added = m_playlist.appendBatch(std::move(batch));
  // The playlist filled up (entries may have come from elsewhere meanwhile).
  if (added < offered) m_stop = true;
}

void FolderScanner::scanDone() {
  if (m_worker.joinable()) m_worker.join();
  m_scanning = false;
  pump();
}

}  // namespace kd
