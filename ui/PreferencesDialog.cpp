#include "ui/PreferencesDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>
#include <memory>
#include <vector>

#include "core/Settings.h"
#include "ui/PreferencesEditor.h"
#include "ui/ProgramIcon.h"

namespace kd {

namespace {

QString Utf8(const char* text) {
  return QString::fromUtf8(text);
}

QPushButton* AddButton(QWidget* parent, const char* caption) {
  return new QPushButton(Utf8(caption), parent);
}

QGroupBox* Group(const char* caption) {
  return new QGroupBox(Utf8(caption));
}

}  // namespace

QString PreferencesDialog::title() {
  return Utf8("Vexo 播放器V1.0  设置");
}

QString PreferencesDialog::noticeText() {
  return Utf8("kavorodeck：自由软件，可随意复制与分发。");
}

QString PreferencesDialog::aboutText() {
  return Utf8(
      "kavorodeck 0.1  可换肤的桌面媒体播放器\n"
      "2025 年\n"
      "本程序免费，可自由复制与分发；不提供任何担保。\n"
      "\n"
      "系统要求：Linux 桌面（X11 或 XWayland），Qt 6.4，GStreamer 1.22。\n"
      "\n"
      "主要功能：\n"
      "  · 皮肤决定窗口的外形、按钮、滑块、显示与指示灯\n"
      "  · 播放 MP3、WAV、MIDI、视频和图片\n"
      "  · M3U / PLS 播放列表，文件夹与拖放添加\n"
      "  · ID3v1 标签的查看与编辑，封面图片\n"
      "  · 闹钟、睡眠定时和每周开/关列表\n"
      "  · 系统托盘图标与可视化播放列表选择器");
}

QString PreferencesDialog::distributionText() {
  return Utf8(
      "kavorodeck 是自由软件。\n"
      "您可以复制、分发本程序和它的界面文件，\n"
      "但请保留本说明。");
}

PreferencesDialog::PreferencesDialog(PreferencesEditor& editor, QWidget* parent)
    : QDialog(parent), m_editor(editor) {
  setWindowTitle(title());
  setWindowModality(Qt::ApplicationModal);

  m_pages = new QTabWidget(this);
  m_pages->addTab(buildSkinPage(), Utf8("信息"));
  m_pages->addTab(buildAboutPage(), Utf8("简介"));
  m_pages->addTab(buildSettingsPage(), Utf8("设置"));
  m_pages->addTab(buildSchedulePage(), Utf8("自动 开/关"));
  m_pages->addTab(buildPathsPage(), Utf8("路径"));

  auto* notice = new QLabel(noticeText(), this);
  auto* done = AddButton(this, "完成");
  done->setDefault(true);
  connect(done, &QPushButton::clicked, this, &QDialog::accept);

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(notice, 1);
  bottom->addWidget(done);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_pages);
  layout->addLayout(bottom);

  fill();

  adjustSize();
  const QScreen* where = parent ? parent->screen() : screen();
  if (where) {
    const QRect area = where->geometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
  }
}

QCheckBox* PreferencesDialog::addSwitch(QWidget* parent, const char* caption,
                                        PreferenceSwitch which) {
  auto* box = new QCheckBox(Utf8(caption), parent);
  m_switches.append({box, which});
  // Toggled, not clicked: a screen reader toggles a box without clicking it.
  connect(box, &QCheckBox::toggled, this,
          [this, which](bool on) { m_editor.setSwitch(which, on); });
  return box;
}

QLineEdit* PreferencesDialog::addLabelledBox(QWidget* parent, QLabel* label) {
  auto* box = new QLineEdit(parent);
  label->setBuddy(box);
  box->setAccessibleName(label->text());
  return box;
}

