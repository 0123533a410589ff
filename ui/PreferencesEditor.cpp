#include "ui/PreferencesEditor.h"

#include <cstdlib>

#include "core/Dialogs.h"
#include "core/Settings.h"
#include "scheduler/OnOffList.h"
#include "util/AppPaths.h"
#include "util/Numbers.h"
#include "util/RegularFile.h"
#include "util/TextCodec.h"

namespace kd {

namespace {

// The information page's file in the program folders.
const QString kInformationFile = QStringLiteral("gdsdflwlwlwlwlwlwlwwwwwwwwwwwwwwwwwwwwlwowlwlw");
// A larger file is not shown (it would only be a mistake).
constexpr qint64 kMaxInformationBytes = 4 * 1024 * 1024;

// The minutes a sleep timer starts with when its count was never set.
constexpr int kDefaultSleepMinutes = 30;

int16_t Flag(bool on) {
  return on ? 1 : 0;
}

int16_t Settings::*SwitchField(PreferenceSwitch which) {
  switch (which) {
    case PreferenceSwitch::OnTop:
      return &Settings::WinOnTop;
    case PreferenceSwitch::Snap:
      return &Settings::WinSnap;
    case PreferenceSwitch::SaveWindowPosition:
      return &Settings::WinSavePos;
    case PreferenceSwitch::Scheduler:
      return &Settings::Auto;
    case PreferenceSwitch::AutoPlay:
      return &Settings::AutoPlay;
    case PreferenceSwitch::ClearPlaylistFirst:
      return &Settings::ClearPLFirst;
    case PreferenceSwitch::ScrollTitle:
      return &Settings::ScrollName;
    case PreferenceSwitch::SleepTimer:
      return &Settings::Snooze;
    case PreferenceSwitch::TagCover:
      return &Settings::UseTagCover;
    case PreferenceSwitch::HideWhenSleeping:
      return &Settings::SnoozeHide;
    case PreferenceSwitch::StartMinimised:
      return &Settings::StartMin;
    case PreferenceSwitch::FriendlyNames:
      return &Settings::FriendlyNames;
    case PreferenceSwitch::Clock24:
      return &Settings::TimeFmt;
  }
  return &Settings::WinOnTop;
}

// One line of text: a settings line cannot hold a line break, and other
// control characters only confuse the tools that read the file.
QString OneLine(const QString& typed) {
  QString text = typed;
  for (QChar& c : text) {
    if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
        c == QChar::ParagraphSeparator) {
      c = QLatin1Char(' ');
    }
  }
  return text;
}

}  // namespace

const QStringList& PreferencesEditor::sleepMinuteItems() {
  static const QStringList kItems{
      QStringLiteral("5"),  QStringLiteral("10"), QStringLiteral("15"),
      QStringLiteral("20"), QStringLiteral("25"), QStringLiteral("30"),
      QStringLiteral("40"), QStringLiteral("45"), QStringLiteral("60"),
  };
  return kItems;
}

const QStringList& PreferencesEditor::dayItems() {
  static const QStringList kItems{
      QStringLiteral("M - Monday"),    QStringLiteral("T - Tuesday"),
      QStringLiteral("W - Wednesday"), QStringLiteral("R - Thursday"),
      QStringLiteral("F - Friday"),    QStringLiteral("S - Saturday"),
      QStringLiteral("U - Sunday"),    QStringLiteral("D - Weekday"),
      QStringLiteral("N - Weekend"),   QStringLiteral("E - Every Day"),
  };
  return kItems;
}

QString PreferencesEditor::informationMissingText() {
  return QString::fromUtf8("不能打开文件！");
}

PreferencesEditor::PreferencesEditor(Settings& settings, PreferencesHost& host, Dialogs& dialogs)
    : m_settings(settings), m_host(host), m_dialogs(dialogs) {}

void PreferencesEditor::opened() {
  m_host.setWindowOnTop(false);
  reloadOnOffList();
}

void PreferencesEditor::closed() {
  m_host.setWindowOnTop(m_settings.WinOnTop != 0);
}

void PreferencesEditor::changed() {
  m_host.settingsChanged();
}

bool PreferencesEditor::isOn(PreferenceSwitch which) const {
  const int16_t value = m_settings.*SwitchField(which);
  switch (which) {
    case PreferenceSwitch::OnTop:
    case PreferenceSwitch::Snap:
      return value != 0;
    case PreferenceSwitch::FriendlyNames:
      return value > 0;
    default:
      return value == 1;
  }
}

void PreferencesEditor::setSwitch(PreferenceSwitch which, bool on) {
  m_settings.*SwitchField(which) = Flag(on);
  if (which == PreferenceSwitch::OnTop) m_host.setWindowOnTop(on);
  if (which == PreferenceSwitch::SleepTimer) {
    // The count set last is shown again (and counts from there).
    const int count = std::abs(m_host.sleepCount());
    m_host.setSleepMinutes(count > 0 ? count : kDefaultSleepMinutes);
  }
  changed();
}

int PreferencesEditor::sleepModeOption() const {
  return m_settings.SnoozeMode == 0 ? 0 : 1;
}

