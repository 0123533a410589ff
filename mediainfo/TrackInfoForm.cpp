#include "mediainfo/TrackInfoForm.h"

#include "core/Settings.h"
#include "mediainfo/CoverArt.h"
#include "mediainfo/Genres.h"
#include "mediainfo/Id3v1.h"
#include "mediainfo/Id3v1File.h"
#include "mediainfo/TrackFileHooks.h"
#include "util/MessageSink.h"
#include "util/Paths.h"
#include "util/TextForms.h"

namespace kd {

namespace {

QString trimmed(const QString& field) {
  return TrimBlanks(field).toString();
}

}  // namespace

TrackInfoTexts TrackInfoTextsOf(const QString& fileName, const std::optional<ID3Info>& tag) {
  TrackInfoTexts texts;
  texts.fileName = fileName;
  if (!tag || !tag->present) return texts;
  texts.title = trimmed(tag->Title);
  texts.artist = trimmed(tag->Artist);
  texts.album = trimmed(tag->Album);
  texts.year = trimmed(tag->Year);
  texts.track = QString::number(tag->Track).rightJustified(2, QLatin1Char('0'));
  texts.comment = trimmed(tag->Comment);
  texts.genreItem = GenreItem(tag->Genre);
  return texts;
}

std::optional<uint8_t> TrackNumberOfText(QStringView text) {
  const QStringView digits = TrimBlanks(text);
  if (digits.isEmpty()) return uint8_t{0};
  int value = 0;
  for (const QChar c : digits) {
    if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
    value = value * 10 + (c.unicode() - '0');
    if (value > 255) return std::nullopt;
  }
  return static_cast<uint8_t>(value);
}

TrackInfoForm::TrackInfoForm(TrackFileHooks& player, MessageSink& messages,
                             const Settings& settings, QObject* parent)
    : QObject(parent), m_player(player), m_messages(messages), m_settings(settings) {
  m_refresh.setInterval(kRefreshIntervalMs);
  connect(&m_refresh, &QTimer::timeout, this, &TrackInfoForm::refresh);
}

void TrackInfoForm::open() {
  m_open = true;
  setEditing(false);
  showCurrent();
  m_refresh.start();
}

void TrackInfoForm::close() {
  m_refresh.stop();
  m_open = false;
  setEditing(false);
}

void TrackInfoForm::showCurrent() {
  const QString path = m_player.currentTrackPath();
  std::optional<ID3Info> tag;
  // A stream's address is never opened as a file.
  if (!path.isEmpty() && !IsStreamUrl(path)) {
    tag = ReadId3v1File(path, m_settings.legacyCodepage());
  }
  m_shown = TrackInfoTextsOf(path, tag);
  emit textsShown(m_shown);
  showCover(m_shown);
}

// Without an album the picture stays as it is.
void TrackInfoForm::showCover(const TrackInfoTexts& texts) {
  if (texts.album.isEmpty()) return;
  emit coverShown(FindTagCover(GetDirPart(texts.fileName), texts.artist, texts.album));
}

void TrackInfoForm::refresh() {
  if (!m_editing && m_player.currentTrackPath() != m_shown.fileName) showCurrent();
}

void TrackInfoForm::setEditing(bool editing) {
  if (editing == m_editing) return;
  m_editing = editing;
  emit editingChanged(editing);
}

void TrackInfoForm::save(const TrackInfoTexts& typed) {
  if (!m_editing) return;
  const std::optional<uint8_t> track = TrackNumberOfText(typed.track);
  if (!track) {
    m_messages.showMessage(kTrackRefusedMessage);
    return;
  }
  ID3Info tag;
  tag.Title = typed.title;
  tag.Artist = typed.artist;
  tag.Album = typed.album;
  tag.Year = typed.year;
  tag.Comment = typed.comment;
  tag.Track = *track;
  tag.Genre = GenreByte(typed.genreItem);
  const QByteArray bytes = BuildId3v1(tag, m_settings.legacyCodepage());

  // The file the window shows, whatever plays now.
  const QString path = m_shown.fileName;
  TagSaveResult result = TagSaveResult::Failed;
  m_player.rewriteFile(path, [&] { result = SaveId3v1File(path, bytes); });
  switch (result) {
    case TagSaveResult::TooShort:
      return;
    case TagSaveResult::Failed:
      m_messages.showMessage(QStringLiteral("Tag Failed!"));
      return;
    case TagSaveResult::Added:
    case TagSaveResult::Updated: {
      // The player shows the tag as it now is in the file (texts cut to
      // their widths), just as reading the file again would.
      ID3Info written;
      ParseId3v1(bytes, written, m_settings.legacyCodepage());
      m_player.tagChanged(path, written);
      m_messages.showMessage(result == TagSaveResult::Added ? QStringLiteral("Tag Added!")
                                                            : QStringLiteral("Tag Updated!"));
      return;
    }
  }
}

}  // namespace kd