QWidget* PreferencesDialog::buildSkinPage() {
  auto* page = new QWidget;
  auto* group = Group("界面文件");
  auto* select = AddButton(group, "选择界面文件 ");
  m_skinInfo = new QLabel(group);
  m_skinInfo->setWordWrap(true);
  m_skinInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  m_skinInfo->setTextFormat(Qt::PlainText);
  m_skinInfo->setMinimumHeight(120);
  connect(select, &QPushButton::clicked, this,
          [this] { m_skinInfo->setText(m_editor.selectSkin()); });
  auto* layout = new QVBoxLayout(group);
  layout->addWidget(select, 0, Qt::AlignLeft);
  layout->addWidget(m_skinInfo, 1);
  auto* pageLayout = new QVBoxLayout(page);
  pageLayout->addWidget(group);
  return page;
}

QWidget* PreferencesDialog::buildAboutPage() {
  auto* page = new QWidget;
  auto* about = new QLabel(aboutText(), page);
  about->setTextFormat(Qt::PlainText);
  m_information = new QPlainTextEdit(page);
  m_information->setReadOnly(true);
  m_information->setAccessibleName(Utf8("简介"));
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(about);
  layout->addWidget(m_information, 1);
  return page;
}

QWidget* PreferencesDialog::buildSettingsPage() {
  auto* page = new QWidget;

  auto* window = Group("窗口");
  auto* windowLayout = new QVBoxLayout(window);
  windowLayout->addWidget(addSwitch(window, "&播放面板置于屏幕项端", PreferenceSwitch::OnTop));
  windowLayout->addWidget(
      addSwitch(window, "&当播放面板置于屏幕顶端时发出警示声", PreferenceSwitch::Snap));

  auto* closing = Group("关闭");
  auto* closingLayout = new QVBoxLayout(closing);
  closingLayout->addWidget(
      addSwitch(closing, "保存屏幕位置", PreferenceSwitch::SaveWindowPosition));

  auto* start = Group("初始设置");
  const char* startCaptions[] = {"使用空白播放列表", "最后一次访问的播放列表", "文件或目录:"};
  for (int i = 0; i < 3; ++i) {
    m_startOptions[i] = new QRadioButton(Utf8(startCaptions[i]), start);
    connect(m_startOptions[i], &QRadioButton::toggled, this, [this, i](bool on) {
      if (on) m_editor.setStartMode(i);
    });
  }
  m_startFile = new QLineEdit(start);
  m_startFile->setAccessibleName(m_startOptions[2]->text());
  connect(m_startFile, &QLineEdit::textChanged, this,
          [this](const QString& text) { m_editor.setStartFile(text); });
  auto* pickFile = AddButton(start, "...F");
  auto* pickFolder = AddButton(start, "..D");
  connect(pickFile, &QPushButton::clicked, this, [this] {
    const QString chosen = m_editor.chooseStartFile();
    if (!chosen.isEmpty()) m_startFile->setText(chosen);
  });
  connect(pickFolder, &QPushButton::clicked, this, [this] {
    const QString chosen = m_editor.chooseStartFolder();
    if (!chosen.isEmpty()) m_startFile->setText(chosen);
  });
  auto* startLayout = new QGridLayout(start);
  startLayout->addWidget(m_startOptions[0], 0, 0, 1, 3);
  startLayout->addWidget(m_startOptions[1], 1, 0, 1, 3);
  startLayout->addWidget(m_startOptions[2], 2, 0, 1, 3);
  startLayout->addWidget(m_startFile, 3, 0);
  startLayout->addWidget(pickFile, 3, 1);
  startLayout->addWidget(pickFolder, 3, 2);
  startLayout->addWidget(addSwitch(start, "启动时启用最小置", PreferenceSwitch::StartMinimised), 4,
                         0, 1, 3);

  auto* extensions = Group("DirAdd 扩展");
  m_extensions = new QLineEdit(extensions);
  m_extensions->setText(QStringLiteral("MP2 MP3 MID WAV MOD XM AVI MOV"));
  m_extensions->setAccessibleName(extensions->title());
  connect(m_extensions, &QLineEdit::textChanged, this,
          [this](const QString& text) { m_editor.setValidExtensions(text); });
  (new QVBoxLayout(extensions))->addWidget(m_extensions);

  auto* other = Group("其它选项");
  auto* otherLayout = new QVBoxLayout(other);
  otherLayout->addWidget(
      addSwitch(other, "在播放列表中使用友好名称", PreferenceSwitch::FriendlyNames));
  otherLayout->addWidget(
      addSwitch(other, "载入播放窗口覆盖ID3标签信息", PreferenceSwitch::TagCover));
  otherLayout->addWidget(addSwitch(other, "歌曲名称滚动显示", PreferenceSwitch::ScrollTitle));
  otherLayout->addWidget(addSwitch(other, "使用24小时模式", PreferenceSwitch::Clock24));
  otherLayout->addWidget(
      addSwitch(other, "载入新列表时清楚现有列表", PreferenceSwitch::ClearPlaylistFirst));
  otherLayout->addWidget(
      addSwitch(other, "在播放列表载入使用自动播放", PreferenceSwitch::AutoPlay));

  auto* overlap = Group("连续重放");
  auto* overlapLabel = new QLabel(Utf8("重叠 (毫秒):"), overlap);
  m_overlap = addLabelledBox(overlap, overlapLabel);
  m_overlap->setText(QStringLiteral("0000"));
  connect(m_overlap, &QLineEdit::textChanged, this,
          [this](const QString& text) { m_editor.setOverlap(text); });
  auto* overlapLayout = new QHBoxLayout(overlap);
  overlapLayout->addWidget(overlapLabel);
  overlapLayout->addWidget(m_overlap);

  auto* left = new QVBoxLayout;
  left->addWidget(window);
  left->addWidget(closing);
  left->addWidget(start);
  left->addStretch(1);
  auto* right = new QVBoxLayout;
  right->addWidget(extensions);
  right->addWidget(other);
  right->addWidget(overlap);
  right->addStretch(1);
  auto* layout = new QHBoxLayout(page);
  layout->addLayout(left);
  layout->addLayout(right);
  return page;
}

