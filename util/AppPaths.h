#pragma once
// Where kavorodeck keeps its files.
//   settings:       $XDG_CONFIG_HOME/kavorodeck/kavorodeck.ini
//   written data:   $XDG_DATA_HOME/kavorodeck/ (playlist.m3u, autolist.txt)
//   program folder: <dir of the executable>/../share/kavorodeck, then each
//                   $XDG_DATA_DIRS entry + /kavorodeck (default skin, nocover.bmp),
//                   then the files built into the executable
//   module folder:  <dir of the executable>/../lib/kavorodeck (the media engine)

#include <QString>
#include <QStringList>

namespace kd {

QString SettingsFilePath();
// The folder for files the program writes, with a trailing "/". Asking never
// creates it; whoever writes there first makes it.
QString DataFolder();
// Every candidate program folder, best first, each with a trailing "/".
QStringList ProgramFolders();
// The first program folder (where the program's own files are looked for first).
QString ProgramFolder();
// The path of a file of the program folders (first existing one, names
// compared without regard to case), or "" when none has it.
QString FindProgramFile(const QString& name);

// The folder of the program's loadable modules, with a trailing "/".
QString ModuleFolder();

// Overrides for tests and tools; an empty text removes the override.
void SetProgramFolderOverride(const QString& folder);
void SetModuleFolderOverride(const QString& folder);
// The folder of the files built into the executable, the last program folder
// (see BuiltInFiles.h); an empty text removes it.
void SetBuiltInFolder(const QString& folder);

}  // namespace kd
