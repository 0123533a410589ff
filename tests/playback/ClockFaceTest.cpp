// The skin presenter as the alarm clock's face: what the clock, sleep and
// date labels show for what it is told.
#include <gtest/gtest.h>

#include "RecordingView.h"
#include "playback/PlayerModel.h"
#include "playlist/Playlist.h"
#include "skin/SkinPresenter.h"

namespace kd::test {
namespace {

TEST(ClockFace, TheLabelsShowTheTimeTheSleepTimerAndTheDay) {
  PlayerModel model;
  Playlist playlist;
  RecordingView view;
  SkinPresenter presenter{model, playlist, view};
  presenter.setAmPmTexts(QStringLiteral("AM"), QStringLiteral("PM"));

  presenter.showClock(QTime(21, 7, 30), 0);
  EXPECT_EQ(view.label(kLabelClock), QStringLiteral("09:07 PM"));
  EXPECT_TRUE(view.displays.contains(kDisplayClock));
  presenter.showClock(QTime(21, 8), 1);
  EXPECT_EQ(view.label(kLabelClock), QStringLiteral("21:08   "));

  presenter.showSleepTimer(SleepTimerState::countdown(5));
  EXPECT_EQ(view.label(kLabelSnooze), QStringLiteral("05"));
  presenter.showSleepTimer(SleepTimerState::off());
  EXPECT_EQ(view.label(kLabelSnooze), QString());

  presenter.showDate(QDate(2003, 3, 15));
  EXPECT_EQ(view.label(kLabelLongDate), QStringLiteral("Sat Mar  15, 2003"));
  EXPECT_EQ(view.label(kLabelDayName), QStringLiteral("Sat"));
}

}  // namespace
}  // namespace kd::test