QGroupBox* PreferencesDialog::buildSleepGroup() {
  auto* sleep = Group("休眼");
  auto* enable = addSwitch(sleep, "启用休眠功能", PreferenceSwitch::SleepTimer);
  m_sleepOptions[0] = new QRadioButton(Utf8("之后:"), sleep);
  m_sleepOptions[1] = new QRadioButton(Utf8("自定义时间:"), sleep);
  for (int i = 0; i < 2; ++i) {
    connect(m_sleepOptions[i], &QRadioButton::toggled, this, [this, i](bool on) {
      if (on) m_editor.setSleepMode(i);
    });
  }
  m_sleepMinutes = new QComboBox(sleep);
  m_sleepMinutes->addItems(PreferencesEditor::sleepMinuteItems());
  auto* minutes = new QLabel(Utf8("分钟"), sleep);
  minutes->setBuddy(m_sleepMinutes);
  m_sleepMinutes->setAccessibleName(minutes->text());
  connect(m_sleepMinutes, &QComboBox::activated, this,
          [this](int item) { m_editor.chooseSleepMinutes(item); });
  m_sleepTime = new QLineEdit(sleep);
  m_sleepTime->setText(QStringLiteral("00:00"));
  m_sleepTime->setAccessibleName(m_sleepOptions[1]->text());
  connect(m_sleepTime, &QLineEdit::textChanged, this,
          [this](const QString& text) { m_editor.setSleepTime(text); });

  auto* layout = new QGridLayout(sleep);
  layout->addWidget(enable, 0, 0, 1, 3);
  layout->addWidget(m_sleepOptions[0], 1, 0);
  layout->addWidget(m_sleepMinutes, 1, 1);
  layout->addWidget(minutes, 1, 2);
  layout->addWidget(m_sleepOptions[1], 2, 0);
  layout->addWidget(m_sleepTime, 2, 1, 1, 2);
  return sleep;
}

