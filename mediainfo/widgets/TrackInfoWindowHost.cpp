#include "mediainfo/widgets/TrackInfoWindowHost.h"

#include "mediainfo/TrackInfoForm.h"
#include "mediainfo/widgets/TrackInfoWindow.h"

namespace kd {

TrackInfoWindowHost::~TrackInfoWindowHost() {
  delete m_window.data();
}

TrackInfoWindow* TrackInfoWindowHost::window() const {
  return m_window;
}

void TrackInfoWindowHost::show() {
  if (!m_window) {
    m_window = new TrackInfoWindow(m_form);
    // Closing the window unloads it.
    m_window->setAttribute(Qt::WA_DeleteOnClose);
    m_form.open();
  }
  m_window->show();
  m_window->raise();
  m_window->activateWindow();
}

}  // namespace kd
