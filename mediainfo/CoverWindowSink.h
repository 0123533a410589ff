#pragma once
// The separate cover window, as the cover logic sees it. The widget side
// implements it (creating the window when it is first needed); tests use a
// recording fake.

#include <QImage>

namespace kd {

class CoverWindowSink {
 public:
  virtual ~CoverWindowSink() = default;
  virtual void showCoverPicture(const QImage& picture) = 0;
  virtual void clearCoverPicture() = 0;
  virtual void showCoverWindow() = 0;
  virtual void hideCoverWindow() = 0;
  virtual bool isCoverWindowVisible() const = 0;
};

}  // namespace kd
