#pragma once
// Brings the cover window into being when it is first needed and lets it go
// when the user closes it; the next use creates it afresh, showing the
// picture named by LastCover.

#include <QPointer>
#include <QString>
#include <functional>

#include "mediainfo/CoverWindowSink.h"

namespace kd {

class CoverWindow;

class CoverWindowHost : public CoverWindowSink {
 public:
  // `lastCover` tells a newly created window which picture to show.
  explicit CoverWindowHost(std::function<QString()> lastCover);
  ~CoverWindowHost() override;
  CoverWindowHost(const CoverWindowHost&) = delete;
  CoverWindowHost& operator=(const CoverWindowHost&) = delete;

  void showCoverPicture(const QImage& picture) override;
  void clearCoverPicture() override;
  void showCoverWindow() override;
  void hideCoverWindow() override;
  bool isCoverWindowVisible() const override;

  // The window when it exists, else null.
  CoverWindow* window() const { return m_window; }

 private:
  // `showLastCover`: whether a new window loads LastCover (not worth it when
  // a picture replaces it at once).
  CoverWindow* ensureWindow(bool showLastCover);

  std::function<QString()> m_lastCover;
  QPointer<CoverWindow> m_window;
};

}  // namespace kd
