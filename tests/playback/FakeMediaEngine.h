#pragma once
// A scripted media engine for the player's tests: each path can be given a
// length, a refusal or a length that becomes known late; the position is set
// by the test or advances with an injected clock while the item runs. Every
// call is logged.

#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>

#include "playback/MediaEngine.h"

namespace kd::test {

struct FakeClock {
  double now = 0;  // seconds
};

// How the fake treats one path. Paths without a script play for 60 s.
struct MediaScript {
  double duration = 60;
  bool refuseRender = false;
  // duration() answers 0 this many times before the length is known.
  int unknownDurationCalls = 0;
  // What the engine finds inside the file.
  MediaTags tags;
};

class FakeMediaEngine;

class FakeMediaItem : public MediaItem {
 public:
  explicit FakeMediaItem(FakeMediaEngine& engine) : m_engine(engine) {}
  ~FakeMediaItem() override;

  bool renderFile(const QString& pathOrUrl) override;
  void run() override { rebase(true, QStringLiteral("run")); }
  void pause() override { rebase(false, QStringLiteral("pause")); }
  void stop() override { rebase(false, QStringLiteral("stop")); }
  double currentPosition() override { return positionNow(); }
  void setCurrentPosition(double seconds) override {
    rebase(m_running, QStringLiteral("seek %1").arg(seconds));
    setPosition(seconds);
  }
  double duration() override {
    if (m_script.unknownDurationCalls <= 0) return m_script.duration;
    --m_script.unknownDurationCalls;
    return 0;
  }
  void setRate(double rate) override {
    rebase(m_running, QStringLiteral("rate %1").arg(rate));
    m_rate = rate;
  }
  bool hasEnded() override {
    return ended || (m_script.duration > 0 && positionNow() >= m_script.duration);
  }
  bool wasRefused() override { return refused; }
  MediaTags tags() override { return m_script.tags; }

  // Test controls: the position (without a log line), the engine's end of
  // stream and an error while the item runs.
  void setPosition(double seconds);
  bool ended = false;
  bool refused = false;

 private:
  double positionNow() const;
  // Counts on from the position reached now.
  void rebase(bool running, const QString& logLine);

  FakeMediaEngine& m_engine;
  MediaScript m_script;
  double m_base = 0;   // position at m_since
  double m_since = 0;  // clock time of the last change
  double m_rate = 1.0;
  bool m_running = false;
};

class FakeMediaEngine : public MediaEngine {
 public:
  // Positions advance with `clock` while items run.
  explicit FakeMediaEngine(FakeClock* clock) : m_clock(*clock) {}

  std::unique_ptr<MediaItem> createItem() override;
  void script(const QString& path, MediaScript media) { scripts.insert(path, media); }
  double now() const { return m_clock.now; }

  QHash<QString, MediaScript> scripts;
  FakeMediaItem* current = nullptr;  // the live item
  bool failCreate = false;
  int created = 0;
  QStringList log;

 private:
  FakeClock& m_clock;
};

}  // namespace kd::test
