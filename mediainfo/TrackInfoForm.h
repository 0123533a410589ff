#pragma once
// The logic of the track window: which file it shows, its field texts, the
// follow and edit modes and saving the tag. While not editing, it follows
// the player: every two seconds it looks whether the current track changed
// and shows the new one. While editing it stays on its file, and save
// writes the fields as that file's tag. The window only shows what this
// announces and hands back what the user typed.

#include <QObject>
#include <QString>
#include <QTimer>
#include <optional>

#include "mediainfo/Mp3Info.h"

namespace kd {

class MessageSink;
class TrackFileHooks;
struct Settings;

// What the window's fields hold.
struct TrackInfoTexts {
  QString fileName;
  QString title;
  QString artist;
  QString album;
  QString year;
  QString track;  // at least two digits ("07"); "" for a file without a tag
  QString comment;
  int genreItem = 0;  // item of the genre list; 0 is "Unknown"
  bool operator==(const TrackInfoTexts&) const = default;
};

// The texts that show `tag` of `fileName`: text fields without the blanks
// around them; a file without a tag (or no readable file) shows empty fields
// and "Unknown".
TrackInfoTexts TrackInfoTextsOf(const QString& fileName, const std::optional<ID3Info>& tag);
// The track byte a track text stands for: "" gives 0; nullopt unless the
// text (blanks around it aside) is a whole number from 0 to 255.
std::optional<uint8_t> TrackNumberOfText(QStringView text);

class TrackInfoForm : public QObject {
  Q_OBJECT
 public:
  static constexpr int kRefreshIntervalMs = 2000;
  static inline const QString kTrackRefusedMessage =
      QString::fromUtf8("“光轨”只能填 0 到 255 之间的数字，标签没有保存。");

  // `player` says which track is current; `messages` shows the save result;
  // `settings` name the legacy code page of the tag's texts.
  TrackInfoForm(TrackFileHooks& player, MessageSink& messages, const Settings& settings,
                QObject* parent = nullptr);

  // The window opened: not editing, showing the current track, following it.
  void open();
  // The window closed: nothing is followed any more.
  void close();
  bool isOpen() const { return m_open; }
  bool isFollowing() const { return m_refresh.isActive(); }

  // Shows the current track's file and tag.
  void showCurrent();
  // The refresh timer's work: shows the current track when it changed and
  // the form is not editing.
  void refresh();

  bool isEditing() const { return m_editing; }
  // Save is possible exactly while editing.
  void setEditing(bool editing);

  // The texts last shown.
  const TrackInfoTexts& shown() const { return m_shown; }

  // Writes `typed` as the tag of the file shown and says how it went ("Tag
  // Added!", "Tag Updated!", "Tag Failed!"); a track text that is no number
  // from 0 to 255 is refused before anything is written. The fields keep
  // the texts as typed.
  void save(const TrackInfoTexts& typed);

 signals:
  // New texts for every field.
  void textsShown(const TrackInfoTexts& texts);
  // The album picture to show; "" empties the picture.
  void coverShown(const QString& picturePath);
  void editingChanged(bool editing);

 private:
  void showCover(const TrackInfoTexts& texts);

  TrackFileHooks& m_player;
  MessageSink& m_messages;
  const Settings& m_settings;
  QTimer m_refresh;
  TrackInfoTexts m_shown;
  bool m_open = false;
  bool m_editing = false;
};

}  // namespace kd
