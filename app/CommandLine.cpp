#include "app/CommandLine.h"

#include <QDir>

#include "util/Paths.h"

namespace kd {

namespace {

// A path as the running player keeps it: the playlist outlives the current
// folder, so a relative path is made absolute; addresses stay as they are.
QString absolutePath(const QString& path, const QString& currentFolder) {
  if (IsStreamUrl(path) || QDir::isAbsolutePath(path)) return path;
  return QDir::cleanPath(QDir(currentFolder).absoluteFilePath(path));
}

}  // namespace

CommandLine CommandLine::parse(const QStringList& arguments, const QString& currentFolder) {
  CommandLine result;
  bool optionsEnded = false;
  for (const QString& argument : arguments) {
    const bool isOption =
        !optionsEnded && argument.size() > 1 && argument.startsWith(QLatin1Char('-'));
    if (!isOption) {
      if (!argument.isEmpty()) result.paths << absolutePath(argument, currentFolder);
      continue;
    }
    if (argument == QLatin1String("--")) {
      optionsEnded = true;
    } else if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
      return {Action::Help, {}, {}};
    } else if (argument == QLatin1String("--version")) {
      return {Action::Version, {}, {}};
    } else {
      return {Action::Error,
              {},
              QStringLiteral("kavorodeck: unknown option '%1'\nTry 'kavorodeck --help'.")
                  .arg(argument)};
    }
  }
  return result;
}

QString UsageText() {
  return QStringLiteral(
      "Usage: kavorodeck [OPTION]... [FILE]...\n"
      "A skinnable media player. Each FILE (a song, video, picture, playlist or\n"
      "folder, or an http/https address) is added to the playlist in order.\n"
      "When kavorodeck is already running, the files are added to that player\n"
      "(the first plays when it is stopped) and this start ends.\n"
      "\n"
      "  -h, --help     print this help and end\n"
      "      --version  print the version and end\n"
      "      --         every later argument is a file, even one starting with '-'\n");
}

QString VersionText() {
  return QStringLiteral("kavorodeck " KD_VERSION "\n");
}

}  // namespace kd
