// Loading skins into the window through the real loader: the timer hooks,
// the order of the messages, the settings written, loads that fail, and the
// default skin taking over from a configured skin that fails at start-up.

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QImage>

#include "WindowTestSupport.h"
#include "core/Commands.h"
#include "core/Settings.h"
#include "skin/widgets/ButtonZone.h"
#include "skin/widgets/SkinController.h"
#include "support/TempDir.h"
#include "util/MessageSink.h"

namespace kd {
namespace {

class SkinControllerTest : public ::testing::Test, public MessageSink {
 protected:
  void SetUp() override {
    settings.SkinPath = dir.path();
    SkinLoadEnvironment env = SkinLoadEnvironment::forProgram();
    env.programFolders = {dir.mkdir(QStringLiteral("program"))};
    env.screenWidth = 1024;
    controller.setEnvironment(env);
    controller.setHooks({[this] { log << QStringLiteral("stop"); },
                         [this] { log << QStringLiteral("start"); },
                         [this](const QString& filter, const QString& name, const QString&) {
                           log << QStringLiteral("ask ") + filter + QLatin1Char(' ') + name;
                           return dir.path() + QStringLiteral("chosen/pic.bmp");
                         }});
    window.setScreenOverride(QRect(0, 0, 1024, 740), TwipScale{15, 15});
    QImage main(120, 60, QImage::Format_RGB32);
    main.fill(qRgb(40, 50, 60));
    main.save(dir.write(QStringLiteral("main.bmp"), {}), "BMP");
  }
  void showMessage(const QString& text) override { log << QStringLiteral("message: ") + text; }
  // An 80 x 40 default skin in the program folder whose button 36 has no key letter.
  QString writeDefaultSkin() {
    QImage face(80, 40, QImage::Format_RGB32);
    face.fill(qRgb(7, 8, 9));
    face.save(dir.write(QStringLiteral("program/face.bmp"), {}), "BMP");
    return dir.write(QStringLiteral("program/default.skin"),
                     "Kavoro Skin,Default\r\n80,40,80,40,80,20\r\nface.bmp,face.bmp\r\n"
                     "0,0,10,20,30,0,0,0\r\nB36,5,5,20,10,0,0,,Play\r\nE\r\n");
  }

