// Volume, balance, mute and the mixer on the output device.

#include "PlayerFixture.h"

namespace kd::test {
namespace {

uint16_t Scaled(double value) {
  return static_cast<uint16_t>(std::nearbyint(value * 65535.0));
}

TEST_F(PlayerTest, TheVolumeIsTheLouderChannelAndAStepEvensThemOut) {
  device.SetLevels(30000, 60000);
  EXPECT_FLOAT_EQ(volume.GetVolume(), 60000.0f / 65535.0f);
  volume.VolumeUp();
  EXPECT_EQ(device.Left(), device.Right());
  const float expected = static_cast<float>(60000.0f / 65535.0f + 0.05);
  EXPECT_EQ(device.Left(), Scaled(expected));
  EXPECT_EQ(view.LabelText(kLabelVolume), " 96");
  EXPECT_FLOAT_EQ(view.sliderValue(kSliderVolume), expected);
  EXPECT_FLOAT_EQ(view.sliderValue(kSliderVolumeBar), expected);
}

TEST_F(PlayerTest, TheBalanceAttenuatesOneChannel) {
  volume.SetVolume(1.0f);
  EXPECT_EQ(device.VolumeWord(), 0xFFFFFFFFu);

  volume.SetBalance(0.2f);
  EXPECT_EQ(view.LabelText(kLabelBalance), "60% left");
  EXPECT_EQ(device.Left(), 65535);
  EXPECT_EQ(device.Right(), Scaled(0.4f));

  volume.SetBalance(0.8f);
  EXPECT_EQ(view.LabelText(kLabelBalance), "60% right");
  EXPECT_EQ(device.Left(), Scaled(0.4f));
  EXPECT_EQ(device.Right(), 65535);

  volume.SetBalance(0.0f);
  EXPECT_EQ(view.LabelText(kLabelBalance), "100% left");
  EXPECT_EQ(device.Right(), 0);
  volume.SetBalance(1.0f);
  EXPECT_EQ(view.LabelText(kLabelBalance), "100% right");
  EXPECT_EQ(device.Left(), 0);
  volume.SetBalance(0.25f);
  EXPECT_EQ(view.LabelText(kLabelBalance), "50% left");
}

TEST_F(PlayerTest, TheCentreIsADeadZone) {
  for (float b : {0.45f, 0.55f, 0.5f}) {
    device.SetLevels(1, 1);
    volume.SetBalance(b);
    EXPECT_EQ(view.LabelText(kLabelBalance), "Centre") << b;
    EXPECT_EQ(device.VolumeWord(), 0xFFFFFFFFu) << b;
  }
}

TEST_F(PlayerTest, TheBalanceAppliesTheVolumeSliderValue) {
  state.sliders[kSliderVolume] = 0.5f;
  volume.SetBalance(0.2f);
  EXPECT_EQ(device.Left(), Scaled(0.5));
  EXPECT_EQ(device.Right(), Scaled(0.5 * 0.4f));
}

TEST_F(PlayerTest, VolumeStepsStopAtFullScaleAndSilence) {
  volume.SetVolume(0.98f);
  volume.VolumeUp();
  EXPECT_EQ(device.VolumeWord(), 0xFFFFFFFFu);
  EXPECT_EQ(view.LabelText(kLabelVolume), " 100");

  volume.SetVolume(0.03f);
  volume.VolumeDown();
  EXPECT_EQ(device.VolumeWord(), 0u);
  EXPECT_EQ(view.LabelText(kLabelVolume), " 0");
}

TEST_F(PlayerTest, MuteSavesTheWholePercentAndUnmuteRestoresIt) {
  volume.SetVolume(0.734f);
  volume.ToggleMute();
  EXPECT_TRUE(state.flags.Mute);
  EXPECT_EQ(state.savedVolume, 73);
  EXPECT_EQ(device.VolumeWord(), 0u);
  EXPECT_EQ(view.lastLights(), "lights 17");

  volume.ToggleMute();
  EXPECT_FALSE(state.flags.Mute);
  EXPECT_EQ(device.Left(), Scaled(0.73f));
  EXPECT_EQ(device.Right(), Scaled(0.73f));
  EXPECT_EQ(view.LabelText(kLabelVolume), " 73");
  EXPECT_EQ(view.lastLights(), "lights");
}

TEST_F(PlayerTest, AVolumeStepWhileMutedUnmutesFirst) {
  volume.SetVolume(0.734f);
  volume.ToggleMute();
  volume.VolumeUp();
  EXPECT_FALSE(state.flags.Mute);
  EXPECT_EQ(view.LabelText(kLabelVolume), " 78");
  EXPECT_EQ(view.lastLights(), "lights");
}

TEST_F(PlayerTest, TheMixerStartsOnlyWhenInstalled) {
  volume.ShowMixer();
  EXPECT_TRUE(launcher.started.isEmpty());
  launcher.installed.insert("pavucontrol", "/usr/bin/pavucontrol");
  volume.ShowMixer();
  EXPECT_EQ(launcher.started, QStringList({"/usr/bin/pavucontrol"}));
}

}  // namespace
}  // namespace kd::test
