// The track window as the user meets it: its captions (the accessible names
// of its controls), the genre list, Save only in edit mode.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "FakeTrackFile.h"
#include "core/Settings.h"
#include "mediainfo/Id3v1File.h"
#include "mediainfo/TrackInfoForm.h"
#include "mediainfo/widgets/TrackInfoWindow.h"
#include "mediainfo/widgets/TrackInfoWindowHost.h"
#include "support/RecordingSink.h"
#include "support/TempDir.h"

namespace kd::test {
namespace {

class TrackInfoWindowTest : public ::testing::Test {
 protected:
  template <class Control = QLineEdit>
  Control* control(const char* caption) const {
    for (Control* c : host.window()->findChildren<Control*>()) {
      if (c->accessibleName() == QString::fromUtf8(caption)) return c;
    }
    return nullptr;
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
  ASSERT_NE(host.window(), nullptr);
  EXPECT_EQ(host.window()->windowTitle(), QString::fromUtf8("曲目 信息"));
  const std::pair<const char*, int> fields[] = {{"标题", 30}, {"艺术家", 30}, {"专辑", 30},
                                                {"年", 4},    {"光轨", 3},    {"注释", 29}};
  for (const auto& [caption, length] : fields) {
    ASSERT_NE(control(caption), nullptr) << caption;
    EXPECT_EQ(control(caption)->maxLength(), length) << caption;
  }
  EXPECT_TRUE(control("文件")->isReadOnly());
  for (const char* caption : {"当前", "保存", "确定"}) {
    EXPECT_NE(control<QPushButton>(caption), nullptr) << caption;
  }
  EXPECT_NE(control<QCheckBox>("编辑"), nullptr);
  ASSERT_NE(control<QComboBox>("类型"), nullptr);
  EXPECT_EQ(control<QComboBox>("类型")->count(), 81);
  for (QLabel* label : host.window()->findChildren<QLabel*>()) {
    if (label->buddy()) {
      EXPECT_EQ(label->buddy()->accessibleName(), label->text());
    }
  }
}

TEST_F(TrackInfoWindowTest, TypedTextIsSavedOnlyInEditMode) {
  player.current = dir.write("song.mp3", QByteArray(1000, 'Z'));
  host.show();
  EXPECT_EQ(control("文件")->text(), player.current);
  QPushButton* save = control<QPushButton>("保存");
  EXPECT_FALSE(save->isEnabled());

  control<QCheckBox>("编辑")->setChecked(true);
  ASSERT_TRUE(save->isEnabled());
  control("标题")->setText("Typed");
  control("光轨")->setText("7");
  save->click();
  EXPECT_EQ(messages.messages, QStringList{"Tag Added!"});
  control<QPushButton>("当前")->click();  // read back from the file
  EXPECT_EQ(control("标题")->text(), "Typed");
  EXPECT_EQ(control("光轨")->text(), "07");

  control<QPushButton>("确定")->click();  // closes the window: nothing is followed
  EXPECT_FALSE(form.isFollowing());
}

}  // namespace
}  // namespace kd::test
