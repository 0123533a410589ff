#pragma once
// Shows the player on a skin: the one place that knows which label, display,
// light and knob shows what, and in which text form ("0:00", " 128", "44",
// "jstereo", "Centre", "75%", "-1:05" ...). It watches the player model and
// the playlist and writes only what changed; the alarm clock tells it the
// time, the sleep timer and the day.

#include <QObject>
#include <QString>
#include <cstdint>

#include "scheduler/ClockFace.h"

namespace kd {

class PlayerModel;
class Playlist;
class SkinView;

class SkinPresenter : public QObject, public ClockFace {
  Q_OBJECT
 public:
  // Shows the present state at once, then follows every change.
  SkinPresenter(const PlayerModel& model, const Playlist& playlist, SkinView& view,
                QObject* parent = nullptr);

  // Draws every display again and shows the position knob only while an item
  // plays (after a skin load or when the window shows).
  void redrawDisplays();

  // The 12-hour clock's designators (the system's by default).
  void setAmPmTexts(const QString& am, const QString& pm);

  // ClockFace: the clock label and display, the sleep timer's label, the
  // long date and day name, the scrolling title.
  void showClock(QTime now, int16_t timeFmt) override;
  void showSleepTimer(const SleepTimerState& timer) override;
  void showDate(QDate date) override;
  bool titleScrolls() const override;
  void stepTitle() override;

 private:
  void showStatus();
  void showItem();
  void showLength();
  void showTime();
  void showPositionKnob();
  void showVolume();
  void showBalance();
  void showRate();
  void showLights();
  void showMpegFacts();
  void showTrackNumber();
  void writeTime(int32_t seconds, bool countsDown);

  const PlayerModel& m_model;
  const Playlist& m_playlist;
  SkinView& m_view;
  bool m_wasActive = false;
  // The time label as last written: ":" before anything played, "" when stopped.
  QString m_timeText;
  int32_t m_timeSeconds = -1;
  bool m_timeCountsDown = false;
  bool m_timeShown = false;
  QString m_am;
  QString m_pm;
};

}  // namespace kd
