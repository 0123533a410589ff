#pragma once
// The preferences dialog "Vexo 播放器V1.0  设置": five pages of controls,
// each writing its setting the moment the user changes it, and "完成",
// which only closes. The rules behind the controls are PreferencesEditor's;
// the dialog fills its controls from the settings without running any of
// them.

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QRadioButton;
class QTabWidget;

namespace kd {

class PreferencesEditor;
enum class PreferenceSwitch;

class PreferencesDialog : public QDialog {
  Q_OBJECT
 public:
  explicit PreferencesDialog(PreferencesEditor& editor, QWidget* parent = nullptr);

  // The dialog's title, and the one-line notice below its pages.
  static QString title();
  static QString noticeText();
  // The about text of the page "简介" and the distribution notice of the
  // page "路径".
  static QString aboutText();
  static QString distributionText();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  QWidget* buildSkinPage();
  QWidget* buildAboutPage();
  QWidget* buildSettingsPage();
  QWidget* buildSchedulePage();
  QWidget* buildPathsPage();
  QGroupBox* buildSleepGroup();
  QGroupBox* buildOnOffGroup();

  QCheckBox* addSwitch(QWidget* parent, const char* caption, PreferenceSwitch which);
  // A text box named after its label, which becomes the box's buddy.
  QLineEdit* addLabelledBox(QWidget* parent, QLabel* label);

  void fill();
  void showOnOffList(int selectRow);
  void addOnOffEntry();
  void deleteOnOffEntry();

  PreferencesEditor& m_editor;
  QTabWidget* m_pages = nullptr;
  QLabel* m_skinInfo = nullptr;
  QPlainTextEdit* m_information = nullptr;
  QRadioButton* m_startOptions[3] = {};
  QLineEdit* m_startFile = nullptr;
  QLineEdit* m_extensions = nullptr;
  QLineEdit* m_overlap = nullptr;
  QRadioButton* m_sleepOptions[2] = {};
  QComboBox* m_sleepMinutes = nullptr;
  QLineEdit* m_sleepTime = nullptr;
  QComboBox* m_day = nullptr;
  QLineEdit* m_onTime = nullptr;
  QLineEdit* m_offTime = nullptr;
  QLineEdit* m_entryNumber = nullptr;
  QListWidget* m_onOffList = nullptr;
  QLineEdit* m_skinFolder = nullptr;
  QLineEdit* m_coverFolder = nullptr;
  QList<QPair<QCheckBox*, PreferenceSwitch>> m_switches;
};

}  // namespace kd
