#include "core/SettingsTable.h"

#include <array>
#include <type_traits>

#include "util/Numbers.h"
#include "util/TextCodec.h"
#include "util/TextForms.h"

namespace kd {

namespace {

using S = Settings;
using D = SettingDefault;
using F = WriteForm;
using R = ReadStep;
using W = WriteStep;

// clang-format off
constexpr std::array<SettingKey, 33> kKeys{{
    // read name       written as        field              default kind    form         read         write
    {"Codepage",      "Codepage",      &S::Codepage,      D::Fixed,        F::Text,     R::First,    W::Never},
    {"Path",          "Path",          &S::Path,          D::Fixed,        F::Text,     R::Startup,  W::AtOnce},
    {"WinOnTop",      "WinOnTop",      &S::WinOnTop,      D::Fixed,        F::BlankLed, R::Startup,  W::Shutdown},
    {"WinSnap",       "WinSnap",       &S::WinSnap,       D::Fixed,        F::BlankLed, R::Startup,  W::Shutdown},
    {"WinSavePos",    "WinSavePos",    &S::WinSavePos,    D::Fixed,        F::BlankLed, R::Startup,  W::Shutdown},
    {"Auto",          "Auto",          &S::Auto,          D::Fixed,        F::BlankLed, R::Startup,  W::Shutdown},
    {"Snooze",        "Snooze",        &S::Snooze,        D::Fixed,        F::BlankLed, R::Startup,  W::Shutdown},
    {"SnoozeMode",    "SnoozeMode",    &S::SnoozeMode,    D::Fixed,        F::BlankLed, R::Startup,  W::Shutdown},
    {"SnoozeTime",    "SnoozeTime",    &S::SnoozeTime,    D::Fixed,        F::Text,     R::Startup,  W::Shutdown},
    {"SnoozeHide",    "SnoozeHide",    &S::SnoozeHide,    D::Fixed,        F::BlankLed, R::Startup,  W::Shutdown},
    {"ExitMode",      "ExitMode",      &S::ExitMode,      D::Fixed,        F::BlankLed, R::Startup,  W::Shutdown},
    {"StartMd",       "StartMd",       &S::StartMd,       D::Fixed,        F::BlankLed, R::Startup,  W::Shutdown},
    {"StartMin",      "StartMin",      &S::StartMin,      D::Fixed,        F::BlankLed, R::Startup,  W::Shutdown},
    {"StartMute",     "StartMute",     &S::StartMute,     D::Fixed,        F::BlankLed, R::Startup,  W::Shutdown},
    {"StartFile",     "StartFile",     &S::StartFile,     D::Fixed,        F::Text,     R::Startup,  W::Shutdown},
    {"Skin",          "Skin",          &S::Skin,          D::Fixed,        F::Text,     R::Startup,  W::Shutdown},
    {"SkinPath",      "SkinPath",      &S::SkinPath,      D::Fixed,        F::Text,     R::Startup,  W::Shutdown},
    {"SkinImport",    "SkinImport",    &S::SkinImport,    D::Fixed,        F::Text,     R::Startup,  W::Shutdown},
    {"TimeFmt",       "TimeFmt",       &S::TimeFmt,       D::Fixed,        F::BlankLed, R::Startup,  W::Shutdown},
    {"VisPLPath",     "VisPLPath",     &S::VisPLPath,     D::Fixed,        F::Text,     R::Startup,  W::Shutdown},
    {"ClearPLFirst",  "ClearPlFirst",  &S::ClearPLFirst,  D::Fixed,        F::Plain,    R::Startup,  W::Shutdown},
    {"AutoPlay",      "AutoPlay",      &S::AutoPlay,      D::Fixed,        F::Plain,    R::Startup,  W::Shutdown},
    {"ValidExt",      "ValidExt",      &S::ValidExt,      D::Fixed,        F::Text,     R::Startup,  W::Shutdown},
    {"PBOverlap",     "PBOverlap",     &S::PBOverlap,     D::CurrentValue, F::Plain,    R::Startup,  W::Shutdown},
    {"ScrollName",    "ScrollName",    &S::ScrollName,    D::Fixed,        F::Plain,    R::Startup,  W::Shutdown},
    {"UseTagCover",   "UseTagCover",   &S::UseTagCover,   D::Fixed,        F::Plain,    R::Startup,  W::Shutdown},
    {"FriendlyNames", "FriendlyNames", &S::FriendlyNames, D::Fixed,        F::Plain,    R::Startup,  W::Shutdown},
    {"DoubleSize",    "DoubleSize",    &S::DoubleSize,    D::Fixed,        F::Plain,    R::Startup,  W::Shutdown},
    {"OutputLevels",  "OutputLevels",  &S::OutputLevels,  D::Fixed,        F::Text,     R::Startup,  W::Shutdown},
    {"X",             "X",             &S::X,             D::WindowLeft,   F::Position, R::Position, W::Position},
    {"Y",             "Y",             &S::Y,             D::WindowTop,    F::Position, R::Position, W::Position},
    {"LastTrack",     "LastTrack",     &S::LastTrack,     D::Fixed,        F::BlankLed, R::LastRun,  W::LastRun},
    {"LastCover",     "LastCover",     &S::LastCover,     D::Fixed,        F::Text,     R::LastRun,  W::LastRun},
}};

// Shut-down writes in this order: the skin first, then the others as they
// are read (our own DoubleSize and OutputLevels after the rest), then the
// window position and the last run's facts.
constexpr std::array<std::string_view, 31> kWriteOrder{
    "Skin",        "SkinPath",   "SkinImport",  "WinOnTop",      "WinSnap",    "WinSavePos",
    "Auto",        "Snooze",     "SnoozeMode",  "SnoozeTime",    "SnoozeHide", "ExitMode",
    "StartMd",     "StartMin",   "StartMute",   "StartFile",     "TimeFmt",    "VisPLPath",
    "ClearPlFirst", "AutoPlay",  "ValidExt",    "PBOverlap",     "ScrollName", "UseTagCover",
    "FriendlyNames", "DoubleSize", "OutputLevels", "X",         "Y",          "LastCover",
    "LastTrack"};
// clang-format on

constexpr char LowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr bool SameKeyName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

constexpr size_t IndexOfWriteName(std::string_view name) {
  for (size_t i = 0; i < kKeys.size(); ++i) {
    if (kKeys[i].writeName == name) return i;
  }
  return kKeys.size();
}

constexpr bool WrittenAtShutdown(WriteStep step) {
  return step == W::Shutdown || step == W::Position || step == W::LastRun;
}

// Text keys are written as text and numbers in a number form; both spellings
// of a key name the same key; no two keys share a name.
constexpr bool TableIsConsistent() {
  for (size_t i = 0; i < kKeys.size(); ++i) {
    const SettingKey& key = kKeys[i];
    const bool isText = std::holds_alternative<QString Settings::*>(key.field);
    if (isText != (key.form == F::Text)) return false;
    if (!SameKeyName(key.readName, key.writeName)) return false;
    for (size_t j = i + 1; j < kKeys.size(); ++j) {
      if (SameKeyName(key.readName, kKeys[j].readName)) return false;
    }
  }
  return true;
}

// Every key written at shut-down stands once in the write order, the steps
// in the order shut-down runs them.
constexpr bool WriteOrderIsComplete() {
  size_t written = 0;
  for (const SettingKey& key : kKeys) written += WrittenAtShutdown(key.writeStep) ? 1 : 0;
  if (written != kWriteOrder.size()) return false;
  WriteStep previous = W::Shutdown;
  for (size_t i = 0; i < kWriteOrder.size(); ++i) {
    const size_t k = IndexOfWriteName(kWriteOrder[i]);
    if (k == kKeys.size() || !WrittenAtShutdown(kKeys[k].writeStep)) return false;
    if (kKeys[k].writeStep < previous) return false;
    previous = kKeys[k].writeStep;
    for (size_t j = i + 1; j < kWriteOrder.size(); ++j) {
      if (kWriteOrder[i] == kWriteOrder[j]) return false;
    }
  }
  return true;
}

static_assert(TableIsConsistent());
static_assert(WriteOrderIsComplete());

QString Name(std::string_view name) {
  return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// Literal data, never destroyed: the settings may be written while the
// process ends (see the exit hook in app/).
QString Section() {
  return QStringLiteral("config");
}

struct WindowPosition {
  int32_t left = 0;
  int32_t top = 0;
};

template <typename T>
constexpr bool kIsText = std::is_same_v<T, QString>;

// What a missing key reads as: the value a new Settings holds, but for the
// current value and the window position where the table says so.
template <typename T>
T DefaultValue(const SettingKey& key, T Settings::*field, const T& current,
               const WindowPosition& window) {
  if constexpr (!kIsText<T>) {
    switch (key.defaultKind) {
      case D::CurrentValue:
        return current;
      case D::WindowLeft:
        return static_cast<T>(window.left);
      case D::WindowTop:
        return static_cast<T>(window.top);
      case D::Fixed:
        break;
    }
  }
  static const Settings defaults;
  return defaults.*field;
}

void ReadKey(const IniStore& store, const SettingKey& key, Settings& settings,
             const WindowPosition& window) {
  const std::optional<QString> stored = store.value(Section(), Name(key.readName));
  std::visit(
      [&](auto field) {
        auto& target = settings.*field;
        using T = std::remove_reference_t<decltype(target)>;
        if (!stored) {
          target = DefaultValue(key, field, target, window);
        } else if constexpr (kIsText<T>) {
          target = *stored;
        } else {
          // Lenient, halves to even, and clamped when the value does not fit.
          target =
              static_cast<T>(std::is_same_v<T, int16_t> ? readInt16(*stored) : readInt32(*stored));
        }
      },
      key.field);
}

void ReadStepKeys(const IniStore& store, ReadStep step, Settings& settings,
                  const WindowPosition& window) {
  for (const SettingKey& key : kKeys) {
    if (key.readStep == step) ReadKey(store, key, settings, window);
  }
}

void WriteStepKeys(IniStore& store, WriteStep step, const Settings& settings) {
  for (const SettingKey* key : ShutdownWriteOrder()) {
    if (key->writeStep == step)
      store.setValue(Section(), Name(key->writeName), FormatSetting(*key, settings));
  }
}

}  // namespace

std::span<const SettingKey* const> ShutdownWriteOrder() {
  static const std::array<const SettingKey*, kWriteOrder.size()> order = [] {
    std::array<const SettingKey*, kWriteOrder.size()> keys{};
    for (size_t i = 0; i < kWriteOrder.size(); ++i)
      keys[i] = &kKeys[IndexOfWriteName(kWriteOrder[i])];
    return keys;
  }();
  return order;
}

QString FormatSetting(const SettingKey& key, const Settings& settings) {
  return std::visit(
      [&](auto field) -> QString {
        const auto& value = settings.*field;
        using T = std::remove_cvref_t<decltype(value)>;
        if constexpr (kIsText<T>) {
          return value;
        } else {
          return key.form == F::BlankLed ? BlankLed(value) : PlainNumber(value);
        }
      },
      key.field);
}

void ReadSettings(IniStore& store, Settings& settings, int32_t currentLeftTwips,
                  int32_t currentTopTwips) {
  const WindowPosition window{currentLeftTwips, currentTopTwips};
  ReadStepKeys(store, R::First, settings, window);
  // An unknown name restores the default code page; the user's text stays as written.
  store.setValueCodepage(settings.legacyCodepage());
  ReadStepKeys(store, R::Startup, settings, window);
  ReadStepKeys(store, R::Position, settings, window);
}

int16_t ReadLastTrack(const IniStore& store) {
  Settings settings;
  ReadStepKeys(store, R::LastRun, settings, {});
  return settings.LastTrack;
}

QString ReadLastCover(const IniStore& store) {
  Settings settings;
  ReadStepKeys(store, R::LastRun, settings, {});
  return settings.LastCover;
}

void WriteShutdownSettings(IniStore& store, const Settings& settings) {
  WriteStepKeys(store, W::Shutdown, settings);
}

void WriteWindowPosition(IniStore& store, int32_t xTwips, int32_t yTwips) {
  Settings settings;
  settings.X = xTwips;
  settings.Y = yTwips;
  WriteStepKeys(store, W::Position, settings);
}

void WriteLastRun(IniStore& store, const QString& lastCover, int16_t lastTrack) {
  Settings settings;
  settings.LastCover = lastCover;
  settings.LastTrack = lastTrack;
  WriteStepKeys(store, W::LastRun, settings);
}

bool WritePathSetting(IniStore& store, Settings& settings, const QString& folder) {
  settings.Path = folder;
  for (const SettingKey& key : kKeys) {
    if (key.writeStep == W::AtOnce)
      store.setValue(Section(), Name(key.writeName), FormatSetting(key, settings));
  }
  return store.save();
}

}  // namespace kd
