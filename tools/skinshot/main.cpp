// kd_skinshot: loads a skin into the skinned main window and writes a PNG of
// the window in each of the skin's three sizes, with sample values in every
// display and label, the lights of a playing player and a cover picture.
//
//   kd_skinshot [--skin FILE.skin] [--out FOLDER]
//
// Without --skin it takes the program's default skin. The pictures are
// FOLDER/<skin name>-size0.png, -size1.png and -size2.png.

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QPixmap>
#include <cstdio>

#include "core/Settings.h"
#include "playlist/Playlist.h"
#include "skin/widgets/SkinController.h"
#include "skin/widgets/SkinWindow.h"
#include "util/AppPaths.h"
#include "util/MessageSink.h"

namespace {

class PrintingSink : public kd::MessageSink {
 public:
  void showMessage(const QString& text) override {
    std::fprintf(stderr, "kd_skinshot: skin message: %s\n", qPrintable(text));
    ++count;
  }
  int count = 0;
};

// The program's own file `name`, or the build tree's when the tool's folder has none.
QString ProgramFile(const QString& name) {
  const QString found = kd::FindProgramFile(name);
  if (!found.isEmpty()) return found;
  const QString built = QStringLiteral(KD_BUILD_SHARE_DIR "/") + name;
  return QFileInfo::exists(built) ? built : QString();
}

const QString kTitle = QStringLiteral("Kavoro Deck - 示例曲目 Sample Track");

void ShowSamples(kd::SkinWindow& window) {
  const std::pair<int, const char*> labels[] = {
      {kd::kLabelTime, "3:25"},     {kd::kLabelTrack, "7"},
      {kd::kLabelSnooze, "23:59"},  {kd::kLabelLongDate, "Saturday, December 6, 2025"},
      {kd::kLabelDayName, "Sat"},   {kd::kLabelBitrate, "128"},
      {kd::kLabelSampleRate, "44"}, {kd::kLabelChannels, "jstereo"},
      {kd::kLabelLength, "4:05"},   {kd::kLabelPlaylistTitle, "Sample playlist"},
      {kd::kLabelEntryCount, "12"}, {kd::kLabelVolume, " 75"},
      {kd::kLabelRate, "100%"},     {kd::kLabelBalance, "Centre"},
      {kd::kLabelMedia, "Media"},
  };
  for (const auto& [index, text] : labels) window.setLabelText(index, QString::fromUtf8(text));
  window.setLabelText(kd::kLabelTitle, kTitle);

  kd::LightConditions lights;
  lights.stereo = true;
  lights.playing = true;
  lights.repeat = true;
  lights.shuffle = true;
  lights.abRepeat = true;
  window.showLights(kd::LightTable(lights));

  window.placeKnob(kd::kSliderPosition, 205.f / 245.f);
  window.placeKnob(kd::kSliderVolume, 0.75f);
  window.placeKnob(kd::kSliderBalance, 0.5f);
  window.placeKnob(kd::kSliderVolumeBar, 0.75f);
  window.placeKnob(kd::kSliderRate, 0.5f);

  const QString noCover = ProgramFile(QStringLiteral("nocover.bmp"));
  if (!noCover.isEmpty()) window.showCoverImage(QImageReader(noCover).read());
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);

  QCommandLineParser parser;
  parser.setApplicationDescription("Writes pictures of a skin on the skinned main window.");
  parser.addHelpOption();
  const QCommandLineOption skinOption("skin", "The skin file (default: the default skin).",
                                      "file.skin");
  const QCommandLineOption outOption("out", "Folder for the pictures (default: .).", "folder", ".");
  parser.addOption(skinOption);
  parser.addOption(outOption);
  parser.process(app);

  const QString skin = parser.isSet(skinOption)
                           ? QFileInfo(parser.value(skinOption)).absoluteFilePath()
                           : ProgramFile(QStringLiteral("default.skin"));
  if (skin.isEmpty()) {
    std::fputs("kd_skinshot: no default skin found; give --skin FILE.skin\n", stderr);
    return 2;
  }

  kd::SkinWindow window;
  // A screen large enough that keeping the window on it moves nothing.
  window.setScreenOverride(QRect(0, 0, 4096, 4096), kd::TwipScale{});
  kd::Settings settings;
  PrintingSink sink;
  kd::SkinController controller(window, settings, sink);
  if (controller.loadSkin(skin, true) != kd::SkinLoadOutcome::Loaded) return 1;

  kd::Playlist playlist;
  for (int n = 1; n <= 12; ++n) {
    playlist.append(
        {QStringLiteral("示例 Sample track %1").arg(n), QStringLiteral("/music/%1.mp3").arg(n)});
  }
  playlist.setSelectedIndex(6);
  window.setPlaylist(&playlist);

  // A fixed time of day, so the pictures can be compared run to run.
  window.surface().setClock([] { return QTime(21, 7, 45); });
  window.setTimeFmt(1);
  window.setDisplayRedraw([&window] {
    window.drawDisplay(kd::kDisplayTime, 205.0);
    window.drawDisplay(kd::kDisplayTrack, 7.0);
    window.drawDisplay(kd::kDisplayBitrate, 128.0);
    window.drawDisplay(kd::kDisplaySampleRate, 44.0);
    window.drawDisplay(kd::kDisplayTitle, kTitle);
  });
  ShowSamples(window);
  window.show();

  const QString outDir = QDir(parser.value(outOption)).absolutePath();
  QDir().mkpath(outDir);
  const QString base = QFileInfo(skin).completeBaseName();
  for (int size = 0; size < 3; ++size) {
    window.setSizeIndex(size);
    const QString file = QStringLiteral("%1/%2-size%3.png").arg(outDir, base).arg(size);
    // The window's outline shows as transparency around the shape.
    QPixmap shot(window.size());
    shot.fill(Qt::transparent);
    window.render(&shot, QPoint(),
                  window.mask().isEmpty() ? QRegion(window.rect()) : window.mask());
    if (!shot.save(file, "PNG")) {
      std::fprintf(stderr, "kd_skinshot: cannot write %s\n", qPrintable(file));
      return 1;
    }
    std::printf("%s\n", qPrintable(file));
  }
  return 0;
}
