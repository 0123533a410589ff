// The program's engine comes from the module in the module folder, loaded by
// the first item: it plays through the module with the output levels the
// device sets; a missing or foreign module gives no item and one message.

#include "playback/EngineModule.h"
#include "playback/LoadedMediaEngine.h"
#include "playback/OutputDevice.h"
#include "playback_gst/EngineTestSupport.h"
#include "support/TempDir.h"
#include "util/AppPaths.h"

#include <dlfcn.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QStringList>
#include <cmath>
#include <cstring>

namespace kd {
namespace {

using test::MediaFile;
using test::WaitUntil;

QStringList& Messages() {
  static QStringList messages;
  return messages;
}

void RecordMessage(QtMsgType, const QMessageLogContext&, const QString& text) {
  Messages() << text;
}

bool IsLoaded(const QString& path) {
  void* handle = dlopen(QFile::encodeName(path).constData(), RTLD_LAZY | RTLD_NOLOAD);
  if (handle) dlclose(handle);
  return handle != nullptr;
}

// The loudest sample of each channel of interleaved float stereo.
std::pair<float, float> Peaks(const QByteArray& samples) {
  float peaks[2] = {0.0f, 0.0f};
  for (qsizetype i = 0; i + 4 <= samples.size(); i += 4) {
    float sample = 0.0f;
    std::memcpy(&sample, samples.constData() + i, 4);
    float& peak = peaks[(i / 4) % 2];
    peak = std::max(peak, std::abs(sample));
  }
  return {peaks[0], peaks[1]};
}

class LoadedEngineTest : public ::testing::Test {
 protected:
  ~LoadedEngineTest() override {
    SetModuleFolderOverride(QString());
    qInstallMessageHandler(nullptr);
  }
  test::TempDir m_dir;
};

TEST_F(LoadedEngineTest, TheFirstItemLoadsTheModuleWhichPlaysWithTheDevicesLevels) {
  SetModuleFolderOverride(QStringLiteral(KD_ENGINE_MODULE_DIR));
  const QString module = ModuleFolder() + QLatin1String(kEngineModuleFileName);
  const QString out = m_dir.path() + "out.raw";
  test::ScopedEnv sink("KAVORODECK_AUDIO_SINK",
                       QStringLiteral("audioconvert ! audio/x-raw,format=F32LE,"
                                      "layout=interleaved,channels=2 ! filesink location=\"%1\"")
                           .arg(out)
                           .toUtf8());
  OutputDevice device;
  LoadedMediaEngine engine(&device);
  EXPECT_FALSE(IsLoaded(module));

  std::unique_ptr<MediaItem> item = engine.createItem();
  ASSERT_NE(item, nullptr);
  EXPECT_TRUE(IsLoaded(module));
  // Set after the module's engine was made: it follows the device's signal.
  device.setLevels(0, 0xFFFF);
  ASSERT_TRUE(item->renderFile(MediaFile("short.wav")));
  EXPECT_NEAR(item->duration(), 1.0, 0.1);
  item->run();
  EXPECT_TRUE(WaitUntil([&] { return item->hasEnded(); }));
  EXPECT_FALSE(item->wasRefused());
  item.reset();  // closes the file

  const auto [left, right] = Peaks(test::TempDir::read(out));
  EXPECT_EQ(left, 0.0f);
  EXPECT_GT(right, 0.1f);
}

TEST_F(LoadedEngineTest, AMissingOrForeignModuleGivesNoItemAndOneMessage) {
  for (const bool foreign : {false, true}) {
    SCOPED_TRACE(foreign ? "foreign" : "missing");
    const test::TempDir folder;
    if (foreign) folder.write(QLatin1String(kEngineModuleFileName), "not a shared object");
    SetModuleFolderOverride(folder.path());
    Messages().clear();
    qInstallMessageHandler(RecordMessage);

    LoadedMediaEngine engine;
    EXPECT_EQ(engine.createItem(), nullptr);
    EXPECT_EQ(engine.createItem(), nullptr);
    qInstallMessageHandler(nullptr);
    ASSERT_EQ(Messages().size(), 1);
    EXPECT_THAT(Messages().constFirst().toStdString(), ::testing::HasSubstr(kEngineModuleFileName));
  }
}

}  // namespace
}  // namespace kd
