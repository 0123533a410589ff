#pragma once
// Loading a skin into the running window: stops the position timer, runs the
// skin loader with the program's settings, screen and folders, applies the
// result to the window, shows the loader's messages in order, stores the new
// Skin and SkinImport values and lets the timer run again. A skin that cannot
// be found or has a wrong header only shows its message and changes nothing
// else (but the folder it was looked for in is remembered). At start-up the
// window has no face yet: there a skin that fails to give it one is followed
// by the program's default skin.

#include <QString>
#include <functional>
#include <optional>

#include "skin/SkinDocument.h"
#include "skin/SkinEnvironment.h"

namespace kd {

class Dialogs;
class MessageSink;
class SkinWindow;
struct Settings;

class SkinController {
 public:
  // (filter in the skin's "description|pattern" form, default file name,
  // initial folder) -> the chosen path, or "" when cancelled.
  using ImportDialog = std::function<QString(const QString&, const QString&, const QString&)>;

  struct Hooks {
    std::function<void()> stopTimer;   // the position timer
    std::function<void()> startTimer;  // runs it again after a load
    ImportDialog askImportFile;        // without one, an import skin counts as cancelled
  };

  SkinController(SkinWindow& window, Settings& settings, MessageSink& messages);

  void setHooks(Hooks hooks) { m_hooks = std::move(hooks); }
  // The program folders, file access and limits of every load; by default
  // SkinLoadEnvironment::forProgram(). A screen width of 0 takes the width
  // of the window's screen.
  void setEnvironment(SkinLoadEnvironment base) { m_base = std::move(base); }

  // Loads skin `name` (a file name, a path, or a name ending in "*"). A true
  // `importFlag` reuses the stored import folder instead of asking.
  SkinLoadOutcome loadSkin(const QString& name, bool importFlag);

  // The start-up load of the configured skin `name` (reusing the stored
  // import folder). When it leaves the window without a main picture (not
  // found, a wrong header, a missing main bitmap), its messages show as
  // usual and then "default.skin" of the program folders is loaded in its
  // place, which makes it the Skin setting. Returns the outcome of the load
  // that stays.
  SkinLoadOutcome loadStartSkin(const QString& name);

  // "Double size": every skin is shown at twice its size, the skin applied
  // now at once (without reading it again) and every later one as it loads.
  // The doubling is left out while the doubled normal size would not fit the
  // screen's work area, or the skin is too large to double.
  void setDoubleSize(bool on);
  bool doubleSize() const { return m_doubleSize; }
  // The factor the window's skin is shown at now (1 or 2).
  int appliedScale() const { return m_appliedScale; }

  // The folder of the skin loaded last ("" before the first).
  const QString& lastSkinFolder() const { return m_lastSkinFolder; }

  // The import dialog as the program's dialogs show it: title "Import Skin",
  // the skin's filter and default file name, the import folder.
  static ImportDialog importDialogOf(Dialogs& dialogs);

 private:
  int screenWidth() const;
  // Loads, applies and reports skin `name`; the loader's document.
  SkinDocument loadAndApply(const QString& name, bool importFlag);
  // Shows m_unscaled at the scale asked for, keeping the size toggles.
  void applyScaled(bool keepSizeToggles);
  int wantedScale() const;
  // The default skin of the program folders, or "" when none has it.
  QString defaultSkinFile() const;

  SkinWindow& m_window;
  Settings& m_settings;
  MessageSink& m_messages;
  Hooks m_hooks;
  SkinLoadEnvironment m_base;
  QString m_lastSkinFolder;
  bool m_doubleSize = false;
  int m_appliedScale = 1;
  // The skin applied last as it was read (its pictures are those the next
  // load keeps when it brings none); nullopt before the first.
  std::optional<SkinDocument> m_unscaled;
};

}  // namespace kd
