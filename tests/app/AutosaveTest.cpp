// The player's state on disk while it runs: a player killed at any moment
// restarts as it was two seconds before, and full, read-only or vanished
// folders leave the old files whole while every other file is still written,
// with one message naming each file that could not be.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTimer>
#include <memory>

#include "app/Application.h"
#include "core/Commands.h"
#include "support/TempDir.h"
#include "support/Waiting.h"
#include "util/AppPaths.h"

namespace kd {
namespace {

using test::ScopedEnv;

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What the program prints on stderr meanwhile.
class StderrCapture {
 public:
  explicit StderrCapture(const QString& path) : m_path(path) {
    std::fflush(stderr);
    m_saved = dup(2);
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(fd, 2);
    ::close(fd);
  }
  ~StderrCapture() { restore(); }
  // What was printed so far; the capture goes on.
  QString sofar() const { return QString::fromLocal8Bit(ReadAll(m_path)); }
  QString text() {
    restore();
    return QString::fromLocal8Bit(ReadAll(m_path));
  }

 private:
  void restore() {
    if (m_saved < 0) return;
    std::fflush(stderr);
    dup2(m_saved, 2);
    ::close(m_saved);
    m_saved = -1;
  }
  QString m_path;
  int m_saved = -1;
};

// A small tmpfs over `folder`, gone at the end; unusable where mounting is not
// permitted.
class SmallDisk {
 public:
  explicit SmallDisk(const QString& folder) : m_folder(QFile::encodeName(folder)) {
    QDir().mkpath(folder);
    m_mounted = mount("tmpfs", m_folder.constData(), "tmpfs", 0, "size=64k") == 0;
  }
  ~SmallDisk() {
    if (m_mounted) umount2(m_folder.constData(), MNT_DETACH);
  }
  bool mounted() const { return m_mounted; }
  void makeReadOnly() {
    mount("tmpfs", m_folder.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=64k");
  }
  // Takes every free byte.
  void fill() {
    QFile filler(QFile::decodeName(m_folder) + QStringLiteral("/filler"));
    filler.open(QIODevice::WriteOnly);
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size() && filler.flush()) {
    }
  }

 private:
  QByteArray m_folder;
  bool m_mounted = false;
};

class AutosaveTest : public ::testing::Test {
 protected:
  AutosaveTest() {
    SetProgramFolderOverride(QStringLiteral(KD_TEST_SHARE_DIR));
    SetModuleFolderOverride(QStringLiteral(KD_TEST_MODULE_DIR));
    qApp->setQuitOnLastWindowClosed(false);
    // Restore the last run at start, as a user who wants it back sets it.
    dir.write(QStringLiteral("config/kavorodeck/kavorodeck.ini"), "[config]\nStartMd= 1\n");
    for (const char* name : {"one.mp3", "two.mp3", "three.mp3"})
      tracks << dir.write(QStringLiteral("music/") + QLatin1String(name), {});
  }
  ~AutosaveTest() override {
    app.reset();
    SetProgramFolderOverride(QString());
    SetModuleFolderOverride(QString());
  }
  // `paths`: the command line's.
  void start(const QStringList& paths = {}) {
    app = std::make_unique<Application>(paths);
    app->start();
  }
  CommandExecutor& commands() { return app->commands(); }
  QString playlistFile() const { return DataFolder() + QStringLiteral("playlist.m3u"); }
  QString onOffListFile() const { return DataFolder() + QStringLiteral("autolist.txt"); }
  // How often stderr's `text` tells that `file` could not be written.
  static int toldCannotWrite(const QString& text, const char* what, const QString& file) {
    return static_cast<int>(
        text.count(QStringLiteral("cannot write the ") + QLatin1String(what) + u' ' + file));
  }
  // Waits until the file's bytes are `expected` (or any, when empty), as an
  // autosave leaves them.
  bool waitForSave(const QString& path, const QByteArray& contains) {
    return test::WaitUntil([&] { return ReadAll(path).contains(contains); }, 5000);
  }
  void quit() {
    QObject deadline;
    QTimer::singleShot(0, &deadline, [this] { commands().execute(Command::Quit); });
    QTimer::singleShot(60000, &deadline, [] { QCoreApplication::exit(1); });
    ASSERT_EQ(QCoreApplication::exec(), 0);
  }
  // A playlist of the three tracks, the second one current, the volume at 40 %.
  void changeEverything() {
    for (const QString& track : tracks) commands().execute(Command::EnqueuePath, track);
    ASSERT_TRUE(test::WaitUntil([this] { return !app->addsPending(); }, 10000));
    commands().execute(Command::NextEntry);
    commands().execute(Command::SetVolume, 40);
  }

