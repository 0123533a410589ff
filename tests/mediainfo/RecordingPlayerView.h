#pragma once
// A PlayerView that records what the player logic writes to it.

#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

#include "core/PlayerView.h"

namespace kd::test {

class RecordingPlayerView : public PlayerView {
 public:
  void SetLabel(int index, const QString& text) override {
    labels[index] = text;
    calls << QStringLiteral("label %1").arg(index);
  }
  QString LabelText(int index) const override { return labels.value(index); }

  void SetDD(int index, double value) override {
    displayNumbers[index] = value;
    calls << QStringLiteral("dd %1").arg(index);
  }
  void SetDD(int index, const QString& value) override {
    displayTexts[index] = value;
    calls << QStringLiteral("dd %1").arg(index);
  }

  void ShowLights(const ModeFlags&) override { calls << QStringLiteral("lights"); }

  void SetSliderPos(int index, float value) override { sliderPos[index] = value; }
  void ShowSlider(int index) override { hiddenSliders.remove(index); }
  void HideSlider(int index) override { hiddenSliders.insert(index); }
  bool IsSliderVisible(int index) const override { return !hiddenSliders.contains(index); }

  QMap<int, QString> labels;
  QMap<int, double> displayNumbers;
  QMap<int, QString> displayTexts;
  QMap<int, float> sliderPos;
  QSet<int> hiddenSliders;
  QStringList calls;  // every write, in order
};

}  // namespace kd::test
