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
  // Duration() answers 0 this many times before the length is known.
  int unknownDurationCalls = 0;
};

class FakeMediaEngine;

class FakeMediaItem : public MediaItem {
 public:
  FakeMediaItem(FakeMediaEngine& engine, int serial);
  ~FakeMediaItem() override;

  bool RenderFile(const QString& pathOrUrl) override;
  void Run() override;
  void Pause() override;
  void Stop() override;
  double CurrentPosition() override;
  void SetCurrentPosition(double seconds) override;
  double Duration() override;
  void SetRate(double rate) override;
  bool HasEnded() override;
  bool WasRefused() override;

  // Test controls.
  void setPosition(double seconds);  // without a log line
  void setEnded(bool ended) { m_ended = ended; }
  void setRefused(bool refused) { m_refused = refused; }
  const QString& path() const { return m_path; }
  bool running() const { return m_running; }
  double rate() const { return m_rate; }
  int serial() const { return m_serial; }
  int positionReads() const { return m_positionReads; }

 private:
  double positionNow() const;

  FakeMediaEngine& m_engine;
  int m_serial;
  QString m_path;
  MediaScript m_script;
  double m_base = 0;   // position at m_since
  double m_since = 0;  // clock time of the last change
  double m_rate = 1.0;
  bool m_running = false;
  bool m_ended = false;
  bool m_refused = false;
  int m_positionReads = 0;
};

class FakeMediaEngine : public MediaEngine {
 public:
  // With a clock, positions advance while items run; without, tests set them.
  explicit FakeMediaEngine(FakeClock* clock = nullptr) : m_clock(clock) {}

  std::unique_ptr<MediaItem> CreateItem() override;

  void script(const QString& path, MediaScript media) { m_scripts.insert(path, media); }
  MediaScript scriptFor(const QString& path) const { return m_scripts.value(path); }

  // The live item, or nullptr.
  FakeMediaItem* current() const { return m_current; }
  double now() const { return m_clock ? m_clock->now : 0; }
  bool hasClock() const { return m_clock != nullptr; }

  void record(const QString& line) { log.append(line); }
  void forget(FakeMediaItem* item) {
    if (m_current == item) m_current = nullptr;
  }

  bool failCreate = false;
  int created = 0;
  QStringList log;

 private:
  FakeClock* m_clock;
  QHash<QString, MediaScript> m_scripts;
  FakeMediaItem* m_current = nullptr;
};

}  // namespace kd::test
