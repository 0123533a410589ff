#include "AddFixture.h"

#include <QEventLoop>
#include <QTimer>

#include "core/SettingsTable.h"

namespace kd::test {

QStringList Names(const Playlist& playlist) {
  QStringList out;
  for (const PlaylistEntry& e : playlist.entries()) out << e.name;
  return out;
}

QStringList Paths(const Playlist& playlist) {
  QStringList out;
  for (const PlaylistEntry& e : playlist.entries()) out << e.path;
  return out;
}

void Touch(const TempDir& dir, const QStringList& relativePaths) {
  for (const QString& p : relativePaths) dir.write(p, QByteArray());
}

AddFixture::AddFixture()
    : settingsFile(dir.path() + QStringLiteral("config/kavorodeck.ini")),
      store(IniStore::load(settingsFile)) {
  adder.setDialogs(&dialogs);
  listDialogs.setDialogs(&dialogs);
  auto play = [this] { plays.append(Paths(playlist)); };
  adder.setPlayCallback(play);
  listDialogs.setPlayCallback(play);
  QObject::connect(&scanner, &FolderScanner::finished, [this] { ++finishedSignals; });
}

bool AddFixture::waitIdle() {
  if (scanner.isBusy()) {
    QEventLoop loop;
    QObject::connect(&scanner, &FolderScanner::finished, &loop, &QEventLoop::quit);
    // Only a guard against a hanging test; the scans here take milliseconds.
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    loop.exec();
  }
  return !scanner.isBusy();
}

QString AddFixture::storedPath() const {
  return IniStore::load(settingsFile).value(u"config", u"Path", QStringLiteral("<missing>"));
}

}  // namespace kd::test
