// The composition root as the user meets it: commands that change the
// playlist wait for a folder scan in progress, a quit during a scan still
// saves the whole list, and command arguments reach the part that uses them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSet>
#include <QTimer>
#include <algorithm>
#include <memory>

#include <QCheckBox>

#include "app/Application.h"
#include "core/Commands.h"
#include "core/IniStore.h"
#include "playback_gst/MediaFixtures.h"
#include "skin/widgets/SkinTextLabel.h"
#include "skin/widgets/SkinWindow.h"
#include "support/TempDir.h"
#include "support/Waiting.h"
#include "ui/PreferencesDialog.h"
#include "util/AppPaths.h"

namespace kd {
namespace {

using test::ScopedEnv;

// What the main window looked like each time it was shown.
class MainWindowShows : public QObject {
 public:
  MainWindowShows() { qApp->installEventFilter(this); }
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* window = qobject_cast<SkinWindow*>(watched);
    if (window && event->type() == QEvent::Show) shown.push_back({window->size(), window->mask()});
    return false;
  }
  struct Shown {
    QSize size;
    QRegion mask;
  };
  std::vector<Shown> shown;
};

class ApplicationTest : public ::testing::Test {
 protected:
  ApplicationTest() {
    SetProgramFolderOverride(QStringLiteral(KD_TEST_SHARE_DIR));
    SetModuleFolderOverride(QStringLiteral(KD_TEST_MODULE_DIR));
    qApp->setQuitOnLastWindowClosed(false);  // as the program runs
    // A message box would wait for a click that never comes: fail instead.
    QObject::connect(&modalGuard, &QTimer::timeout, [] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        ADD_FAILURE() << "a modal window opened: " << modal->windowTitle().toStdString();
        modal->close();
      }
    });
    modalGuard.start(200);
    app = std::make_unique<Application>();
    app->start();
  }
  ~ApplicationTest() override {
    app.reset();
    SetProgramFolderOverride(QString());
    SetModuleFolderOverride(QString());
  }

  // `count` empty "*.mp3" files spread over nested folders; their paths.
  QSet<QString> writeTree(int count) const {
    QSet<QString> paths;
    for (int i = 0; i < count; ++i) {
      const QString folder =
          dir.path() + QStringLiteral("tree/d%1/e%2/").arg(i % 10).arg(i / 10 % 10);
      QDir().mkpath(folder);
      const QString path = folder + QStringLiteral("f%1.mp3").arg(i);
      QFile file(path);
      EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
      paths.insert(path);
    }
    return paths;
  }
  CommandExecutor& commands() { return app->commands(); }
  // Starts the program again, as after a restart.
  void restart() {
    app.reset();
    app = std::make_unique<Application>();
    app->start();
  }
  // Asks the program to end and waits until it has.
  void quit() {
    QObject deadlineContext;
    // Quit from inside the event loop, as a key or a menu does.
    QTimer::singleShot(0, &deadlineContext, [this] { commands().execute(Command::Quit); });
    QTimer::singleShot(60000, &deadlineContext, [] { QCoreApplication::exit(1); });
    ASSERT_EQ(QCoreApplication::exec(), 0);
  }
  bool waitIdle() {
    return test::WaitUntil([this] { return !app->addsPending(); }, 20000);
  }

  test::TempDir dir;
  ScopedEnv config{"XDG_CONFIG_HOME", QFile::encodeName(dir.path() + QStringLiteral("config"))};
  ScopedEnv data{"XDG_DATA_HOME", QFile::encodeName(dir.path() + QStringLiteral("data"))};
  ScopedEnv sink{"KAVORODECK_AUDIO_SINK", "fakesink sync=true"};
  QTimer modalGuard;
  MainWindowShows mainWindowShows;
  std::unique_ptr<Application> app;
};

TEST_F(ApplicationTest, TheWindowIsShownOnceAtTheSkinsSizeAndShape) {
  // The default skin's picture is 440 x 480 with rounded corners.
  ASSERT_EQ(mainWindowShows.shown.size(), 1u);
  EXPECT_EQ(mainWindowShows.shown[0].size, QSize(440, 480));
  EXPECT_FALSE(mainWindowShows.shown[0].mask.isEmpty());
  EXPECT_FALSE(mainWindowShows.shown[0].mask.contains(QPoint(0, 0)));
}