  test::TempDir dir;
  QStringList log;
  Settings settings;
  SkinWindow window;
  SkinController controller{window, settings, *this};
};

TEST_F(SkinControllerTest, AppliesTheSkinAndShowsItsMessagesWhileTheTimerIsStopped) {
  dir.write(QStringLiteral("tiny.skin"),
            "Kavoro Skin,Tiny\r\n120,60,120,40,60,20\r\nmain.bmp,missing-res.bmp\r\n"
            "0,0,10,20,30,0,0,0\r\nB7,5,5,20,10,0,0,q,Seven\r\n"
            "L51,0,0,10,10,0,0,0,8,Sans,tip\r\nE\r\n");
  EXPECT_EQ(controller.loadSkin(QStringLiteral("tiny.skin"), false), SkinLoadOutcome::Loaded);
  EXPECT_EQ(log,
            (QStringList{
                "stop", "message: Resource bitmap not found: " + dir.path() + "missing-res.bmp",
                "message: 界面文件读取错误!\n此界面文件包涵系统不该涵有的原素!:\n L51", "start"}));
  EXPECT_EQ(window.size(), QSize(120, 60));
  EXPECT_TRUE(window.button(7)->isVisibleTo(&window));
  EXPECT_EQ(window.keyMap()[7], QLatin1Char('q'));
  EXPECT_EQ(window.backBuffer().pixel(100, 50), qRgb(40, 50, 60));
  EXPECT_EQ(settings.Skin, dir.path() + QStringLiteral("tiny.skin"));
  EXPECT_EQ(controller.lastSkinFolder(), dir.path());
}

TEST_F(SkinControllerTest, AFailedLoadOnlyShowsItsMessageAndRemembersTheFolder) {
  settings.Skin = QStringLiteral("/old.skin");
  EXPECT_EQ(controller.loadSkin(QStringLiteral("nothere.skin"), true), SkinLoadOutcome::NotFound);
  EXPECT_EQ(log,
            QStringList{"message: Skin not found!\nSkinName=nothere.skin\nSkinPath=" + dir.path()});
  const QString folder = dir.mkdir(QStringLiteral("other"));
  dir.write(QStringLiteral("other/bad.skin"), "Kavoro skin,wrong case\r\n");
  EXPECT_EQ(controller.loadSkin(folder + QStringLiteral("bad.skin"), false),
            SkinLoadOutcome::InvalidHeader);
  EXPECT_EQ(log.last(), QStringLiteral("message: Invalid Skin!"));
  EXPECT_EQ(controller.lastSkinFolder(), folder);
  EXPECT_EQ(settings.Skin, QStringLiteral("/old.skin"));
}

TEST_F(SkinControllerTest, AStartSkinWithAWrongHeaderMakesWayForTheDefaultSkin) {
  const QString fallback = writeDefaultSkin();
  dir.write(QStringLiteral("bad.skin"), "Kavoro skin,wrong case\r\n");
  EXPECT_EQ(controller.loadStartSkin(QStringLiteral("bad.skin")), SkinLoadOutcome::Loaded);
  EXPECT_EQ(log, (QStringList{"message: Invalid Skin!", "stop", "start"}));
  EXPECT_EQ(window.size(), QSize(80, 40));
  EXPECT_EQ(window.backBuffer().pixel(70, 30), qRgb(7, 8, 9));
  EXPECT_EQ(settings.Skin, fallback);
  // Its play/pause button, without a key letter, answers the space bar.
  EXPECT_EQ(CommandForKey(QLatin1Char(' '), window.keyMap()), 36);
}

TEST_F(SkinControllerTest, TheProgramsOwnDefaultSkinTakesOverAndPlaysOnTheSpaceBar) {
  const QString share = qEnvironmentVariable("KD_SHARE_DIR");
  if (share.isEmpty()) GTEST_SKIP() << "KD_SHARE_DIR names the built program folder";
  SkinLoadEnvironment env = SkinLoadEnvironment::forProgram();
  env.programFolders = {share + QLatin1Char('/')};
  env.screenWidth = 1024;
  controller.setEnvironment(env);
  dir.write(QStringLiteral("bad.skin"), "Kavoro skin,wrong case\r\n");
  controller.loadStartSkin(QStringLiteral("bad.skin"));
  EXPECT_EQ(log.first(), QStringLiteral("message: Invalid Skin!"));
  EXPECT_EQ(QFileInfo(settings.Skin).fileName(), QStringLiteral("default.skin"));
  EXPECT_FALSE(window.windowBitmap().isNull());
  EXPECT_EQ(CommandForKey(QLatin1Char(' '), window.keyMap()), int(Command::PlayPause));
}

TEST_F(SkinControllerTest, AStartSkinWithoutItsMainBitmapMakesWayForTheDefaultSkin) {
  const QString fallback = writeDefaultSkin();
  dir.write(QStringLiteral("faceless.skin"),
            "Kavoro Skin,Faceless\r\n120,60,120,40,60,20\r\nnone.bmp,main.bmp\r\n"
            "0,0,10,20,30,0,0,0\r\nB7,5,5,20,10,0,0,Q,Seven\r\nE\r\n");
  EXPECT_EQ(controller.loadStartSkin(QStringLiteral("faceless.skin")), SkinLoadOutcome::Loaded);
  EXPECT_EQ(log, (QStringList{"stop", "message: Main bitmap not found: " + dir.path() + "none.bmp",
                              "start", "stop", "start"}));
  EXPECT_EQ(window.size(), QSize(80, 40));
  EXPECT_EQ(window.backBuffer().pixel(70, 30), qRgb(7, 8, 9));
  EXPECT_EQ(settings.Skin, fallback);
  EXPECT_EQ(CommandForKey(QLatin1Char('q'), window.keyMap()), 0);  // gone with its skin
}

TEST_F(SkinControllerTest, AStartSkinThatLoadsStaysAndLaterFailuresKeepTheCurrentSkin) {
  writeDefaultSkin();
  dir.write(QStringLiteral("tiny.skin"),
            "Kavoro Skin,Tiny\r\n120,60,120,40,60,20\r\nmain.bmp,main.bmp\r\nE\r\n");
  EXPECT_EQ(controller.loadStartSkin(QStringLiteral("tiny.skin")), SkinLoadOutcome::Loaded);
  EXPECT_EQ(log, (QStringList{"stop", "start"}));
  EXPECT_EQ(window.size(), QSize(120, 60));
  EXPECT_EQ(settings.Skin, dir.path() + QStringLiteral("tiny.skin"));

  // Skins chosen later that fail never bring the default skin.
  dir.write(QStringLiteral("bad.skin"), "Kavoro skin,wrong case\r\n");
  EXPECT_EQ(controller.loadSkin(QStringLiteral("bad.skin"), false), SkinLoadOutcome::InvalidHeader);
  EXPECT_EQ(window.size(), QSize(120, 60));
  EXPECT_EQ(settings.Skin, dir.path() + QStringLiteral("tiny.skin"));
  dir.write(QStringLiteral("faceless.skin"),
            "Kavoro Skin,Faceless\r\n100,50,100,40,60,20\r\nnone.bmp,main.bmp\r\nE\r\n");
  controller.loadSkin(QStringLiteral("faceless.skin"), false);
  EXPECT_EQ(window.size(), QSize(100, 50));
  EXPECT_EQ(window.backBuffer().pixel(90, 45), qRgb(40, 50, 60));  // the picture shown stays
}

TEST_F(SkinControllerTest, AFailingDefaultSkinIsLoadedOnceAndAMissingOneNotAtAll) {
  const QString fallback = dir.write(QStringLiteral("program/default.skin"),
                                     "Kavoro Skin,Default\r\n80,40,80,40,80,20\r\n"
                                     "gone.bmp,gone.bmp\r\nE\r\n");
  EXPECT_EQ(controller.loadStartSkin(fallback), SkinLoadOutcome::Loaded);
  EXPECT_EQ(log.count(QStringLiteral("stop")), 1);
  EXPECT_EQ(settings.Skin, fallback);

  QFile::remove(fallback);
  log.clear();
  EXPECT_EQ(controller.loadStartSkin(QStringLiteral("nothere.skin")), SkinLoadOutcome::NotFound);
  EXPECT_EQ(log,
            QStringList{"message: Skin not found!\nSkinName=nothere.skin\nSkinPath=" + dir.path()});
}

TEST_F(SkinControllerTest, AnImportSkinAsksWithTheTimerStoppedUnlessToldNotTo) {
  dir.write(QStringLiteral("import.skin"),
            "Kavoro Skin,Import\r\n20,10,20,10,20,10\r\n*,imports/\r\n"
            "Pictures|*.bmp,pic.bmp\r\n0,0,1,2,3,0,0,0\r\nW0,20,10\r\nW1,20,10\r\nU\r\nE\r\n");
  controller.loadSkin(QStringLiteral("import.skin"), false);
  EXPECT_EQ(log, (QStringList{"stop", "ask Pictures|*.bmp pic.bmp", "start"}));
  EXPECT_EQ(settings.SkinImport, dir.path() + QStringLiteral("chosen/"));
  EXPECT_EQ(window.size(), QSize(20, 10));
  log.clear();
  settings.SkinImport = QStringLiteral("/kept/");
  controller.loadSkin(QStringLiteral("import.skin"), true);
  EXPECT_EQ(log, (QStringList{"stop", "start"}));
  EXPECT_EQ(settings.SkinImport, QStringLiteral("/kept/"));
}

TEST_F(SkinControllerTest, DoubleSizeDoublesTheSkinShownAndEveryLaterOneWhenItFits) {
  dir.write(QStringLiteral("tiny.skin"),
            "Kavoro Skin,Tiny\r\n120,60,120,40,60,20\r\nmain.bmp,main.bmp\r\n"
            "0,0,10,20,30,0,0,0\r\nB7,5,5,20,10,0,0,q,Seven\r\nE\r\n");
  controller.loadSkin(QStringLiteral("tiny.skin"), false);
  window.toggleSmall();
  controller.setDoubleSize(true);
  EXPECT_EQ(controller.appliedScale(), 2);
  EXPECT_EQ(window.size(), QSize(120, 40));  // still the small size, doubled
  window.toggleSmall();
  EXPECT_EQ(window.size(), QSize(240, 120));
  EXPECT_EQ(window.button(7)->geometry(), QRect(10, 10, 40, 20));
  EXPECT_EQ(window.keyMap()[7], QLatin1Char('q'));
  // A skin without its own pictures keeps the ones shown, doubled once only.
  dir.write(QStringLiteral("faceless.skin"),
            "Kavoro Skin,Faceless\r\n100,50,100,40,60,20\r\nnone.bmp,none.bmp\r\nE\r\n");
  controller.loadSkin(QStringLiteral("faceless.skin"), false);
  EXPECT_EQ(window.size(), QSize(200, 100));
  EXPECT_EQ(window.windowBitmap().size(), QSize(240, 120));
  controller.setDoubleSize(false);
  EXPECT_EQ(window.size(), QSize(100, 50));
  EXPECT_EQ(window.windowBitmap().size(), QSize(120, 60));

  // On a work area the doubled skin would not fit, it stays at its size.
  window.setScreenOverride(QRect(0, 0, 190, 400), TwipScale{15, 15});
  controller.setDoubleSize(true);
  EXPECT_EQ(controller.appliedScale(), 1);
  EXPECT_EQ(window.size(), QSize(100, 50));
}

}  // namespace
}  // namespace kd
