#pragma once
// A command executor that only keeps what it was asked to run.

#include <QList>
#include <utility>

#include "core/Commands.h"

namespace kd::test {

class RecordingExecutor : public CommandExecutor {
 public:
  using CommandExecutor::execute;
  void execute(int code, const CommandArgument& argument) override {
    commands.append({code, argument});
    codes.append(code);
  }
  QList<std::pair<int, CommandArgument>> commands;
  QList<int> codes;
};

}  // namespace kd::test
