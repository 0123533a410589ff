#pragma once
// The user's settings as the running program holds them: one field per key
// of the settings file, named after the key. A new Settings holds every key's
// default, the value a missing key reads as unless SettingsTable.h says
// otherwise; the table says how each field is read and written.

#include <QString>
#include <cstdint>

#include "util/TextCodec.h"

namespace kd {

struct Settings {
  QString Path;  // folder last used in a file dialog, with trailing "/"
  int16_t WinOnTop = 0;
  int16_t WinSnap = 0;
  int16_t WinSavePos = 0;
  int16_t Auto = 0;
  int16_t Snooze = 0;
  int16_t SnoozeMode = 0;
  QString SnoozeTime = QStringLiteral("23:59");
  int16_t SnoozeHide = 0;
  int16_t ExitMode = 0;
  int16_t StartMd = 0;
  int16_t StartMin = 0;
  int16_t StartMute = 0;
  QString StartFile;
  QString Skin;
  QString SkinPath;
  QString SkinImport;
  int16_t TimeFmt = 0;
  QString VisPLPath;
  int16_t ClearPLFirst = 0;
  int16_t AutoPlay = 0;
  QString ValidExt = QStringLiteral("mp2 mp3 mpa wav mid rmi");
  int16_t PBOverlap = 0;
  int16_t ScrollName = 0;
  int16_t UseTagCover = 0;
  int16_t FriendlyNames = 1;
  int32_t X = 0;  // twips
  int32_t Y = 0;  // twips
  int16_t LastTrack = 0;
  QString LastCover;
  QString Codepage;        // iconv name of the legacy code page; "" = GB18030
  int16_t DoubleSize = 0;  // 1: skins are shown at twice their size
  QString OutputLevels;    // "left,right", each 0..65535; "" = full scale

  bool friendlyNamesOn() const { return FriendlyNames > 0; }
  // The code page the Codepage key names when iconv knows it, else the default;
  // the user's text stays as written.
  QByteArray legacyCodepage() const { return UsableCodepage(Codepage.trimmed().toLatin1()); }
};

}  // namespace kd