QGroupBox* PreferencesDialog::buildOnOffGroup() {
  auto* onOff = Group("自动 启动/关闭");
  auto* dayLabel = new QLabel(Utf8("日期"), onOff);
  m_day = new QComboBox(onOff);
  m_day->addItems(PreferencesEditor::dayItems());
  dayLabel->setBuddy(m_day);
  m_day->setAccessibleName(dayLabel->text());
  auto* onLabel = new QLabel(Utf8("时间:开:"), onOff);
  m_onTime = addLabelledBox(onOff, onLabel);
  m_onTime->setText(QStringLiteral("00:00"));
  auto* offLabel = new QLabel(Utf8("关:"), onOff);
  m_offTime = addLabelledBox(onOff, offLabel);
  m_offTime->setText(QStringLiteral("00:00"));
  auto* numberLabel = new QLabel(Utf8("文件/播放列表:"), onOff);
  m_entryNumber = addLabelledBox(onOff, numberLabel);
  auto* listLabel = new QLabel(Utf8("开/关 列表:"), onOff);
  m_onOffList = new QListWidget(onOff);
  listLabel->setBuddy(m_onOffList);
  m_onOffList->setAccessibleName(listLabel->text());
  QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  fixed.setFamilies({QStringLiteral("Courier New"), fixed.family()});
  fixed.setStyleHint(QFont::TypeWriter);
  m_onOffList->setFont(fixed);
  auto* add = AddButton(onOff, "增加");
  auto* remove = AddButton(onOff, "删除选择");
  connect(add, &QPushButton::clicked, this, &PreferencesDialog::addOnOffEntry);
  connect(remove, &QPushButton::clicked, this, &PreferencesDialog::deleteOnOffEntry);

  auto* layout = new QGridLayout(onOff);
  layout->addWidget(dayLabel, 0, 0);
  layout->addWidget(m_day, 0, 1, 1, 3);
  layout->addWidget(onLabel, 1, 0);
  layout->addWidget(m_onTime, 1, 1);
  layout->addWidget(offLabel, 1, 2);
  layout->addWidget(m_offTime, 1, 3);
  layout->addWidget(numberLabel, 2, 0);
  layout->addWidget(m_entryNumber, 2, 1);
  layout->addWidget(add, 2, 2);
  layout->addWidget(remove, 2, 3);
  layout->addWidget(listLabel, 3, 0, 1, 4);
  layout->addWidget(m_onOffList, 4, 0, 1, 4);
  return onOff;
}

QWidget* PreferencesDialog::buildSchedulePage() {
  auto* page = new QWidget;
  auto* options = Group("选项");
  auto* optionsLayout = new QVBoxLayout(options);
  optionsLayout->addWidget(addSwitch(options, "启用 自动 启动/关闭", PreferenceSwitch::Scheduler));
  optionsLayout->addWidget(
      addSwitch(options, "在离开时 关闭/休眠", PreferenceSwitch::HideWhenSleeping));

  auto* left = new QVBoxLayout;
  left->addWidget(options);
  left->addWidget(buildSleepGroup());
  left->addStretch(1);
  auto* layout = new QHBoxLayout(page);
  layout->addLayout(left);
  layout->addWidget(buildOnOffGroup(), 1);
  return page;
}

QWidget* PreferencesDialog::buildPathsPage() {
  auto* page = new QWidget;
  auto* paths = Group("路径");
  auto* skinLabel = new QLabel(Utf8("界面文件:"), paths);
  m_skinFolder = addLabelledBox(paths, skinLabel);
  connect(m_skinFolder, &QLineEdit::textChanged, this,
          [this](const QString& text) { m_editor.setSkinFolder(text); });
  auto* pickSkinFolder = AddButton(paths, "...");
  pickSkinFolder->setAccessibleDescription(Utf8("选择界面目录:"));
  connect(pickSkinFolder, &QPushButton::clicked, this, [this] {
    const QString chosen = m_editor.chooseSkinFolder();
    if (!chosen.isEmpty()) m_skinFolder->setText(chosen);
  });
  auto* coverLabel = new QLabel(Utf8("封面目录:"), paths);
  m_coverFolder = addLabelledBox(paths, coverLabel);
  connect(m_coverFolder, &QLineEdit::textChanged, this,
          [this](const QString& text) { m_editor.setCoverFolder(text); });
  auto* pickCoverFolder = AddButton(paths, "...");
  pickCoverFolder->setAccessibleDescription(Utf8("选择封面目录:"));
  connect(pickCoverFolder, &QPushButton::clicked, this, [this] {
    const QString chosen = m_editor.chooseCoverFolder();
    if (!chosen.isEmpty()) m_coverFolder->setText(chosen);
  });

  auto* picture = new QLabel(paths);
  picture->setPixmap(QPixmap::fromImage(PaintProgramIcon(64)));
  picture->setAccessibleName(QStringLiteral("kavorodeck"));
  auto* distribution = new QLabel(distributionText(), paths);

  auto* layout = new QGridLayout(paths);
  layout->addWidget(skinLabel, 0, 0);
  layout->addWidget(m_skinFolder, 0, 1);
  layout->addWidget(pickSkinFolder, 0, 2);
  layout->addWidget(coverLabel, 1, 0);
  layout->addWidget(m_coverFolder, 1, 1);
  layout->addWidget(pickCoverFolder, 1, 2);
  layout->addWidget(picture, 2, 0, Qt::AlignTop);
  layout->addWidget(distribution, 2, 1, 1, 2);
  layout->setColumnStretch(1, 1);
  layout->setRowStretch(3, 1);
  auto* pageLayout = new QVBoxLayout(page);
  pageLayout->addWidget(paths);
  return page;
}

