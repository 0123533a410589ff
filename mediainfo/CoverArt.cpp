#include "mediainfo/CoverArt.h"

#include <QDir>
#include <QHash>

#include "core/Dialogs.h"
#include "mediainfo/BackgroundPictureDecoder.h"
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

QString FindFolderCover(const QString& dir) {
  if (dir.isEmpty() || dir.contains(QChar(0))) return {};
  const QString folder = WithTrailingSeparator(dir);
  // One listing of the folder; names compared in lower case.
  QHash<QString, QString> onDisk;
  for (const QString& name : QDir(folder).entryList(QDir::Files))
    onDisk.insert(name.toLower(), name);
  for (const char* base : {"cover", "folder", "front"}) {
    for (const char* extension : {".jpg", ".jpeg", ".png", ".gif", ".bmp"}) {
      const auto hit = onDisk.constFind(QLatin1String(base) + QLatin1String(extension));
      if (hit != onDisk.constEnd() && FileExists(folder + *hit)) return folder + *hit;
    }
  }
  return {};
}

bool IsCoverPicture(const QString& path) {
  if (IsPicture(path)) return true;
  return path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive) ||
         path.endsWith(QLatin1String(".jpeg"), Qt::CaseInsensitive);
}

CoverArt::CoverArt(Dialogs& dialogs)
    : m_decoder(std::make_unique<BackgroundPictureDecoder>()), m_dialogs(dialogs) {}

CoverArt::~CoverArt() = default;

QString CoverArt::defaultPicture() {
  return FindProgramFile(QString::fromLatin1(kDefaultPictureName));
}

void CoverArt::loadTagCover(const QString& path, const QString& artist, const QString& album) {
  loadTrackCover({path, artist, album, {}});
}

QString CoverArt::fallbackPicture(const QString& dir) const {
  QString pic = FindFolderCover(dir);
  if (pic.isEmpty() && m_plCover) pic = m_plCover();
  // A missing default picture gives "", which clears the cover.
  if (pic.isEmpty()) pic = defaultPicture();
  return pic;
}

void CoverArt::loadTrackCover(const TrackCoverQuery& query) {
  const QString named = FindTagCover(query.dir, query.artist, query.album);
  if (!named.isEmpty() || query.embeddedPicture.isEmpty()) {
    loadCover(named.isEmpty() ? fallbackPicture(query.dir) : named);
    return;
  }
  if (preferencesVisible()) return;
  const int request = ++m_request;
  m_pendingEmbedded = true;
  m_decoder->decode(query.embeddedPicture, [this, request, dir = query.dir](const QImage& picture) {
    embeddedPictureDecoded(request, dir, picture);
  });
}

void CoverArt::embeddedPictureDecoded(int request, const QString& dir, const QImage& picture) {
  if (request != m_request) return;  // the cover changed meanwhile
  m_pendingEmbedded = false;
  if (picture.isNull()) {
    // A damaged or oversized picture: the track goes on down the fallbacks.
    loadCover(fallbackPicture(dir));
    return;
  }
  showPicture(picture);
  // No file to remember: LastCover stays empty.
  m_lastCover.clear();
  m_showingEmbedded = true;
}

void CoverArt::loadCover(const QString& a) {
  ++m_request;
  m_pendingEmbedded = false;
  // Already shown, even if the file changed since.
  if (a == m_lastCover && !m_showingEmbedded) return;
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
  if (!IsCoverPicture(pic)) return;  // a playlist, a song: nothing changes
  const QImage picture = LoadPicture(pic);
  if (picture.isNull()) return;  // damaged or refused: nothing changes

  showPicture(picture);
  m_lastCover = pic;
  m_showingEmbedded = false;
}

void CoverArt::showPicture(const QImage& picture) {
  if (m_skin) m_skin->showCoverImage(picture);
  const bool skinShowsCover = m_skin && m_skin->isCoverImageVisible();
  if (m_window) {
    // The cover window always holds the current cover, so that it shows it
    // whenever it is opened; it opens by itself only for a skin without a
    // cover image.
    m_window->showCoverPicture(picture);
    if (!skinShowsCover) m_window->showCoverWindow();
  }
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
  ++m_request;
  m_pendingEmbedded = m_showingEmbedded = false;
  if (m_skin) m_skin->clearCoverImage();
  if (m_window) m_window->clearCoverPicture();
  m_lastCover.clear();
}

void CoverArt::clearCover() {
  m_showingEmbedded = false;
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