int PreferencesEditor::startModeOption() const {
  return m_settings.StartMd == 1 || m_settings.StartMd == 2 ? m_settings.StartMd : 0;
}

void PreferencesEditor::setSleepMode(int option) {
  m_settings.SnoozeMode = static_cast<int16_t>(option == 0 ? 0 : 1);
  changed();
}

void PreferencesEditor::setStartMode(int option) {
  m_settings.StartMd = static_cast<int16_t>(option == 1 || option == 2 ? option : 0);
}

void PreferencesEditor::chooseSleepMinutes(int item) {
  const QStringList& items = sleepMinuteItems();
  if (item < 0 || item >= items.size()) return;
  m_host.setSleepMinutes(items.at(item).toInt());
  changed();
}

void PreferencesEditor::setSleepTime(const QString& typed) {
  m_settings.SnoozeTime = OneLine(typed);
  changed();
}

void PreferencesEditor::setStartFile(const QString& typed) {
  m_settings.StartFile = OneLine(typed);
}

void PreferencesEditor::setSkinFolder(const QString& typed) {
  m_settings.SkinPath = OneLine(typed);
}

void PreferencesEditor::setCoverFolder(const QString& typed) {
  m_settings.VisPLPath = OneLine(typed);
}

void PreferencesEditor::setValidExtensions(const QString& typed) {
  m_settings.ValidExt = OneLine(typed).toUpper();
}

void PreferencesEditor::setOverlap(const QString& typed) {
  m_settings.PBOverlap = readInt16(typed);
}

QString PreferencesEditor::chooseStartFile() {
  FileDialogRequest request;
  request.title = QString::fromUtf8("打开播放文件");
  request.filter = QStringLiteral(
      "MPEG Audio Files|*.MP?|ActiveMovie "
      "Files|*.MP?;*.MPEG;*.DAT;*.WAV;*.AU;*.MID;*.RMI;*.AIF?;*.MOV;*.QT;*.AVI;*.M1V;*.RA;*.RAM;*."
      "RM;*.RMM|Music Modules|*.MOD;*.MTM;*FAR;*.669;*.OKT;*.STM;*.S3M;*.NST;*.WOW;*.XM|Bitmaps|*."
      "BMP;*.GIF;*.JPG|Playlists|*.M3U;*.PLS|All Files|*.*");
  request.filterIndex = 1;
  request.initialFolder = m_settings.Path;
  const FileDialogResult chosen = m_dialogs.openFile(request);
  if (chosen.cancelled()) return {};
  setStartFile(chosen.path);
  return m_settings.StartFile;
}

QString PreferencesEditor::chooseStartFolder() {
  const QString folder = m_dialogs.browseFolder(QString::fromUtf8("选择文件/目录:"));
  if (folder.isEmpty()) return {};
  setStartFile(folder);
  return m_settings.StartFile;
}

QString PreferencesEditor::chooseSkinFolder() {
  const QString folder = m_dialogs.browseFolder(QString::fromUtf8("选择界面目录:"));
  if (folder.isEmpty()) return {};
  setSkinFolder(folder);
  return m_settings.SkinPath;
}

QString PreferencesEditor::chooseCoverFolder() {
  const QString folder = m_dialogs.browseFolder(QString::fromUtf8("选择封面目录:"));
  if (folder.isEmpty()) return {};
  setCoverFolder(folder);
  return m_settings.VisPLPath;
}

QString PreferencesEditor::selectSkin() {
  m_host.selectSkin();
  return skinInfo();
}

QString PreferencesEditor::skinInfo() const {
  return m_host.skinInfo();
}

void PreferencesEditor::reloadOnOffList() {
  m_onOffList = m_host.onOffList();
}

bool PreferencesEditor::addOnOffEntry(int dayItem, const QString& onTime, const QString& offTime,
                                      const QString& numberText) {
  const QStringList& days = dayItems();
  const QChar dayCode =
      days.at(dayItem >= 0 && dayItem < days.size() ? dayItem : kInitialDayItem).at(0);
  const std::optional<QString> entry =
      MakeOnOffEntry(dayCode, OneLine(onTime), OneLine(offTime), readInt16(numberText));
  if (!entry) return false;
  m_onOffList.append(*entry);
  m_host.setOnOffList(m_onOffList);
  return true;
}

int PreferencesEditor::deleteOnOffEntry(int row) {
  if (row < 0 || row >= m_onOffList.size()) return -1;
  m_onOffList.removeAt(row);
  m_host.setOnOffList(m_onOffList);
  if (m_onOffList.isEmpty()) return -1;
  return std::min<int>(row, static_cast<int>(m_onOffList.size()) - 1);
}

QString ReadInformationText() {
  const QString path = FindProgramFile(kInformationFile);
  QByteArray bytes;
  if (path.isEmpty() ||
      ReadRegularFile(path, kMaxInformationBytes, bytes) != FileReadResult::Read) {
    return PreferencesEditor::informationMissingText();
  }
  return DecodeText(bytes);
}

}  // namespace kd
