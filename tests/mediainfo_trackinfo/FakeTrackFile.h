#pragma once
// A player for the track window's tests: the current track is set by the
// test, and every rewrite and tag change is kept.

#include <QList>
#include <QStringList>

#include "mediainfo/TrackFileHooks.h"

namespace kd::test {

class FakeTrackFile : public TrackFileHooks {
 public:
  QString currentTrackPath() const override { return current; }
  void rewriteFile(const QString& path, const std::function<void()>& write) override {
    rewritten.append(path);
    write();
  }
  void tagChanged(const QString& path, const ID3Info& tag) override {
    changedPaths.append(path);
    changedTags.append(tag);
  }

  QString current;
  QStringList rewritten;
  QStringList changedPaths;
  QList<ID3Info> changedTags;
};

}  // namespace kd::test
