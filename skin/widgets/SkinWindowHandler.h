#pragma once
// What the skinned main window reports to the application: commands of skin
// buttons, typed characters, knob drags turned into values, clicks, drops and
// window-manager requests. Every report has an empty default, so a handler
// overrides only what it needs.

#include <QChar>
#include <QPoint>
#include <QStringList>

namespace kd {

class SkinWindowHandler {
 public:
  virtual ~SkinWindowHandler() = default;

  // A mouse button pressed over skin button `index` (1..120) was released,
  // wherever the pointer then was; or the pressed image was clicked while it
  // showed button `index`. The button's index is its command code.
  virtual void buttonUp(int index) {}
  // A character typed while the window has the focus (the three debugging
  // keys Escape, "`" and "~" are handled by the window and not reported).
  virtual void keyTyped(QChar character) {}
  // A click on skin label 1 (the time) or 2 (the title).
  virtual void labelClicked(int index) {}

  // Knob drags. A press starts a drag only while no other knob is dragged.
  virtual void pressKnob(int index, bool horizontal) {}
  // The dragged knob's new value (0..1) after a pointer movement.
  virtual void moveKnob(int index, float value) {}
  virtual void releaseKnob(int index) {}
  virtual void doubleClickKnob(int index) {}
  // The mouse wheel turned `steps` notches (positive: up) over slider `index`.
  virtual void wheelOnSlider(int index, int steps) {}

  // Playlist box: a double-click on entry `row` (0-based), the Delete key.
  virtual void playlistDoubleClicked(int row) {}
  virtual void playlistDeletePressed() {}
  // A double-click on the skin's cover image.
  virtual void coverDoubleClicked() {}
  // Local files dropped on the window or on the playlist box, in the order
  // the drop lists them.
  virtual void filesDropped(const QStringList& paths) {}

  // The right button was pressed on the window's background: the popup menu
  // belongs at `globalPos` (screen pixels).
  virtual void popupRequested(QPoint globalPos) {}
  // The window manager asked to close the window. The window stays open; the
  // application runs its shut-down and then calls SkinWindow::closeForShutdown.
  virtual void closeRequested() {}
  // The window became the active window.
  virtual void activated() {}
  // A drag of the window by its background has ended (after any snap).
  virtual void windowMoved() {}
};

}  // namespace kd