TEST_F(ApplicationTest, PlaylistChangesAskedForDuringAFolderScanWaitForItsEnd) {
  const QSet<QString> tree = writeTree(3000);
  const QString single = dir.write(QStringLiteral("single.mp3"), {});
  int largest = 0;
  QObject::connect(&app->playlist(), &Playlist::countChanged,
                   [&largest](int count) { largest = std::max(largest, count); });

  commands().execute(Command::EnqueuePath, dir.path() + QStringLiteral("tree"));
  commands().execute(Command::ClearPlaylist);
  commands().execute(Command::EnqueuePath, single);
  EXPECT_TRUE(app->addsPending());
  ASSERT_TRUE(waitIdle());

  // The whole tree came in before the clear, and the single file after it.
  EXPECT_EQ(largest, tree.size());
  ASSERT_EQ(app->playlist().count(), 1);
  EXPECT_EQ(app->playlist().entry(0).path, single);
}

TEST_F(ApplicationTest, AQuitDuringAFolderScanEndsOnceTheWholeTreeIsSaved) {
  const QSet<QString> tree = writeTree(3000);
  commands().execute(Command::EnqueuePath, dir.path() + QStringLiteral("tree"));
  commands().execute(Command::Quit);
  EXPECT_FALSE(QFile::exists(SettingsFilePath()));

  QObject deadlineContext;
  QTimer::singleShot(60000, &deadlineContext, [] { QCoreApplication::exit(1); });
  // 0 when the program itself asked to quit, 1 at the deadline.
  ASSERT_EQ(QCoreApplication::exec(), 0);

  QFile saved(DataFolder() + QStringLiteral("playlist.m3u"));
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  QSet<QString> listed;
  for (const QByteArray& line : saved.readAll().split('\n')) {
    const QString path = QString::fromUtf8(line.trimmed());
    if (!path.isEmpty() && !path.startsWith(QLatin1Char('#'))) listed.insert(path);
  }
  EXPECT_EQ(listed.size(), tree.size());
  EXPECT_TRUE(listed == tree);
  EXPECT_TRUE(QFile::exists(SettingsFilePath()));
}

TEST_F(ApplicationTest, CommandArgumentsReachThePartsThatUseThem) {
  commands().execute(Command::SetVolume, 40);
  EXPECT_FLOAT_EQ(app->model().volume(), 0.4f);
  ASSERT_NE(app->window().label(18), nullptr);
  EXPECT_EQ(app->window().label(18)->text(), QStringLiteral(" 40"));
  commands().execute(Command::SetVolume, 250);  // held to the range
  EXPECT_FLOAT_EQ(app->model().volume(), 1.0f);
  commands().execute(Command::SetVolume, QStringLiteral("40"));  // not a number
  EXPECT_FLOAT_EQ(app->model().volume(), 1.0f);

  for (const char* name : {"one.wav", "two.wav", "three.wav"})
    commands().execute(Command::EnqueuePath,
                       dir.write(QString::fromLatin1(name), test::MakeWav(1.0, 1)));
  commands().execute(Command::PlayEntry, 2);
  EXPECT_TRUE(test::WaitUntil(
      [this] {
        return app->playlist().currentEntry() == 2 && app->model().status() == PlayStatus::Playing;
      },
      20000));
  EXPECT_TRUE(app->playlist().entry(1).path.endsWith(QStringLiteral("two.wav")));
}

// The visible track information windows, and the file each shows.
QStringList shownTrackWindows() {
  QStringList files;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (!window->isVisible() || window->windowTitle() != QString::fromUtf8("曲目 信息")) continue;
    for (QLineEdit* field : window->findChildren<QLineEdit*>()) {
      if (field->accessibleName() == QString::fromUtf8("文件")) files.append(field->text());
    }
  }
  return files;
}

