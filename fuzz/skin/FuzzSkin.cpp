// Arbitrary bytes as a skin file: the field reader, every record kind, the
// import canvases, shapes and the display layout must neither crash nor hang
// nor allocate without bound. No file is ever found; the window's current
// pictures are small fixed ones so colour keys and knobs have work to do.
#include <QByteArray>
#include <QImage>
#include <cstddef>
#include <cstdint>

#include "skin/DisplayText.h"
#include "skin/SkinLoader.h"

namespace {

kd::SkinLoadEnvironment MakeEnvironment() {
  kd::SkinLoadEnvironment env;
  env.screenWidth = 1024;
  env.programFolders = {QStringLiteral("/nonexistent/program/")};
  env.findFile = [](const QString&) { return QString(); };
  env.loadImage = [](const QString&) { return QImage(); };
  env.askImportFile = [](const QString&, const QString&, const QString&) { return QString(); };
  QImage picture(32, 24, QImage::Format_RGB32);
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x)
      picture.setPixel(x, y, qRgb(x * 8, y * 10, (x ^ y) & 1));
  }
  env.currentMainBitmap = picture;
  env.currentResourceBitmap = picture;
  // Small bounds keep every input quick; the logic is the same at any size.
  // Under the fuzzer's instrumentation a pixel costs some nanoseconds, so the
  // budgets, not the parsing, set the pace of the slowest inputs.
  env.limits.maxCanvasSide = 64;
  env.limits.pixelBudget = 1 << 16;
  env.limits.outlineBudget = 1 << 14;
  return env;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const kd::SkinLoader loader(MakeEnvironment());
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const kd::SkinDocument doc = loader.loadSkinText(bytes, QStringLiteral("/fuzz/input.skin"));

  // Lay out every display the input defined with a text of every kind of cell.
  static const QString kSample = QStringLiteral("09:5.7 ABC@#\"?*中");
  for (const auto& display : doc.displays) {
    if (!display) continue;
    const kd::DisplayText text = kd::DisplayValueText(display->def.Format, 754.5);
    kd::LayoutCells(display->def, text.text, text.zeroFlag);
    kd::LayoutCells(display->def, kSample, 0);
  }
  return 0;
}