  void writeOldDataFiles();
  void expectDataFilesKeptAndToldOnce();
  static constexpr const char* kOldPlaylist = "/old/song.mp3\r\n";
  static constexpr const char* kOldOnOffList = "D 07:30 08:00 00\r\n";

  test::TempDir dir;
  ScopedEnv config{"XDG_CONFIG_HOME", QFile::encodeName(dir.path() + QStringLiteral("config"))};
  ScopedEnv data{"XDG_DATA_HOME", QFile::encodeName(dir.path() + QStringLiteral("data"))};
  ScopedEnv sink{"KAVORODECK_AUDIO_SINK", "fakesink sync=true"};
  QStringList tracks;
  std::unique_ptr<Application> app;
};

TEST_F(AutosaveTest, AKilledPlayerRestartsAsItWasAndItsFilesAreThoseOfAShutDown) {
  start(tracks);  // the command line's files replace the last run's playlist
  ASSERT_TRUE(test::WaitUntil([this] { return !app->addsPending(); }, 10000));
  commands().execute(Command::NextEntry);
  commands().execute(Command::SetVolume, 40);
  ASSERT_TRUE(waitForSave(SettingsFilePath(), "OutputLevels=26214,26214"));
  ASSERT_TRUE(waitForSave(playlistFile(), "three.mp3"));
  EXPECT_TRUE(ReadAll(SettingsFilePath()).contains("LastTrack= 2"));
  const QByteArray savedSettings = ReadAll(SettingsFilePath());
  const QByteArray savedPlaylist = ReadAll(playlistFile());

  app.reset();  // killed: nothing more is written
  start();
  EXPECT_EQ(app->playlist().count(), 3);
  EXPECT_EQ(app->playlist().currentEntry(), 2);
  EXPECT_NEAR(app->model().volume(), 0.4f, 0.001f);

  quit();
  EXPECT_EQ(ReadAll(SettingsFilePath()), savedSettings);
  EXPECT_EQ(ReadAll(playlistFile()), savedPlaylist);
}

// The data folder holds the last run's playlist and on/off list when it breaks.
void AutosaveTest::writeOldDataFiles() {
  dir.write(QStringLiteral("data/kavorodeck/playlist.m3u"), kOldPlaylist);
  dir.write(QStringLiteral("data/kavorodeck/autolist.txt"), kOldOnOffList);
}

// Neither autosave nor the shut-down can write the data folder: both data
// files stay whole, the settings are written all the same, and each file is
// named on stderr once at the first failing autosave and once at the end.
void AutosaveTest::expectDataFilesKeptAndToldOnce() {
  StderrCapture err(dir.path() + QStringLiteral("stderr.txt"));
  start();
  changeEverything();
  ASSERT_TRUE(waitForSave(SettingsFilePath(), "OutputLevels=26214,26214"));
  // A second autosave fails the same way and stays quiet.
  commands().execute(Command::SetVolume, 50);
  ASSERT_TRUE(waitForSave(SettingsFilePath(), "OutputLevels=32768,32768"));
  EXPECT_EQ(ReadAll(playlistFile()), kOldPlaylist);
  EXPECT_EQ(ReadAll(onOffListFile()), kOldOnOffList);
  const QString autosaved = err.text();
  EXPECT_EQ(toldCannotWrite(autosaved, "playlist file", playlistFile()), 1)
      << autosaved.toStdString();
  EXPECT_EQ(toldCannotWrite(autosaved, "on/off list", onOffListFile()), 1);

  StderrCapture atQuit(dir.path() + QStringLiteral("stderr2.txt"));
  commands().execute(Command::SetVolume, 60);
  quit();
  EXPECT_EQ(ReadAll(playlistFile()), kOldPlaylist);
  EXPECT_EQ(ReadAll(onOffListFile()), kOldOnOffList);
  EXPECT_TRUE(ReadAll(SettingsFilePath()).contains("OutputLevels=39321,39321"));
  const QString told = atQuit.text();
  EXPECT_EQ(toldCannotWrite(told, "playlist file", playlistFile()), 1) << told.toStdString();
  EXPECT_EQ(toldCannotWrite(told, "on/off list", onOffListFile()), 1);
  EXPECT_FALSE(told.contains(QStringLiteral("settings")));
}

TEST_F(AutosaveTest, AReadOnlyDataFolderKeepsItsFilesAndTheSettingsAreStillWritten) {
  SmallDisk disk(dir.path() + QStringLiteral("data"));
  if (!disk.mounted()) GTEST_SKIP() << "mounting a tmpfs is not permitted here";
  writeOldDataFiles();
  disk.makeReadOnly();
  expectDataFilesKeptAndToldOnce();
}

TEST_F(AutosaveTest, AFullDataDiskKeepsItsFilesAndTheSettingsAreStillWritten) {
  SmallDisk disk(dir.path() + QStringLiteral("data"));
  if (!disk.mounted()) GTEST_SKIP() << "mounting a tmpfs is not permitted here";
  writeOldDataFiles();
  disk.fill();
  expectDataFilesKeptAndToldOnce();
}

TEST_F(AutosaveTest, ADataFolderDeletedWhileRunningIsMadeAgainAtTheShutDown) {
  StderrCapture err(dir.path() + QStringLiteral("stderr.txt"));
  start();
  changeEverything();
  ASSERT_TRUE(waitForSave(playlistFile(), "three.mp3"));
  ASSERT_TRUE(QDir(DataFolder()).removeRecursively());
  quit();
  EXPECT_TRUE(ReadAll(playlistFile()).contains("three.mp3"));
  EXPECT_TRUE(QFile::exists(onOffListFile()));
  EXPECT_TRUE(ReadAll(SettingsFilePath()).contains("LastTrack= 2"));
  EXPECT_FALSE(err.text().contains(QStringLiteral("cannot write")));
}

TEST_F(AutosaveTest, AFullSettingsDiskKeepsTheOldSettingsAndTheDataFilesAreStillWritten) {
  SmallDisk disk(dir.path() + QStringLiteral("config/kavorodeck"));
  if (!disk.mounted()) GTEST_SKIP() << "mounting a tmpfs is not permitted here";
  const QByteArray old = "[config]\nStartMd= 1\nVolume=80\n";
  dir.write(QStringLiteral("config/kavorodeck/kavorodeck.ini"), old);
  disk.fill();
  StderrCapture err(dir.path() + QStringLiteral("stderr.txt"));
  start();
  changeEverything();
  ASSERT_TRUE(waitForSave(playlistFile(), "three.mp3"));
  EXPECT_EQ(ReadAll(SettingsFilePath()), old);

  // While the settings keep failing, the data folder breaks too: that is told.
  ASSERT_TRUE(QDir(DataFolder()).removeRecursively());
  dir.write(QStringLiteral("data/kavorodeck"), "not a folder");
  commands().execute(Command::SetVolume, 50);
  EXPECT_TRUE(test::WaitUntil(
      [&] { return toldCannotWrite(err.sofar(), "playlist file", playlistFile()) == 1; }, 5000));
  quit();
  EXPECT_EQ(ReadAll(SettingsFilePath()), old);
  const QString told = err.text();
  // Each once at autosave, once at the shut-down.
  EXPECT_EQ(toldCannotWrite(told, "settings file", SettingsFilePath()), 2) << told.toStdString();
  EXPECT_EQ(toldCannotWrite(told, "playlist file", playlistFile()), 2);
  EXPECT_EQ(toldCannotWrite(told, "on/off list", onOffListFile()), 2);
}

TEST_F(AutosaveTest, ADataFolderThatIsAFileLosesNothingElse) {
  dir.write(QStringLiteral("data/kavorodeck"), "not a folder");
  StderrCapture err(dir.path() + QStringLiteral("stderr.txt"));
  start();
  changeEverything();
  quit();
  EXPECT_TRUE(ReadAll(SettingsFilePath()).contains("LastTrack= 2"));
  EXPECT_EQ(ReadAll(dir.path() + QStringLiteral("data/kavorodeck")), "not a folder");
  const QString told = err.text();
  EXPECT_EQ(toldCannotWrite(told, "playlist file", playlistFile()), 1) << told.toStdString();
}

}  // namespace
}  // namespace kd