// The controls show the settings as they are; nothing is written back.
void PreferencesDialog::fill() {
  QList<QObject*> controls{m_startFile, m_extensions, m_overlap,     m_sleepMinutes, m_sleepTime,
                           m_day,       m_skinFolder, m_coverFolder, m_onOffList};
  for (const auto& entry : m_switches) controls.append(entry.first);
  for (QObject* option : m_startOptions) controls.append(option);
  for (QObject* option : m_sleepOptions) controls.append(option);
  std::vector<std::unique_ptr<QSignalBlocker>> blockers;
  for (QObject* control : controls) blockers.push_back(std::make_unique<QSignalBlocker>(control));

  const Settings& settings = m_editor.settings();
  for (const auto& [box, which] : m_switches) box->setChecked(m_editor.isOn(which));
  m_sleepOptions[m_editor.sleepModeOption()]->setChecked(true);
  m_sleepTime->setText(settings.SnoozeTime);
  m_startOptions[m_editor.startModeOption()]->setChecked(true);
  m_startFile->setText(settings.StartFile);
  m_skinFolder->setText(settings.SkinPath);
  m_coverFolder->setText(settings.VisPLPath);
  m_extensions->setText(settings.ValidExt.toUpper());
  m_overlap->setText(QString::number(settings.PBOverlap));
  m_day->setCurrentIndex(PreferencesEditor::kInitialDayItem);
  m_sleepMinutes->setCurrentIndex(PreferencesEditor::kInitialSleepItem);
  m_skinInfo->setText(m_editor.skinInfo());
  m_information->setPlainText(ReadInformationText());
  showOnOffList(-1);
}

void PreferencesDialog::showOnOffList(int selectRow) {
  const QSignalBlocker blocker(m_onOffList);
  m_onOffList->clear();
  m_onOffList->addItems(m_editor.onOffList());
  if (selectRow >= 0) m_onOffList->setCurrentRow(selectRow);
}

void PreferencesDialog::addOnOffEntry() {
  if (m_editor.addOnOffEntry(m_day->currentIndex(), m_onTime->text(), m_offTime->text(),
                             m_entryNumber->text())) {
    showOnOffList(m_onOffList->currentRow());
  }
}

void PreferencesDialog::deleteOnOffEntry() {
  const QList<QListWidgetItem*> selected = m_onOffList->selectedItems();
  if (selected.isEmpty()) return;
  showOnOffList(m_editor.deleteOnOffEntry(m_onOffList->row(selected.first())));
}

void PreferencesDialog::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() != QEvent::ActivationChange || !isActiveWindow()) return;
  // The alarm clock's list and the skin may have changed meanwhile.
  const QStringList before = m_editor.onOffList();
  m_editor.reloadOnOffList();
  if (m_editor.onOffList() != before) showOnOffList(-1);
  m_skinInfo->setText(m_editor.skinInfo());
}

}  // namespace kd
