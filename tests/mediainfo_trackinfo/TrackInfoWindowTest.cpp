// The track window as the user meets it: its captions (the accessible names
// of its controls), the genre list, Save only in edit mode, and a save from
// typed text to the bytes of the file.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "FakeTrackFile.h"
#include "core/Settings.h"
#include "mediainfo/Id3v1.h"
#include "mediainfo/TrackInfoForm.h"
#include "mediainfo/widgets/TrackInfoWindow.h"
#include "mediainfo/widgets/TrackInfoWindowHost.h"
#include "mediainfo_cover/CoverFixtures.h"
#include "support/RecordingSink.h"
#include "support/TempDir.h"

namespace kd::test {
namespace {

class TrackInfoWindowTest : public ::testing::Test {
 protected:
  template <class Control>
  Control* control(const QString& caption) const {
    TrackInfoWindow* window = host.window();
    if (!window) return nullptr;
    for (Control* c : window->findChildren<Control*>()) {
      if (c->accessibleName() == caption) return c;
    }
    return nullptr;
  }
  QLineEdit* field(const char* caption) const {
    return control<QLineEdit>(QString::fromUtf8(caption));
  }
  QPushButton* button(const char* caption) const {
    return control<QPushButton>(QString::fromUtf8(caption));
  }

  TempDir dir;
  FakeTrackFile player;
  RecordingSink messages;
  Settings settings;
  TrackInfoForm form{player, messages, settings};
  TrackInfoWindowHost host{form};
};

TEST_F(TrackInfoWindowTest, EveryControlCarriesItsCaptionAndTheListHoldsTheGenres) {
  host.show();
  TrackInfoWindow* window = host.window();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->windowTitle(), QString::fromUtf8("曲目 信息"));
  const std::pair<const char*, int> fields[] = {{"文件", 32767}, {"标题", 30}, {"艺术家", 30},
                                                {"专辑", 30},    {"年", 4},    {"光轨", 3},
                                                {"注释", 29}};
  for (const auto& [caption, length] : fields) {
    QLineEdit* edit = field(caption);
    ASSERT_NE(edit, nullptr) << caption;
    EXPECT_EQ(edit->maxLength(), length) << caption;
  }
  EXPECT_TRUE(field("文件")->isReadOnly());
  for (const char* caption : {"当前", "保存", "确定"}) EXPECT_NE(button(caption), nullptr);
  ASSERT_NE(control<QCheckBox>(QString::fromUtf8("编辑")), nullptr);
  QComboBox* genre = control<QComboBox>(QString::fromUtf8("类型"));
  ASSERT_NE(genre, nullptr);
  EXPECT_EQ(genre->count(), 81);
  EXPECT_EQ(genre->itemText(34), "Intrumental");
  // Every caption label leads to its control.
  for (QLabel* label : window->findChildren<QLabel*>()) {
    if (label->buddy()) {
      EXPECT_EQ(label->buddy()->accessibleName(), label->text());
    }
  }
  const QStringList labels = [&] {
    QStringList texts;
    for (QLabel* label : window->findChildren<QLabel*>()) texts.append(label->text());
    return texts;
  }();
  EXPECT_TRUE(labels.contains(
      QString::fromUtf8("编辑歌曲信息请先选中“编辑”选项，编辑完毕后按保存确认退出")));
}

TEST_F(TrackInfoWindowTest, TypedTextIsSavedOnlyInEditModeAndTheFieldsFollowTheForm) {
  writePicture(dir.path() + "Artist - Album.bmp", Qt::blue);
  player.current = dir.write("song.mp3", QByteArray(1000, 'Z'));
  host.show();
  EXPECT_EQ(field("文件")->text(), player.current);
  EXPECT_EQ(field("光轨")->text(), "");
  QPushButton* save = button("保存");
  EXPECT_FALSE(save->isEnabled());

  control<QCheckBox>(QString::fromUtf8("编辑"))->setChecked(true);
  EXPECT_TRUE(save->isEnabled());
  EXPECT_TRUE(form.isEditing());
  field("标题")->setText("Typed");
  field("艺术家")->setText("Artist");
  field("专辑")->setText("Album");
  field("光轨")->setText("7");
  control<QComboBox>(QString::fromUtf8("类型"))->setCurrentIndex(0);
  save->click();
  EXPECT_EQ(messages.messages, QStringList{"Tag Added!"});
  ID3Info written;
  ASSERT_TRUE(ParseId3v1(TempDir::read(player.current), written));
  EXPECT_EQ(written.Title.trimmed(), "Typed");
  EXPECT_EQ(written.Track, 7);
  EXPECT_EQ(written.Genre, 254);

  button("当前")->click();  // read back from the file
  EXPECT_EQ(field("光轨")->text(), "07");
  EXPECT_TRUE(nearColour(centreColour(host.window()->coverPicture()), Qt::blue));

  button("确定")->click();  // closes and unloads the window
  EXPECT_FALSE(form.isFollowing());
  EXPECT_FALSE(form.isEditing());
}

}  // namespace
}  // namespace kd::test
