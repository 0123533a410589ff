#pragma once
// The rules of the preferences dialog, apart from its widgets: what each
// control writes into the settings the moment it changes, what the running
// player does about it, and how the on/off list is edited. The dialog only
// shows these values and passes the user's changes on.

#include <QString>
#include <QStringList>

namespace kd {

class Dialogs;
struct Settings;

// The running player as the preferences dialog changes it.
class PreferencesHost {
 public:
  virtual ~PreferencesHost() = default;
  // The main window into (true) or out of the always-on-top layer.
  virtual void setWindowOnTop(bool onTop) = 0;
  // Settings the player reads while it runs changed (clock format, title
  // scrolling, window snapping, the alarm clock's settings): show them now.
  virtual void settingsChanged() = 0;
  // The sleep timer's count in minutes, shown at once; and the count now
  // (negative while a count just set waits to be shown).
  virtual void setSleepMinutes(int minutes) = 0;
  virtual int sleepCount() const = 0;
  // The alarm clock's on/off list.
  virtual QStringList onOffList() const = 0;
  virtual void setOnOffList(const QStringList& entries) = 0;
  // Lets the user choose a skin and loads it.
  virtual void selectSkin() = 0;
  // The loaded skin's information text.
  virtual QString skinInfo() const = 0;
};

// The dialog's check boxes, each the switch of one setting.
enum class PreferenceSwitch {
  OnTop,               // WinOnTop
  Snap,                // WinSnap
  SaveWindowPosition,  // WinSavePos
  Scheduler,           // Auto
  AutoPlay,            // AutoPlay
  ClearPlaylistFirst,  // ClearPLFirst
  ScrollTitle,         // ScrollName
  SleepTimer,          // Snooze
  TagCover,            // UseTagCover
  HideWhenSleeping,    // SnoozeHide
  StartMinimised,      // StartMin
  FriendlyNames,       // FriendlyNames
  Clock24,             // TimeFmt
};

class PreferencesEditor {
 public:
  // The minutes the sleep timer list offers, and the one it starts on.
  static const QStringList& sleepMinuteItems();
  static constexpr int kInitialSleepItem = 5;  // "30"
  // The day codes a new on/off entry can take, and the one the list starts on.
  static const QStringList& dayItems();
  static constexpr int kInitialDayItem = 9;  // "E - Every Day"
  // What the information page shows when its file cannot be read.
  static QString informationMissingText();

  PreferencesEditor(Settings& settings, PreferencesHost& host, Dialogs& dialogs);

  // The dialog opens: the main window leaves the always-on-top layer, and
  // the dialog's on/off list is taken from the alarm clock.
  void opened();
  // The dialog closed: the main window's on-top state as the setting says.
  void closed();

  const Settings& settings() const { return m_settings; }

  // A check box's state as its setting reads.
  bool isOn(PreferenceSwitch which) const;
  void setSwitch(PreferenceSwitch which, bool on);
  // The option groups: 0 = after a number of minutes, 1 = at a time of day;
  // 0 = empty playlist, 1 = the last run's, 2 = the start file or folder.
  // The option a setting of another value counts as.
  int sleepModeOption() const;
  int startModeOption() const;
  void setSleepMode(int option);
  void setStartMode(int option);
  // An item of sleepMinuteItems() was chosen: the sleep timer starts over
  // with that many minutes.
  void chooseSleepMinutes(int item);

  // Text boxes. Each value is stored as typed, except that line breaks and
  // other control characters become blanks (a settings line holds one line).
  void setSleepTime(const QString& typed);
  void setStartFile(const QString& typed);
  void setSkinFolder(const QString& typed);
  void setCoverFolder(const QString& typed);
  // Stored upper-cased.
  void setValidExtensions(const QString& typed);
  // The leading number, held to -32768..32767.
  void setOverlap(const QString& typed);

  // The buttons beside the text boxes: the chosen file or folder, already
  // stored; "" when the user cancelled (then nothing changed).
  QString chooseStartFile();
  QString chooseStartFolder();
  QString chooseSkinFolder();
  QString chooseCoverFolder();

  // The skin button: lets the user choose a skin, then the new skin's
  // information text.
  QString selectSkin();
  QString skinInfo() const;

  // The dialog's copy of the on/off list.
  const QStringList& onOffList() const { return m_onOffList; }
  // Takes the alarm clock's list again (the dialog became active).
  void reloadOnOffList();
  // Adds an entry built from the day item, the two times and the number
  // text; false (and nothing changes) when both times read "00:00".
  bool addOnOffEntry(int dayItem, const QString& onTime, const QString& offTime,
                     const QString& numberText);
  // Removes entry `row` when it exists; the row to select afterwards, the
  // same place or the new last entry, -1 when the list is empty.
  int deleteOnOffEntry(int row);

 private:
  void changed();

  Settings& m_settings;
  PreferencesHost& m_host;
  Dialogs& m_dialogs;
  QStringList m_onOffList;
};

// The text of the information page: the information file of the program
// folders, or PreferencesEditor::informationMissingText().
QString ReadInformationText();

}  // namespace kd
