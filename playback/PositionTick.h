#pragma once
// The work of each 25 ms tick of the position timer: read the position, show
// the time and the position knob, carry out intro scan and A-B repeat, and at
// the end of an item choose the next entry and play it. The media engine is
// polled, never waited for, and no events are processed inside a tick.

#include <QString>

#include "playback/TrackAdvance.h"

namespace kd {

class PlayerView;
class PositionTimer;
class Transport;
struct PlayerState;

class PositionTick {
 public:
  static constexpr double kIntroSeconds = 10.0;

  // Connects itself to the timer. Without a random source, a system-seeded
  // one is used.
  PositionTick(Transport& transport, PlayerView& view, PositionTimer& timer,
               RandomSource random = {});

  // One tick. Does nothing unless an engine item or a picture is active and
  // the player is playing.
  void Tick();

  // The advance step: the next entry by the modes, PlayIt, and StopIt when
  // the player stops after each item.
  void Advance();

 private:
  // Steps of a tick; each returns false when the tick ends there.
  bool checkRefusal();
  bool checkLength();
  void updatePosition();
  void showTime();
  void moveSlider();

  void advance(bool afterRefusal);

  Transport& m_transport;
  PlayerState& m_state;
  PlayerView& m_view;
  PositionTimer& m_timer;
  RandomSource m_random;
  int m_refusalsInRow = 0;
  // The time shown last, to skip building the text when nothing changed.
  int32_t m_shownDisp = 0;
  bool m_shownFlag = false;
};

}  // namespace kd
