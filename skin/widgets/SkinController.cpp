#include "skin/widgets/SkinController.h"

#include <QFileInfo>
#include <QScreen>

#include "core/Dialogs.h"
#include "core/Settings.h"
#include "skin/SkinLoader.h"
#include "skin/SkinScale.h"
#include "skin/widgets/SkinWindow.h"
#include "util/MessageSink.h"
#include "util/Paths.h"

namespace kd {

SkinController::SkinController(SkinWindow& window, Settings& settings, MessageSink& messages)
    : m_window(window),
      m_settings(settings),
      m_messages(messages),
      m_base(SkinLoadEnvironment::forProgram()) {}

int SkinController::screenWidth() const {
  if (m_base.screenWidth > 0) return m_base.screenWidth;
  const QScreen* screen = m_window.screen();
  return screen != nullptr ? screen->geometry().width() : 0;
}

SkinLoadOutcome SkinController::loadSkin(const QString& name, bool importFlag) {
  return loadAndApply(name, importFlag).outcome;
}

SkinLoadOutcome SkinController::loadStartSkin(const QString& name) {
  const SkinDocument configured = loadAndApply(name, true);
  if (configured.outcome == SkinLoadOutcome::Loaded && !m_window.windowBitmap().isNull()) {
    return configured.outcome;
  }
  const QString fallback = defaultSkinFile();
  if (fallback.isEmpty()) return configured.outcome;
  // The default skin failing itself is not loaded a second time.
  if (!configured.fullPath.isEmpty() && QFileInfo(configured.fullPath).canonicalFilePath() ==
                                            QFileInfo(fallback).canonicalFilePath()) {
    return configured.outcome;
  }
  return loadAndApply(fallback, true).outcome;
}

QString SkinController::defaultSkinFile() const {
  for (const QString& folder : m_base.programFolders) {
    const QString found =
        FindFileIgnoringCase(WithTrailingSeparator(folder) + QStringLiteral("default.skin"));
    if (!found.isEmpty()) return found;
  }
  return {};
}

SkinDocument SkinController::loadAndApply(const QString& name, bool importFlag) {
  SkinLoadEnvironment env = m_base;
  env.screenWidth = screenWidth();
  env.skinPath = m_settings.SkinPath;
  env.skinImport = m_settings.SkinImport;
  env.lastSkinFolder = m_lastSkinFolder;
  env.importFlag = importFlag;
  env.codepage = m_settings.legacyCodepage();
  // The pictures as they were read, not as a doubled window shows them.
  env.currentMainBitmap = m_unscaled ? m_unscaled->mainBitmap : m_window.windowBitmap();
  env.currentResourceBitmap = m_unscaled ? m_unscaled->resourceBitmap : m_window.resourceBitmap();

  // The timer stops once the header has been accepted: before the import
  // dialog of an import skin, else before the skin is applied.
  bool stopped = false;
  const auto stopTimer = [&] {
    if (stopped) return;
    stopped = true;
    if (m_hooks.stopTimer) m_hooks.stopTimer();
  };
  env.askImportFile = [&](const QString& filter, const QString& defaultName,
                          const QString& folder) {
    stopTimer();
    return m_hooks.askImportFile ? m_hooks.askImportFile(filter, defaultName, folder) : QString();
  };

  SkinDocument doc = SkinLoader(env).loadSkin(name);
  m_lastSkinFolder = doc.skinFolder;
  if (doc.outcome == SkinLoadOutcome::Loaded) {
    stopTimer();
    SkinDocument kept = doc;
    // A picture the skin does not bring stays as the window showed it.
    if (kept.mainBitmap.isNull()) kept.mainBitmap = env.currentMainBitmap;
    if (kept.resourceBitmap.isNull()) kept.resourceBitmap = env.currentResourceBitmap;
    m_unscaled = std::move(kept);
    applyScaled(false);
  }
  for (const QString& message : doc.messages) m_messages.showMessage(message);
  if (doc.skinSetting) m_settings.Skin = *doc.skinSetting;
  if (doc.skinImportSetting) m_settings.SkinImport = *doc.skinImportSetting;
  if (stopped && m_hooks.startTimer) m_hooks.startTimer();
  return doc;
}

void SkinController::setDoubleSize(bool on) {
  if (on == m_doubleSize) return;
  m_doubleSize = on;
  if (m_unscaled) applyScaled(true);
}

int SkinController::wantedScale() const {
  if (!m_doubleSize || !m_unscaled || !CanScaleSkinDocument(*m_unscaled, 2)) return 1;
  const QSize doubled = m_unscaled->sizes[0] * 2;
  const QRect area = m_window.availableGeometry();
  return doubled.width() <= area.width() && doubled.height() <= area.height() ? 2 : 1;
}

void SkinController::applyScaled(bool keepSizeToggles) {
  const int16_t alternate = m_window.alternateSize();
  const int16_t small = m_window.isSmall();
  m_appliedScale = wantedScale();
  m_window.applySkin(m_appliedScale > 1 ? ScaleSkinDocument(*m_unscaled, m_appliedScale)
                                        : *m_unscaled);
  if (!keepSizeToggles) return;
  if (alternate != 0) m_window.toggleAlternateSize();
  if (small != 0) m_window.toggleSmall();
}

SkinController::ImportDialog SkinController::importDialogOf(Dialogs& dialogs) {
  return [&dialogs](const QString& filter, const QString& defaultName, const QString& folder) {
    FileDialogRequest request;
    request.title = QStringLiteral("Import Skin");
    request.filter = filter;
    request.filterIndex = 1;
    request.initialFolder = folder;
    request.fileName = defaultName;
    return dialogs.openFile(request).path;
  };
}

}  // namespace kd
