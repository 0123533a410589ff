#pragma once
// The few messages the program shows (a skin that cannot be found, a playlist
// that cannot be written, ...) go through this interface, so the logic that
// raises them stays testable without a window.

#include <QString>

namespace kd {

class MessageSink {
 public:
  virtual ~MessageSink() = default;
  // A message box with only an OK button; returns when it was acknowledged.
  virtual void showMessage(const QString& text) = 0;
};

}  // namespace kd
