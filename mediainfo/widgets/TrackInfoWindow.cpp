#include "mediainfo/widgets/TrackInfoWindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "mediainfo/Genres.h"
#include "mediainfo/PictureLoader.h"
#include "mediainfo/widgets/CoverPicture.h"

namespace kd {

namespace {

constexpr int kCoverSide = 128;

// A caption label in `grid` with `field` as its buddy; the caption is the
// field's accessible name.
void addField(QGridLayout* grid, int row, const QString& caption, QWidget* field) {
  auto* label = new QLabel(caption);
  label->setBuddy(field);
  field->setAccessibleName(caption);
  grid->addWidget(label, row, 0);
  grid->addWidget(field, row, 1);
}

QLineEdit* lineEdit(int maxLength) {
  auto* edit = new QLineEdit;
  if (maxLength > 0) edit->setMaxLength(maxLength);
  return edit;
}

QPushButton* button(const QString& caption) {
  auto* pushButton = new QPushButton(caption);
  pushButton->setAccessibleName(caption);
  return pushButton;
}

}  // namespace

TrackInfoWindow::TrackInfoWindow(TrackInfoForm& form, QWidget* parent)
    : QWidget(parent, Qt::Window), m_form(form) {
  setWindowTitle(QString::fromUtf8("曲目 信息"));
  buildControls();

  connect(&m_form, &TrackInfoForm::textsShown, this, &TrackInfoWindow::showTexts);
  connect(&m_form, &TrackInfoForm::coverShown, this, &TrackInfoWindow::showCover);
  connect(&m_form, &TrackInfoForm::editingChanged, this, [this](bool editing) {
    m_edit->setChecked(editing);
    m_save->setEnabled(editing);
  });
  connect(m_edit, &QCheckBox::toggled, &m_form, &TrackInfoForm::setEditing);
  connect(m_current, &QPushButton::clicked, &m_form, &TrackInfoForm::showCurrent);
  connect(m_save, &QPushButton::clicked, this, [this] { m_form.save(typedTexts()); });
  connect(m_ok, &QPushButton::clicked, this, &QWidget::close);

  m_edit->setChecked(m_form.isEditing());
  m_save->setEnabled(m_form.isEditing());
  showTexts(m_form.shown());
}

void TrackInfoWindow::buildControls() {
  m_fileName = lineEdit(0);
  // The window writes to the file it shows; the path is not typed.
  m_fileName->setReadOnly(true);
  m_title = lineEdit(kTitleLength);
  m_artist = lineEdit(kArtistLength);
  m_album = lineEdit(kAlbumLength);
  m_year = lineEdit(kYearLength);
  m_track = lineEdit(kTrackLength);
  m_comment = lineEdit(kCommentLength);
  m_genre = new QComboBox;
  m_genre->addItems(GenreNames());
  m_cover = new CoverPicture;
  m_cover->setFixedSize(kCoverSide, kCoverSide);
  m_cover->setToolTip(QStringLiteral("Album Cover"));
  m_cover->setAccessibleName(QStringLiteral("Album Cover"));

  auto* grid = new QGridLayout;
  addField(grid, 0, QString::fromUtf8("文件"), m_fileName);
  addField(grid, 1, QString::fromUtf8("标题"), m_title);
  addField(grid, 2, QString::fromUtf8("艺术家"), m_artist);
  addField(grid, 3, QString::fromUtf8("专辑"), m_album);
  addField(grid, 4, QString::fromUtf8("年"), m_year);
  addField(grid, 5, QString::fromUtf8("光轨"), m_track);
  addField(grid, 6, QString::fromUtf8("注释"), m_comment);
  addField(grid, 7, QString::fromUtf8("类型"), m_genre);
  grid->addWidget(m_cover, 1, 2, 7, 1, Qt::AlignTop);

  m_edit = new QCheckBox(QString::fromUtf8("编辑"));
  m_edit->setAccessibleName(m_edit->text());
  m_current = button(QString::fromUtf8("当前"));
  m_save = button(QString::fromUtf8("保存"));
  m_ok = button(QString::fromUtf8("确定"));
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(m_edit);
  buttons->addStretch();
  buttons->addWidget(m_current);
  buttons->addWidget(m_save);
  buttons->addWidget(m_ok);

  auto* hint =
      new QLabel(QString::fromUtf8("编辑歌曲信息请先选中“编辑”选项，编辑完毕后按保存确认退出"));
  hint->setWordWrap(true);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(hint);
  layout->addLayout(buttons);
}

TrackInfoTexts TrackInfoWindow::typedTexts() const {
  TrackInfoTexts texts;
  texts.fileName = m_fileName->text();
  texts.title = m_title->text();
  texts.artist = m_artist->text();
  texts.album = m_album->text();
  texts.year = m_year->text();
  texts.track = m_track->text();
  texts.comment = m_comment->text();
  texts.genreItem = m_genre->currentIndex();
  return texts;
}

const QImage& TrackInfoWindow::coverPicture() const {
  return m_cover->picture();
}

void TrackInfoWindow::showTexts(const TrackInfoTexts& texts) {
  m_fileName->setText(texts.fileName);
  m_title->setText(texts.title);
  m_artist->setText(texts.artist);
  m_album->setText(texts.album);
  m_year->setText(texts.year);
  m_track->setText(texts.track);
  m_comment->setText(texts.comment);
  m_genre->setCurrentIndex(texts.genreItem);
}

void TrackInfoWindow::showCover(const QString& picturePath) {
  const QImage picture = picturePath.isEmpty() ? QImage() : LoadPicture(picturePath);
  if (picture.isNull()) {
    m_cover->clearPicture();
  } else {
    m_cover->setPicture(picture);
  }
}

void TrackInfoWindow::closeEvent(QCloseEvent* event) {
  m_form.close();
  QWidget::closeEvent(event);
}

}  // namespace kd
