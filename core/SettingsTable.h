#pragma once
// Every key of the settings file in one table: how it is named when read and
// when written, its type, where its default comes from, the text form it is
// written in, the Settings field it belongs to, and when it is read and
// written. The functions below move values between an IniStore and a
// Settings by that table; the order of the table is the order in which
// start-up reads.

#include <QString>
#include <cstdint>
#include <span>
#include <string_view>
#include <variant>

#include "core/IniStore.h"
#include "core/Settings.h"

namespace kd {

// The settings file's only section.
inline constexpr std::string_view kSettingsSection = "config";

// The Settings field of a key; the alternative held is the key's type
// (text, 16-bit integer, 32-bit integer).
using SettingField = std::variant<QString Settings::*, int16_t Settings::*, int32_t Settings::*>;

enum class SettingDefault {
  Fixed,         // the value a new Settings holds
  CurrentValue,  // the field's value at the moment of reading
  WindowLeft,    // the window's left edge when read, twips
  WindowTop,     // the window's top edge when read, twips
};

enum class WriteForm {
  Text,      // verbatim
  BlankLed,  // " 1", " 0", "-3"
  Plain,     // "1", "-3"
  Position,  // a coordinate in twips, "4320"
};

enum class ReadStep {
  First,     // before the others: decides how the other stored texts are decoded
  Startup,   // with the rest of the settings at start-up
  Position,  // X and Y, right after the settings
  LastRun,   // only when the last run is restored
};

enum class WriteStep {
  Never,     // read only: kept in the file as the user wrote it
  AtOnce,    // written during the run as soon as it changes
  Shutdown,  // with the settings at shut-down
  Position,  // at shut-down, only when the window position is to be kept
  LastRun,   // at shut-down, after the on/off list
};

struct SettingKey {
  std::string_view readName;
  std::string_view writeName;
  SettingField field;
  SettingDefault defaultKind;
  WriteForm form;
  ReadStep readStep;
  WriteStep writeStep;
};

// The keys written at shut-down (steps Shutdown, Position, LastRun), in the
// order they are written.
std::span<const SettingKey* const> ShutdownWriteOrder();

// The text a key is written as, from the field's value in `settings`.
QString FormatSetting(const SettingKey& key, const Settings& settings);

// Reads every start-up key in order into `settings`, then X and Y (missing
// ones default to the given window position). The other texts are read with
// the legacy code page the Codepage key names. LastTrack and LastCover are
// left alone.
void ReadSettings(IniStore& store, Settings& settings, int32_t currentLeftTwips,
                  int32_t currentTopTwips);
// Read only when the last run is restored.
int16_t ReadLastTrack(const IniStore& store);
QString ReadLastCover(const IniStore& store);

// Skin ... FriendlyNames, then DoubleSize and OutputLevels, in order and in their text forms.
void WriteShutdownSettings(IniStore& store, const Settings& settings);
// X and Y; the caller writes them only when WinSavePos is 1.
void WriteWindowPosition(IniStore& store, int32_t xTwips, int32_t yTwips);
// LastCover, then LastTrack.
void WriteLastRun(IniStore& store, const QString& lastCover, int16_t lastTrack);
// A file dialog's folder: kept in `settings` and written to the file at once.
// Returns false when the file could not be written (the value is kept in
// memory all the same).
bool WritePathSetting(IniStore& store, Settings& settings, const QString& folder);

}  // namespace kd
