#pragma once
// The cover picture of the current track: found beside the music by the tag's
// artist and album, shown in the skin's cover image and, when the skin shows
// none, in the cover window. Remembers the picture shown (LastCover) so the
// same picture is not loaded twice and can be shown again at the next start.

#include <QImage>
#include <QString>
#include <functional>
#include <memory>

#include "mediainfo/CoverHooks.h"

namespace kd {

class CoverWindowSink;

// The picture of a track in folder `dir` named after its tag: album,
// artist-album or artist - album (the later rule wins), each as ".jpg",
// ".gif" or ".bmp". Blanks around the names are ignored; "" when none exists.
QString FindTagCover(const QString& dir, const QString& artist, const QString& album);

// The album picture of folder `dir` under a common name: "cover", then
// "folder", then "front" (any case), each as JPEG, PNG, GIF or BMP. Returns
// the path as it is on disk, or "".
QString FindFolderCover(const QString& dir);

// Whether `path` names a picture the cover can show by its extension: BMP,
// GIF, JPG and also PNG and JPEG (any case).
bool IsCoverPicture(const QString& path);

class BackgroundPictureDecoder;
class Dialogs;
class SkinCoverSink;

// Playback reaches it through CoverHooks (an interface without code, so no
// link dependency on the playback library arises).
class CoverArt : public CoverHooks {
 public:
  // The default picture, looked for in the program folders.
  static constexpr const char* kDefaultPictureName = "nocover.bmp";

  // `dialogs` lets the user pick a picture (SelectCover).
  explicit CoverArt(Dialogs& dialogs);
  ~CoverArt() override;
  CoverArt(const CoverArt&) = delete;
  CoverArt& operator=(const CoverArt&) = delete;

  // Where pictures are shown. A missing skin sink counts as a skin without a
  // cover image; a missing window sink as no cover window.
  void setSkinSink(SkinCoverSink* sink) { m_skin = sink; }
  void setWindowSink(CoverWindowSink* sink) { m_window = sink; }
  // The loaded playlist's own picture, the fallback of loadTagCover.
  void setPlaylistCover(std::function<QString()> plCover) { m_plCover = std::move(plCover); }
  // Whether the preferences dialog is on screen. The query must not bring the
  // dialog into being; without one the dialog counts as not visible.
  void setPreferencesVisibleQuery(std::function<bool()> query) {
    m_prefsVisible = std::move(query);
  }

  // The picture shown now, "" when none; saved at exit as the LastCover setting.
  const QString& lastCover() const { return m_lastCover; }

  // Finds the track's picture in its folder `path` by album, artist-album and
  // artist - album (the later rule wins), else the playlist's picture, else
  // the default picture, and shows it through loadCover.
  void loadTagCover(const QString& path, const QString& artist, const QString& album) override;
  // The picture of a started track: the pictures named after its tag; else
  // the picture embedded in the file (decoded off the interface thread), else
  // the folder's cover, folder or front picture; else the playlist's picture,
  // else the default picture.
  void loadTrackCover(const TrackCoverQuery& query) override;
  // An embedded picture is being decoded.
  bool isDecoding() const { return m_pendingEmbedded; }
  // Shows picture `a` (or the picture named `a` plus ".jpg", ".gif" or ".bmp"
  // when `a` holds no "."); "" or a missing file clears the cover.
  void loadCover(const QString& a) override;
  // Lets the user pick a picture, then loadCover; cancel does nothing.
  void selectCover();
  // Shows the cover window when hidden, hides it when shown.
  void toggleCoverWindow();
  // The playlist was cleared: both pictures are emptied and the picture is
  // forgotten, so loading it again later shows it again.
  void playlistCleared();

  // The path of the default picture, or "" when no program folder has it.
  static QString defaultPicture();

 private:
  void clearCover();
  void showPicture(const QImage& picture);
  bool preferencesVisible() const;
  // After the pictures named by the tag: the folder's own, the playlist's,
  // the default one.
  QString fallbackPicture(const QString& dir) const;
  void embeddedPictureDecoded(int request, const QString& dir, const QImage& picture);

  std::unique_ptr<BackgroundPictureDecoder> m_decoder;
  int m_request = 0;  // counts every change of the cover; a decode of an older one is dropped
  bool m_pendingEmbedded = false;
  bool m_showingEmbedded = false;  // the picture shown came from inside a file

  SkinCoverSink* m_skin = nullptr;
  CoverWindowSink* m_window = nullptr;
  Dialogs& m_dialogs;
  std::function<QString()> m_plCover;
  std::function<bool()> m_prefsVisible;
  QString m_lastCover;
  QString m_lastChosen;  // the file name the picture dialog opens with
};

}  // namespace kd
