#pragma once
// The work of each tick of the position timer: read the position into the
// model, carry out intro scan and A-B repeat, and at the end of an item
// choose the next entry and play it. A tick then plans the next one for the
// moment something it drives can change (see TickPlan.h); whatever upsets
// that plan (a seek, a pause, a new rate, new repeat points, the engine's
// end of the item) brings the next tick within 25 ms. The media engine is
// polled, never waited for, and no events are processed inside a tick.

#include <functional>

#include "playback/TrackAdvance.h"

namespace kd {

class PlayerModel;
class PositionTimer;
class Transport;

class PositionTick {
 public:
  static constexpr double kIntroSeconds = 10.0;

  // Connects itself to the timer.
  PositionTick(Transport& transport, PositionTimer& timer, RandomSource random);

  // One tick. Does nothing unless an engine item or a picture is active and
  // the player is playing.
  void tick();

  // The advance step: the next entry by the modes, play it, and stop when
  // the player stops after each item or the list was emptied.
  void advance();

  // How many pixels the position knob moves over now (0 when none shows):
  // each is a change worth a tick.
  void setKnobTravel(std::function<int()> travel) { m_knobTravel = std::move(travel); }

 private:
  // Steps of a tick; each returns false when the tick ends there.
  bool checkRefusal();
  bool checkLength();
  double readPosition();
  void planNextTick(double position);

  void advance(bool afterRefusal);

  Transport& m_transport;
  PlayerModel& m_model;
  PositionTimer& m_timer;
  RandomSource m_random;
  std::function<int()> m_knobTravel;
  int m_refusalsInRow = 0;
};

}  // namespace kd
