#pragma once
// Brings the track information window into being when it is asked for and
// lets it go when the user closes it; the next request creates it afresh,
// following the current track.

#include <QPointer>

namespace kd {

class TrackInfoForm;
class TrackInfoWindow;

class TrackInfoWindowHost {
 public:
  explicit TrackInfoWindowHost(TrackInfoForm& form) : m_form(form) {}
  ~TrackInfoWindowHost();
  TrackInfoWindowHost(const TrackInfoWindowHost&) = delete;
  TrackInfoWindowHost& operator=(const TrackInfoWindowHost&) = delete;

  // Shows the window; a new one opens on the current track, one already
  // open keeps what it shows.
  void show();
  // The window when it exists, else null.
  TrackInfoWindow* window() const;

 private:
  TrackInfoForm& m_form;
  QPointer<TrackInfoWindow> m_window;
};

}  // namespace kd
