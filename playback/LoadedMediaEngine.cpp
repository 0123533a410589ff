#include "playback/LoadedMediaEngine.h"

#include "playback/EngineModule.h"
#include "util/AppPaths.h"

#include <QLibrary>

namespace kd {

std::unique_ptr<MediaItem> LoadedMediaEngine::createItem() {
  if (!m_loadTried) {
    m_loadTried = true;
    loadModule();
  }
  return m_engine ? m_engine->createItem() : nullptr;
}

void LoadedMediaEngine::loadModule() {
  // The module is never unloaded: its items and GStreamer's threads run its
  // code, and GStreamer cannot be shut down and started again.
  QLibrary module(ModuleFolder() + QLatin1String(kEngineModuleFileName));
  const auto make =
      reinterpret_cast<decltype(&kd_make_media_engine)>(module.resolve(kEngineFactoryName));
  if (!make) {
    qWarning("The media engine cannot be loaded: %s", qPrintable(module.errorString()));
    return;
  }
  m_engine.reset(make(m_levels));
}

}  // namespace kd