TEST_F(ApplicationTest, TheTitleLabelAndCommand16OpenOneTrackWindowOnTheCurrentTrack) {
  const QString song = dir.write(QStringLiteral("one.wav"), test::MakeWav(1.0, 1));
  commands().execute(Command::EnqueuePath, song);
  ASSERT_TRUE(waitIdle());
  commands().execute(Command::PlayEntry, 1);
  ASSERT_TRUE(test::WaitUntil([this, &song] { return app->model().item().path == song; }));

  SkinTextLabel* title = app->window().label(2);
  ASSERT_NE(title, nullptr);
  const QPointF inside(1, 1);
  QMouseEvent press(QEvent::MouseButtonPress, inside, title->mapToGlobal(inside), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, inside, title->mapToGlobal(inside),
                      Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(title, &press);
  QCoreApplication::sendEvent(title, &release);
  EXPECT_EQ(shownTrackWindows(), QStringList{song});

  commands().execute(Command::ShowInfo);
  EXPECT_EQ(shownTrackWindows(), QStringList{song});  // still one window
}

TEST_F(ApplicationTest, CodesThatAreNoCommandChangeNothing) {
  commands().execute(Command::SetVolume, 40);
  commands().execute(Command::EnqueuePath,
                     dir.write(QStringLiteral("one.wav"), test::MakeWav(1.0, 1)));
  ASSERT_TRUE(waitIdle());
  const QString volumeText = app->window().label(18)->text();

  for (const int code : {0, -1, 37, 100, 121, 200, 213}) {
    commands().execute(code);
    commands().execute(code, 1);
    commands().execute(code, dir.path());
  }
  QCoreApplication::processEvents();
  EXPECT_FLOAT_EQ(app->model().volume(), 0.4f);
  EXPECT_EQ(app->window().label(18)->text(), volumeText);
  EXPECT_EQ(app->model().status(), PlayStatus::Stopped);
  EXPECT_EQ(app->playlist().count(), 1);
  EXPECT_EQ(app->playlist().currentEntry(), 1);
}

TEST_F(ApplicationTest, TheOnOffListSurvivesARunWithoutItsBlankLines) {
  const QString path = DataFolder() + QStringLiteral("autolist.txt");
  QDir().mkpath(DataFolder());
  const QByteArray gb = "  E 07:30 08:00 00 \xc4\xd6\xd6\xd3";  // GB18030, a leading blank
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("D 07:30 08:00 00\r\n\r\n   \r\n" + gb + "\nR 25:99 ab:cd 00");
  file.close();

  restart();
  quit();
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(),
            "D 07:30 08:00 00\r\n" +
                (QStringLiteral("  E 07:30 08:00 00 ") + QChar(0x95f9) + QChar(0x949f)).toUtf8() +
                "\r\nR 25:99 ab:cd 00\r\n");
}

TEST_F(ApplicationTest, AnOnOffListThatCannotBeReadIsLeftAlone) {
  const QString path = DataFolder() + QStringLiteral("autolist.txt");
  QDir().mkpath(path + QStringLiteral("/inside"));
  restart();
  quit();
  EXPECT_TRUE(QFileInfo(path + QStringLiteral("/inside")).isDir());
}

TEST_F(ApplicationTest, TheClockLabelsShowTheTimeAndDate) {
  const QString clock = app->window().label(3)->text();
  ASSERT_EQ(clock.size(), 8) << clock.toStdString();
  EXPECT_EQ(clock.left(2).toInt() % 12, QTime::currentTime().hour() % 12);
  EXPECT_EQ(app->window().label(6)->text().right(4).toInt(), QDate::currentDate().year());
  EXPECT_EQ(app->window().label(7)->text().size(), 3);
}

// The control of the preferences dialog that a screen reader names `name`.
template <typename T>
T* PreferencesControl(Application& app, const char* name) {
  PreferencesDialog* dialog = app.preferences().dialog();
  if (!dialog) return nullptr;
  for (T* control : dialog->findChildren<T*>()) {
    if (control->accessibleName() == QString::fromUtf8(name) ||
        control->text().remove(QLatin1Char('&')) == QString::fromUtf8(name)) {
      return control;
    }
  }
  return nullptr;
}

