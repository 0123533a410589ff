#pragma once
// Pictures and recording fakes shared by the cover tests.

#include <QColor>
#include <QImage>
#include <QList>
#include <QString>

#include "core/Dialogs.h"
#include "mediainfo/CoverWindowSink.h"
#include "mediainfo/SkinCoverSink.h"

namespace kd::test {

// A picture filled with one colour, saved in `format` ("BMP", "JPG").
QString writePicture(const QString& fullPath, QSize size, QColor colour, const char* format);
// A 1 x 1 GIF (Qt cannot write GIF files).
QByteArray tinyGif();
// The colour at the centre of `image` (invalid colour for a null image).
QColor centreColour(const QImage& image);
// Whether two colours are close (JPEG changes colours a little).
bool nearColour(QColor a, QColor b);

class FakeSkinCover : public SkinCoverSink {
 public:
  bool visible = true;
  QImage picture;
  int shows = 0;
  int clears = 0;

  bool isCoverImageVisible() const override { return visible; }
  void showCoverImage(const QImage& p) override {
    picture = p;
    ++shows;
  }
  void clearCoverImage() override {
    picture = QImage();
    ++clears;
  }
};

class FakeCoverWindow : public CoverWindowSink {
 public:
  QImage picture;
  bool visible = false;
  int fills = 0;
  int clears = 0;

  void showCoverPicture(const QImage& p) override {
    picture = p;
    ++fills;
  }
  void clearCoverPicture() override {
    picture = QImage();
    ++clears;
  }
  void showCoverWindow() override { visible = true; }
  void hideCoverWindow() override { visible = false; }
  bool isCoverWindowVisible() const override { return visible; }
};

class FakeDialogs : public Dialogs {
 public:
  QList<FileDialogRequest> requests;
  QString answer;  // "" answers as a cancel

  FileDialogResult OpenFile(const FileDialogRequest& request) override {
    requests.append(request);
    FileDialogResult result;
    result.path = answer;
    return result;
  }
  FileDialogResult SaveFile(const FileDialogRequest&) override { return {}; }
  QString BrowseFolder(const QString&) override { return {}; }
  bool Confirm(const QString&) override { return false; }
  void ShowMessage(const QString&) override {}
};

}  // namespace kd::test
