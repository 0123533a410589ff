#pragma once
// Brings the cover window into being when it is first needed and lets it go
// when the user closes it; the next use creates it afresh, showing the
// current cover (or, before any, the picture named by LastCover). A new
// window opens beside the main window.

#include <QImage>
#include <QPointer>
#include <QRect>
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

  // The frame of the window a new cover window opens beside.
  void setAnchor(std::function<QRect()> anchorFrame) { m_anchorFrame = std::move(anchorFrame); }

  // The window when it exists, else null.
  CoverWindow* window() const { return m_window; }

 private:
  CoverWindow* ensureWindow();

  std::function<QString()> m_lastCover;
  std::function<QRect()> m_anchorFrame;
  QImage m_picture;  // the current cover; null when none was given
  QPointer<CoverWindow> m_window;
};

}  // namespace kd
