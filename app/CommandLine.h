#pragma once
// What the program's arguments ask for: each argument is one path (a file
// manager passes several), "--help" and "--version" print and end, "--" ends
// the options, and any other argument starting with "-" is an error.

#include <QString>
#include <QStringList>

namespace kd {

struct CommandLine {
  enum class Action { Run, Help, Version, Error };
  Action action = Action::Run;
  QStringList paths;  // in the order given; relative ones made absolute
  QString error;      // for Action::Error, the message for stderr

  // `arguments` without the program name; relative paths are taken from `currentFolder`.
  static CommandLine parse(const QStringList& arguments, const QString& currentFolder);
};

QString UsageText();
QString VersionText();

}  // namespace kd
