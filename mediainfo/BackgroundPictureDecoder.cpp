#include "mediainfo/BackgroundPictureDecoder.h"

#include "mediainfo/PictureLoader.h"

namespace kd {

BackgroundPictureDecoder::BackgroundPictureDecoder(QObject* parent) : QObject(parent) {
  m_pool.setMaxThreadCount(1);
}

BackgroundPictureDecoder::~BackgroundPictureDecoder() {
  m_pool.clear();
  m_pool.waitForDone();
}

void BackgroundPictureDecoder::decode(QByteArray bytes, std::function<void(const QImage&)> done) {
  m_pool.clear();
  m_pool.start([this, bytes = std::move(bytes), done = std::move(done)]() mutable {
    const QImage picture = LoadPictureData(bytes);
    // Delivered through this object's event queue: dropped if it is gone.
    QMetaObject::invokeMethod(
        this, [done = std::move(done), picture] { done(picture); }, Qt::QueuedConnection);
  });
}

}  // namespace kd
