#pragma once
// The skin's cover image on the main window, as the cover logic sees it. The
// skinned main window implements it; tests use a recording fake.

#include <QImage>

namespace kd {

class SkinCoverSink {
 public:
  virtual ~SkinCoverSink() = default;
  // Whether the loaded skin shows a cover image at all.
  virtual bool isCoverImageVisible() const = 0;
  virtual void showCoverImage(const QImage& picture) = 0;
  virtual void clearCoverImage() = 0;
};

}  // namespace kd
