#pragma once
// The running player as the preferences tests see it: what the dialog asked
// of it, and a sleep count and on/off list of its own.

#include <QList>
#include <QStringList>

#include "ui/PreferencesEditor.h"

namespace kd::test {

class FakePreferencesHost : public PreferencesHost {
 public:
  QList<bool> onTopCalls;
  QList<int> sleepMinutesSet;
  int settingsChanges = 0;
  int sleepCountNow = -30;
  QStringList list;
  QString info = QStringLiteral("a skin by someone");
  int skinsSelected = 0;

  void setWindowOnTop(bool onTop) override { onTopCalls.append(onTop); }
  void settingsChanged() override { ++settingsChanges; }
  void setSleepMinutes(int minutes) override {
    sleepMinutesSet.append(minutes);
    sleepCountNow = -minutes;
  }
  int sleepCount() const override { return sleepCountNow; }
  QStringList onOffList() const override { return list; }
  void setOnOffList(const QStringList& entries) override { list = entries; }
  void selectSkin() override {
    ++skinsSelected;
    info = QStringLiteral("the new skin");
  }
  QString skinInfo() const override { return info; }
};

}  // namespace kd::test
