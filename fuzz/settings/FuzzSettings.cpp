// Settings file bytes from anywhere: reading never crashes or hangs, the
// settings read are written back and read again the same, a second write
// changes no byte, and a value the program sets reads back exactly as set.
#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "core/IniStore.h"
#include "core/Settings.h"
#include "core/SettingsTable.h"

using namespace kd;

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

const QString kSection = QStringLiteral("config");

struct Stored {
  Settings settings;
  int16_t lastTrack = 0;
  QString lastCover;
};

Stored ReadAll(IniStore& store, int32_t leftTwips, int32_t topTwips) {
  Stored stored;
  ReadSettings(store, stored.settings, leftTwips, topTwips);
  stored.lastTrack = ReadLastTrack(store);
  stored.lastCover = ReadLastCover(store);
  return stored;
}

// Everything shut-down writes, in its order.
void WriteAll(IniStore& store, const Stored& stored) {
  WriteShutdownSettings(store, stored.settings);
  WriteWindowPosition(store, stored.settings.X, stored.settings.Y);
  WriteLastRun(store, stored.lastCover, stored.lastTrack);
}

bool SameSettings(const Stored& a, const Stored& b) {
  for (const SettingKey* key : ShutdownWriteOrder()) {
    if (FormatSetting(*key, a.settings) != FormatSetting(*key, b.settings)) return false;
  }
  return a.settings.Path == b.settings.Path && a.settings.Codepage == b.settings.Codepage &&
         a.lastTrack == b.lastTrack && a.lastCover == b.lastCover;
}

// The program sets the skin to `value`: a value with a line break is refused
// and leaves every byte alone; any other reads back as set, before and
// after a save.
void CheckSetValue(IniStore store, const QString& value) {
  const QByteArray before = store.toBytes();
  if (!store.setValue(kSection, u"Skin", value)) {
    Check(value.contains(QLatin1Char('\n')) || value.contains(QLatin1Char('\r')));
    Check(store.toBytes() == before);
    return;
  }
  Check(store.value(kSection, u"Skin") == value);
  const IniStore saved = IniStore::fromBytes(store.toBytes());
  Check(saved.value(kSection, u"Skin") == value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  IniStore store = IniStore::fromBytes(bytes);
  const Stored first = ReadAll(store, 1440, 2880);
  WriteAll(store, first);
  const QByteArray written = store.toBytes();

  IniStore again = IniStore::fromBytes(written);
  const Stored second = ReadAll(again, 0, 0);
  Check(SameSettings(first, second));
  WriteAll(again, second);
  Check(again.toBytes() == written);

  // The input's last bytes, as the program would hold them, as a new value.
  CheckSetValue(IniStore::fromBytes(bytes), QString::fromUtf8(bytes.right(48)));
  return 0;
}