TEST_F(ApplicationTest, Command5OpensThePreferencesWhoseChangesShowAtOnceAndAreSaved) {
  modalGuard.stop();  // the preferences are modal by design
  EXPECT_EQ(app->preferences().dialog(), nullptr);
  commands().execute(Command::ShowPrefs);
  ASSERT_TRUE(app->preferences().isVisible());
  PreferencesDialog* dialog = app->preferences().dialog();
  commands().execute(Command::ShowPrefs);
  EXPECT_EQ(app->preferences().dialog(), dialog);

  // Ticking the on-top box moves the window at once; it stays up after close.
  PreferencesControl<QCheckBox>(*app, "播放面板置于屏幕项端")->click();
  EXPECT_TRUE(app->window().isOnTop());
  PreferencesControl<QCheckBox>(*app, "使用24小时模式")->click();
  EXPECT_TRUE(app->window().label(3)->text().endsWith(QStringLiteral("   ")))
      << app->window().label(3)->text().toStdString();
  PreferencesControl<QLineEdit>(*app, "DirAdd 扩展")->setText(QStringLiteral("mp3 ogg"));
  dialog->close();
  EXPECT_FALSE(app->preferences().isVisible());
  EXPECT_TRUE(app->window().isOnTop());

  quit();
  const IniStore saved = IniStore::load(SettingsFilePath());
  EXPECT_EQ(saved.value(u"config", u"WinOnTop"), QStringLiteral(" 1"));
  EXPECT_EQ(saved.value(u"config", u"TimeFmt"), QStringLiteral(" 1"));
  EXPECT_EQ(saved.value(u"config", u"ValidExt"), QStringLiteral("MP3 OGG"));
}

TEST_F(ApplicationTest, DoubleSizeIsToggledByItsCommandAndSaved) {
  commands().execute(Command::ToggleDoubleSize);
  commands().execute(Command::ToggleDoubleSize);
  commands().execute(Command::ToggleDoubleSize);
  quit();
  const IniStore saved = IniStore::load(SettingsFilePath());
  EXPECT_EQ(saved.value(u"config", u"DoubleSize"), QStringLiteral("1"));
  restart();
  commands().execute(Command::ToggleDoubleSize);
  quit();
  EXPECT_EQ(IniStore::load(SettingsFilePath()).value(u"config", u"DoubleSize"),
            QStringLiteral("0"));
}

TEST_F(ApplicationTest, Command2HidesIntoTheTrayIconOnlyWhenThereIsOne) {
  modalGuard.stop();
  ASSERT_TRUE(test::WaitUntil([this] { return app->tray() != nullptr; }));
  EXPECT_EQ(app->tray()->systemTrayIcon().toolTip(), QString::fromUtf8("Vexo 多媒体播放器 V1.0"));
  // The offscreen desktop has no notification area: the window is minimised.
  commands().execute(Command::Hide);
  EXPECT_TRUE(app->window().isVisible());
  EXPECT_TRUE(app->window().isMinimized());

  app->tray()->setAvailabilityCheck([] { return true; });
  commands().execute(Command::Hide);
  EXPECT_FALSE(app->window().isVisible());
  auto doubleClick = [this] {
    emit app->tray()->systemTrayIcon().activated(QSystemTrayIcon::DoubleClick);
  };
  // Not while the preferences are open.
  commands().execute(Command::ShowPrefs);
  doubleClick();
  EXPECT_FALSE(app->window().isVisible());
  app->preferences().close();
  doubleClick();
  EXPECT_TRUE(app->window().isVisible());
  EXPECT_FALSE(app->window().isMinimized());
}

TEST_F(ApplicationTest, AStoredCoverAtStartUpLeavesThePreferencesAndTheSleepCountAlone) {
  IniStore store = IniStore::load(SettingsFilePath());
  store.setValue(u"config", u"StartMd", QStringLiteral("1"));
  store.setValue(u"config", u"Auto", QStringLiteral("1"));
  store.setValue(u"config", u"Snooze", QStringLiteral("1"));
  store.setValue(u"config", u"LastCover", FindProgramFile(QStringLiteral("nocover.bmp")));
  ASSERT_TRUE(store.save());
  restart();
  EXPECT_EQ(app->preferences().dialog(), nullptr);
  // The armed sleep timer runs its 30 minutes.
  EXPECT_EQ(std::abs(app->sleepCount()), 30);
}

}  // namespace
}  // namespace kd
