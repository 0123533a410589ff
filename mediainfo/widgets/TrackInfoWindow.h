#pragma once
// The track information window: the current track's file and tag in fields
// the user can edit, its album picture, and the edit, current, save and
// close controls. It shows what its TrackInfoForm announces and hands the
// typed texts back to it; closing the window ends the form's following.

#include <QWidget>

#include "mediainfo/TrackInfoForm.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace kd {

class CoverPicture;

class TrackInfoWindow : public QWidget {
  Q_OBJECT
 public:
  // The longest text each field takes. The track field takes three digits,
  // so that every track byte (0 to 255) shows whole and saves unchanged.
  static constexpr int kTitleLength = 30;
  static constexpr int kArtistLength = 30;
  static constexpr int kAlbumLength = 30;
  static constexpr int kYearLength = 4;
  static constexpr int kTrackLength = 3;
  static constexpr int kCommentLength = 29;

  explicit TrackInfoWindow(TrackInfoForm& form, QWidget* parent = nullptr);

  // What the fields hold now.
  TrackInfoTexts typedTexts() const;
  const QImage& coverPicture() const;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildControls();
  void showTexts(const TrackInfoTexts& texts);
  void showCover(const QString& picturePath);

  TrackInfoForm& m_form;
  QLineEdit* m_fileName = nullptr;
  QLineEdit* m_title = nullptr;
  QLineEdit* m_artist = nullptr;
  QLineEdit* m_album = nullptr;
  QLineEdit* m_year = nullptr;
  QLineEdit* m_track = nullptr;
  QLineEdit* m_comment = nullptr;
  QComboBox* m_genre = nullptr;
  CoverPicture* m_cover = nullptr;
  QCheckBox* m_edit = nullptr;
  QPushButton* m_current = nullptr;
  QPushButton* m_save = nullptr;
  QPushButton* m_ok = nullptr;
};

}  // namespace kd
