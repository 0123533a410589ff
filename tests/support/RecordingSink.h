#pragma once
// A message sink that keeps what it was told.

#include <QStringList>

#include "util/MessageSink.h"

namespace kd::test {

class RecordingSink : public MessageSink {
 public:
  void showMessage(const QString& text) override { messages.append(text); }
  QStringList messages;
};

}  // namespace kd::test
