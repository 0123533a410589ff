#pragma once
// Decodes pictures held in memory (the covers embedded in media files) on a
// worker thread through the bounded picture loader, so a large one never
// holds up the window. Results come back on the thread that owns the decoder.

#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QThreadPool>
#include <functional>

namespace kd {

class BackgroundPictureDecoder : public QObject {
  Q_OBJECT
 public:
  explicit BackgroundPictureDecoder(QObject* parent = nullptr);
  // Waits for a decode still running; its result is dropped.
  ~BackgroundPictureDecoder() override;

  // Decodes `bytes`; `done` then runs on this object's thread with the
  // picture, or a null image when it cannot be decoded. A decode asked for
  // earlier that has not begun yet is dropped (its `done` never runs).
  void decode(QByteArray bytes, std::function<void(const QImage&)> done);

 private:
  QThreadPool m_pool;
};

}  // namespace kd
