#pragma once
// Loads the cover pictures of one browser page off the user-interface
// thread: each cell's cover is found, decoded through the bounded picture
// loader and scaled once to the cell, and handed over as soon as it is
// ready. Starting another page cancels the one still loading: its pictures
// are neither decoded further nor handed over.

#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QThreadPool>
#include <atomic>
#include <memory>
#include <mutex>

namespace kd {

class CoverFinder;

class PageCoverLoader : public QObject {
  Q_OBJECT
 public:
  // `defaultPicture` is shown for an entry without a cover of its own (and
  // for one whose cover cannot be decoded); "" shows no picture then.
  explicit PageCoverLoader(QString defaultPicture, QObject* parent = nullptr);
  // Cancels and waits for the decoding threads.
  ~PageCoverLoader() override;

  // Starts loading the covers of `entries` (cell k shows entry k) at `cellSize`.
  // Ends a page still loading first. An empty page finishes at once.
  void start(const QStringList& entries, QSize cellSize);
  // Ends the page loading now; nothing more is handed over for it.
  void cancel();
  bool isLoading() const { return m_pending > 0; }

 signals:
  // The picture of `cell`, scaled to the cell size; a null image when the
  // entry has neither a cover nor a default picture.
  void coverReady(int cell, const QImage& picture);
  // Every cell of the page has its picture.
  void finished();

 private:
  QImage pictureFor(const QString& entry, CoverFinder& finder, QSize cellSize,
                    int generation) const;
  QImage defaultPicture(QSize cellSize) const;
  void deliver(int generation, int cell, const QImage& picture);

  QString m_defaultPicture;
  QThreadPool m_pool;
  int m_generation = 0;               // the page being loaded (UI thread)
  std::atomic<int> m_wanted{0};       // the same, for the decoding threads
  int m_pending = 0;                  // cells of the page still to come
  mutable std::mutex m_defaultMutex;  // guards the two below
  mutable QImage m_defaultScaled;
  mutable QSize m_defaultSize;
};

}  // namespace kd
