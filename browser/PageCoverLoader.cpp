#include "browser/PageCoverLoader.h"

#include <QMetaObject>
#include <algorithm>

#include "browser/CoverFinder.h"
#include "mediainfo/PictureLoader.h"

namespace kd {

namespace {

// Two threads decode; more would only fight over the disk and the cores the
// player needs to play on.
constexpr int kDecodingThreads = 2;

QImage ScaledToCell(const QString& path, QSize cellSize) {
  if (path.isEmpty() || cellSize.isEmpty()) return {};
  PictureLimits limits;
  // Decoded at about the size shown: an 8000 x 8000 cover costs no more memory than the cell.
  limits.maxSide = std::max(cellSize.width(), cellSize.height());
  limits.fastScaling = true;
  const QImage picture = LoadPicture(path, limits);
  if (picture.isNull()) return {};
  // The cells stretch their picture to their square.
  return picture.scaled(cellSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
      .convertToFormat(QImage::Format_RGB32);
}

}  // namespace

PageCoverLoader::PageCoverLoader(QString defaultPicture, QObject* parent)
    : QObject(parent), m_defaultPicture(std::move(defaultPicture)) {
  m_pool.setMaxThreadCount(kDecodingThreads);
}

PageCoverLoader::~PageCoverLoader() {
  cancel();
  m_pool.clear();
  m_pool.waitForDone();
}

void PageCoverLoader::cancel() {
  ++m_generation;
  m_wanted = m_generation;
  m_pending = 0;
  // Cells not yet begun are dropped; the ones decoding see they are unwanted.
  m_pool.clear();
}

void PageCoverLoader::start(const QStringList& entries, QSize cellSize) {
  cancel();
  const int generation = m_generation;
  m_pending = static_cast<int>(entries.size());
  if (m_pending == 0) {
    emit finished();
    return;
  }
  auto finder = std::make_shared<CoverFinder>();
  for (int cell = 0; cell < entries.size(); ++cell) {
    m_pool.start([this, generation, cell, entry = entries[cell], finder, cellSize] {
      if (m_wanted != generation) return;
      const QImage picture = pictureFor(entry, *finder, cellSize, generation);
      if (m_wanted != generation) return;
      QMetaObject::invokeMethod(
          this, [this, generation, cell, picture] { deliver(generation, cell, picture); },
          Qt::QueuedConnection);
    });
  }
}

QImage PageCoverLoader::pictureFor(const QString& entry, CoverFinder& finder, QSize cellSize,
                                   int generation) const {
  const QString cover = finder.coverOf(entry);
  if (!cover.isEmpty() && m_wanted == generation) {
    QImage picture = ScaledToCell(cover, cellSize);
    if (!picture.isNull()) return picture;
  }
  return defaultPicture(cellSize);
}

QImage PageCoverLoader::defaultPicture(QSize cellSize) const {
  if (m_defaultPicture.isEmpty()) return {};
  const std::lock_guard lock(m_defaultMutex);
  if (m_defaultSize != cellSize) {
    m_defaultScaled = ScaledToCell(m_defaultPicture, cellSize);
    m_defaultSize = cellSize;
  }
  return m_defaultScaled;
}

void PageCoverLoader::deliver(int generation, int cell, const QImage& picture) {
  if (generation != m_generation || m_pending <= 0) return;
  emit coverReady(cell, picture);
  // A receiver may have started another page meanwhile.
  if (generation != m_generation) return;
  if (--m_pending == 0) emit finished();
}

}  // namespace kd
