// The base classic skin drawn in code: every file at its usual size, every
// sprite the builder cuts drawn (not left as the file's background), every
// letter of the text grid drawn. Glyph pixels are not checked.

#include <gtest/gtest.h>

#include <QSet>

#include "skin/classic/ClassicBaseSkin.h"

namespace kd::test {
namespace {

using namespace kd::classic;

bool IsDrawn(const Sprite& sprite) {
  const QImage& sheet = BaseSheet(sprite.file);
  QSet<QRgb> colours;
  for (int y = sprite.y; y < sprite.y + sprite.h; ++y) {
    for (int x = sprite.x; x < sprite.x + sprite.w; ++x) colours.insert(sheet.pixel(x, y));
  }
  return colours.size() > 1;
}

TEST(ClassicBaseSkin, EveryFileAtItsUsualSizeButMain) {
  EXPECT_TRUE(BaseSheet(File::Main).isNull());
  for (int f = 1; f < kFileCount; ++f) {
    EXPECT_EQ(BaseSheet(File(f)).size(), UsualSize(File(f))) << FileBaseName(File(f));
    EXPECT_EQ(BaseSheet(File(f)).format(), QImage::Format_RGB32);
  }
}

TEST(ClassicBaseSkin, EverySpriteIsDrawn) {
  std::vector<Sprite> sprites;
  for (const Placed& placed : FaceSprites()) sprites.push_back(placed.sprite);
  for (const Button& button : Buttons()) {
    sprites.push_back(button.pressed);
    if (button.pressedOn.w > 0) sprites.push_back(button.pressedOn);
  }
  for (const LightSprite& light : LightSprites()) {
    for (const Placed& piece : light.pieces) {
      if (piece.sprite.w > 0) sprites.push_back(piece.sprite);
    }
  }
  sprites.push_back(kSeekKnob);
  sprites.push_back(kSliderKnob);
  sprites.push_back({File::Volume, 0, 422, 14, 11});  // pressed knob
  sprites.push_back({File::Balance, 15, 422, 14, 11});
  for (int i = 0; i < kFrameCount; ++i) {
    sprites.push_back({File::Volume, 0, kFrameStep * i, 68, 13});
    sprites.push_back({File::Balance, 9, kFrameStep * i, 38, 13});
  }
  for (const File digits : {File::Numbers, File::NumsEx}) {
    for (int cell = 0; cell < 10; ++cell) sprites.push_back({digits, 9 * cell, 0, 9, 13});
  }
  sprites.push_back({File::NumsEx, 99, 0, 9, 13});  // minus
  for (const Sprite& sprite : sprites) {
    // The idle strip is plain by design.
    if (sprite.file == File::PlayPaus && sprite.x == 27) continue;
    EXPECT_TRUE(IsDrawn(sprite)) << FileBaseName(sprite.file) << " " << sprite.x << "," << sprite.y;
  }
  // Volume frames grow: no two alike.
  QSet<QByteArray> frames;
  for (int i = 0; i < kFrameCount; ++i) {
    const QImage frame = BaseSheet(File::Volume).copy(0, kFrameStep * i, 68, 13);
    frames.insert(
        QByteArray(reinterpret_cast<const char*>(frame.constBits()), frame.sizeInBytes()));
  }
  EXPECT_EQ(frames.size(), kFrameCount);
}

TEST(ClassicBaseSkin, TheTextGridHasEveryListedCharacter) {
  const auto cell = [](int column, int row) {
    return Sprite{File::Text, kTextCellWidth * column, kTextCellHeight * row, kTextCellWidth,
                  kTextCellHeight};
  };
  for (int column = 0; column < 28; ++column) EXPECT_TRUE(IsDrawn(cell(column, 0))) << column;
  EXPECT_FALSE(IsDrawn(cell(30, 0)));  // the space
  for (int column = 0; column < 31; ++column) EXPECT_TRUE(IsDrawn(cell(column, 1))) << column;
  for (int column = 0; column < 5; ++column) EXPECT_TRUE(IsDrawn(cell(column, 2))) << column;
}

}  // namespace
}  // namespace kd::test
