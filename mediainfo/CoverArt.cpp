#include "mediainfo/CoverArt.h"

#include "core/Dialogs.h"
#include "mediainfo/CoverWindowSink.h"
#include "mediainfo/PictureLoader.h"
#include "mediainfo/SkinCoverSink.h"
#include "util/AppPaths.h"
#include "util/Paths.h"
#include "util/TextForms.h"

namespace kd {

namespace {

// FindPicture for a base name built from tag text. A name holding a NUL
// cannot exist on disk, so it is not looked up at all.
QString findTagPicture(const QString& base) {
  if (base.contains(QChar(0))) return {};
  return FindPicture(base);
}

}  // namespace

QString FindTagCover(const QString& dir, const QString& artist, const QString& album) {
  const QString folder = WithTrailingSeparator(dir);
  // Tag fields are trimmed of blanks only: other padding (NUL characters some
  // taggers write) stays, so such names simply find no picture.
  const QString artistName = TrimBlanks(artist).toString();
  const QString albumName = TrimBlanks(album).toString();
  QString pic;
  // Later hits replace earlier ones: "artist - album" beats "artist-album",
  // which beats "album".
  if (!albumName.isEmpty()) {
    const QString hit = findTagPicture(folder + albumName);
    if (!hit.isEmpty()) pic = hit;
  }
  if (!artistName.isEmpty()) {
    for (const char* joint : {"-", " - "}) {
      const QString hit = findTagPicture(folder + artistName + QLatin1String(joint) + albumName);
      if (!hit.isEmpty()) pic = hit;
    }
  }
  return pic;
}

CoverArt::CoverArt(Dialogs& dialogs) : m_dialogs(dialogs) {}

QString CoverArt::defaultPicture() {
  return FindProgramFile(QString::fromLatin1(kDefaultPictureName));
}

void CoverArt::loadTagCover(const QString& path, const QString& artist, const QString& album) {
  QString pic = FindTagCover(path, artist, album);
  if (pic.isEmpty() && m_plCover) pic = m_plCover();
  // A missing default picture gives "", which clears the cover.
  if (pic.isEmpty()) pic = defaultPicture();
  loadCover(pic);
}

void CoverArt::loadCover(const QString& a) {
  if (a == m_lastCover) return;  // already shown, even if the file changed since
  if (preferencesVisible()) return;
  if (a.isEmpty()) {
    clearCover();
    return;
  }
  const QString pic = a.contains(QLatin1Char('.')) ? a : FindPicture(a);
  if (!FileExists(pic)) {
    clearCover();
    return;
  }
  if (!IsPicture(pic)) return;  // a playlist, a song: nothing changes
  const QImage picture = LoadPicture(pic);
  if (picture.isNull()) return;  // damaged or refused: nothing changes

  if (m_skin) m_skin->showCoverImage(picture);
  const bool skinShowsCover = m_skin && m_skin->isCoverImageVisible();
  if (!skinShowsCover && m_window) {
    m_window->showCoverPicture(picture);
    m_window->showCoverWindow();
  }
  m_lastCover = pic;
}

void CoverArt::selectCover() {
  FileDialogRequest request;
  request.title = QStringLiteral("Select Cover");
  request.filter = QStringLiteral("Bitmap|*.gif;*.bmp;*.jpg");
  request.filterIndex = 1;
  request.initialFolder = QString();
  request.fileName = m_lastChosen;
  const FileDialogResult result = m_dialogs.openFile(request);
  if (result.cancelled()) return;
  m_lastChosen = result.path;
  loadCover(result.path);
}

void CoverArt::toggleCoverWindow() {
  if (!m_window) return;
  if (m_window->isCoverWindowVisible()) {
    m_window->hideCoverWindow();
  } else {
    m_window->showCoverWindow();
  }
}

void CoverArt::playlistCleared() {
  if (m_skin) m_skin->clearCoverImage();
  if (m_window) m_window->clearCoverPicture();
  m_lastCover.clear();
}

void CoverArt::clearCover() {
  if (m_skin) m_skin->clearCoverImage();
  if (m_window) {
    m_window->clearCoverPicture();
    m_window->hideCoverWindow();
  }
  m_lastCover.clear();
}

bool CoverArt::preferencesVisible() const {
  return m_prefsVisible && m_prefsVisible();
}

}  // namespace kd
