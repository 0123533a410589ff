// Loading skins into the window through the real loader: the timer hooks,
// the order of the messages, the settings written, and loads that fail.

#include <gtest/gtest.h>

#include <QImage>

#include "WindowTestSupport.h"
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
    SkinLoadEnvironment env = SkinLoadEnvironment::ForProgram();
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
  void ShowMessage(const QString& text) override { log << QStringLiteral("message: ") + text; }

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
  EXPECT_EQ(controller.LoadSkin(QStringLiteral("tiny.skin"), false), SkinLoadOutcome::Loaded);
  EXPECT_EQ(log,
            (QStringList{
                "stop", "message: Resource bitmap not found: " + dir.path() + "missing-res.bmp",
                "message: 界面文件读取错误!\n此界面文件包涵系统不该涵有的原素!:\n L51", "start"}));
  EXPECT_EQ(window.size(), QSize(120, 60));
  EXPECT_TRUE(window.button(7)->isVisibleTo(&window));
  EXPECT_EQ(window.KeyMap()[7], QLatin1Char('q'));
  EXPECT_EQ(window.backBuffer().pixel(100, 50), qRgb(40, 50, 60));
  EXPECT_EQ(settings.Skin, dir.path() + QStringLiteral("tiny.skin"));
  EXPECT_EQ(controller.lastSkinFolder(), dir.path());
}

TEST_F(SkinControllerTest, AFailedLoadOnlyShowsItsMessageAndRemembersTheFolder) {
  settings.Skin = QStringLiteral("/old.skin");
  EXPECT_EQ(controller.LoadSkin(QStringLiteral("nothere.skin"), true), SkinLoadOutcome::NotFound);
  EXPECT_EQ(log,
            QStringList{"message: Skin not found!\nSkinName=nothere.skin\nSkinPath=" + dir.path()});
  const QString folder = dir.mkdir(QStringLiteral("other"));
  dir.write(QStringLiteral("other/bad.skin"), "Kavoro skin,wrong case\r\n");
  EXPECT_EQ(controller.LoadSkin(folder + QStringLiteral("bad.skin"), false),
            SkinLoadOutcome::InvalidHeader);
  EXPECT_EQ(log.last(), QStringLiteral("message: Invalid Skin!"));
  EXPECT_EQ(controller.lastSkinFolder(), folder);
  EXPECT_EQ(settings.Skin, QStringLiteral("/old.skin"));
}

TEST_F(SkinControllerTest, AnImportSkinAsksWithTheTimerStoppedUnlessToldNotTo) {
  dir.write(QStringLiteral("import.skin"),
            "Kavoro Skin,Import\r\n20,10,20,10,20,10\r\n*,imports/\r\n"
            "Pictures|*.bmp,pic.bmp\r\n0,0,1,2,3,0,0,0\r\nW0,20,10\r\nW1,20,10\r\nU\r\nE\r\n");
  controller.LoadSkin(QStringLiteral("import.skin"), false);
  EXPECT_EQ(log, (QStringList{"stop", "ask Pictures|*.bmp pic.bmp", "start"}));
  EXPECT_EQ(settings.SkinImport, dir.path() + QStringLiteral("chosen/"));
  EXPECT_EQ(window.size(), QSize(20, 10));
  log.clear();
  settings.SkinImport = QStringLiteral("/kept/");
  controller.LoadSkin(QStringLiteral("import.skin"), true);
  EXPECT_EQ(log, (QStringList{"stop", "start"}));
  EXPECT_EQ(settings.SkinImport, QStringLiteral("/kept/"));
}

}  // namespace
}  // namespace kd
