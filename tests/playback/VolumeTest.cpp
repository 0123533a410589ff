// Volume, balance, mute and the mixer on the output device.

#include "PlayerFixture.h"

namespace kd::test {
namespace {

TEST_F(PlayerTest, TheVolumeIsTheLouderChannelAndAStepEvensThemOut) {
  device.setLevels(30000, 60000);
  EXPECT_FLOAT_EQ(volume.deviceVolume(), 0.9155413f);  // 60000 / 65535
  volume.volumeUp();
  EXPECT_EQ(device.volumeWord(), 0xF72DF72Du);  // both at 63277 (0.9655413)
  EXPECT_EQ(view.label(kLabelVolume), " 96");
  EXPECT_FLOAT_EQ(view.knobs.value(kSliderVolume), 0.9655413f);
  EXPECT_FLOAT_EQ(view.knobs.value(kSliderVolumeBar), 0.9655413f);
}

TEST_F(PlayerTest, TheBalanceAttenuatesOneChannelOutsideTheCentre) {
  const struct {
    float volumeSlider, balance;
    const char* label;
    uint16_t left, right;
  } cases[] = {
      {1.0f, 0.2f, "60% left", 65535, 26214},  {1.0f, 0.8f, "60% right", 26214, 65535},
      {1.0f, 0.0f, "100% left", 65535, 0},     {1.0f, 1.0f, "100% right", 0, 65535},
      {1.0f, 0.25f, "50% left", 65535, 32768}, {1.0f, 0.45f, "Centre", 65535, 65535},
      {1.0f, 0.55f, "Centre", 65535, 65535},   {1.0f, 0.5f, "Centre", 65535, 65535},
      {0.5f, 0.2f, "60% left", 32768, 13107},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "volume " << c.volumeSlider << ", balance " << c.balance);
    device.setLevels(1, 1);
    model.setVolume(c.volumeSlider);
    volume.setBalance(c.balance);
    EXPECT_EQ(view.label(kLabelBalance), c.label);
    EXPECT_EQ(device.left(), c.left);
    EXPECT_EQ(device.right(), c.right);
  }
}

TEST_F(PlayerTest, VolumeStepsStopAtFullScaleAndSilence) {
  volume.setVolume(0.98f);
  volume.volumeUp();
  EXPECT_EQ(device.volumeWord(), 0xFFFFFFFFu);
  EXPECT_EQ(view.label(kLabelVolume), " 100");

  volume.setVolume(0.03f);
  volume.volumeDown();
  EXPECT_EQ(device.volumeWord(), 0u);
  EXPECT_EQ(view.label(kLabelVolume), " 0");
}

TEST_F(PlayerTest, MuteSavesTheWholePercentAndUnmuteOrAStepRestoresIt) {
  volume.setVolume(0.734f);
  volume.toggleMute();
  EXPECT_EQ(device.volumeWord(), 0u);
  EXPECT_EQ(view.lightsShown(), "17");

  volume.toggleMute();
  EXPECT_EQ(device.volumeWord(), 0xBAE1BAE1u);  // both at 47841 (0.73)
  EXPECT_EQ(view.label(kLabelVolume), " 73");
  EXPECT_EQ(view.lightsShown(), "");

  volume.toggleMute();
  volume.volumeUp();  // a step while muted unmutes first
  EXPECT_EQ(view.label(kLabelVolume), " 78");
  EXPECT_EQ(view.lightsShown(), "");
}

TEST_F(PlayerTest, TheMixerStartsOnlyWhenInstalled) {
  volume.showMixer();
  EXPECT_TRUE(launcher.started.isEmpty());
  launcher.installed.insert("pavucontrol", "/usr/bin/pavucontrol");
  volume.showMixer();
  EXPECT_EQ(launcher.started, QStringList({"/usr/bin/pavucontrol"}));
}

TEST_F(PlayerTest, KeptLevelsComeBackWithTheirBalanceAndDamagedOnesChangeNothing) {
  // Volume 0.5 with the balance at 60 % left, as a run leaves it.
  volume.setVolume(0.5f);
  volume.setBalance(0.2f);
  const QString kept = volume.storedLevels();
  EXPECT_EQ(kept, "32768,13107");

  device.setLevels(65535, 65535);
  model.setBalance(PlayerModel::kCentre);
  ASSERT_TRUE(volume.restoreLevels(kept));
  EXPECT_EQ(device.left(), 32768);
  EXPECT_EQ(device.right(), 13107);
  EXPECT_EQ(view.label(kLabelBalance), "60% left");
  // The next step keeps the side the user chose.
  volume.volumeUp();
  EXPECT_GT(device.left(), device.right());

  ASSERT_TRUE(volume.restoreLevels(QStringLiteral("0,0")));  // left muted: silent again
  EXPECT_EQ(device.volumeWord(), 0u);

  device.setLevels(100, 200);
  for (const char* damaged : {"", "65536,1", "-1,5", "1,2,3", "12", "a,b", "1;2"}) {
    SCOPED_TRACE(damaged);
    EXPECT_FALSE(volume.restoreLevels(QString::fromLatin1(damaged)));
    EXPECT_EQ(device.left(), 100);
    EXPECT_EQ(device.right(), 200);
  }
}

}  // namespace
}  // namespace kd::test
