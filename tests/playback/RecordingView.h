#pragma once
// A PlayerView that records every write in order, for checking what the
// player shows and when, and a message sink that keeps what it was told.

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include "core/PlayerView.h"
#include "util/MessageSink.h"

namespace kd::test {

class RecordingView : public PlayerView {
 public:
  // Log lines: "L2=text" (label), "D6=text" / "D2=7" (display), "lights 2 4"
  // (the lights shown), "S1=0.5" (slider value), "show S1", "hide S1".
  QStringList log;
  QString lights;             // the last lights line
  QHash<int, float> sliders;  // the last value of each slider

  void SetLabel(int index, const QString& text) override {
    m_labels.insert(index, text);
    log.append(QStringLiteral("L%1=%2").arg(index).arg(text));
  }
  QString LabelText(int index) const override { return m_labels.value(index); }
  void SetDD(int index, double value) override {
    log.append(QStringLiteral("D%1=%2").arg(index).arg(value));
  }
  void SetDD(int index, const QString& value) override {
    log.append(QStringLiteral("D%1=%2").arg(index).arg(value));
  }
  void ShowLights(const ModeFlags& flags) override {
    const auto table = LightTable(flags);
    lights = QStringLiteral("lights");
    for (int i = 1; i <= kLightCount; ++i) {
      if (table[i]) lights += QStringLiteral(" %1").arg(i);
    }
    log.append(lights);
  }
  void SetSliderPos(int index, float value) override {
    sliders.insert(index, value);
    log.append(QStringLiteral("S%1=%2").arg(index).arg(value));
  }
  void ShowSlider(int index) override {
    m_visible.insert(index);
    log.append(QStringLiteral("show S%1").arg(index));
  }
  void HideSlider(int index) override {
    m_visible.remove(index);
    log.append(QStringLiteral("hide S%1").arg(index));
  }
  bool IsSliderVisible(int index) const override { return m_visible.contains(index); }

  QStringList linesStartingWith(const QString& prefix) const {
    QStringList lines;
    for (const QString& line : log) {
      if (line.startsWith(prefix)) lines.append(line);
    }
    return lines;
  }

 private:
  QHash<int, QString> m_labels;
  QSet<int> m_visible;
};

class RecordingSink : public MessageSink {
 public:
  void ShowMessage(const QString& text) override { messages.append(text); }
  QStringList messages;
};

}  // namespace kd::test
