#pragma once
// A PlayerView that records every write in order, for checking what the
// player shows and when.

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include "core/PlayerView.h"

namespace kd::test {

class RecordingView : public PlayerView {
 public:
  // Log lines: "L2=text" (label), "D6=text" / "D2=7" (display), "lights 2 4"
  // (the lights shown), "S1=0.5" (slider value), "show S1", "hide S1".
  QStringList log;

  void SetLabel(int index, const QString& text) override;
  QString LabelText(int index) const override { return m_labels.value(index); }
  void SetDD(int index, double value) override;
  void SetDD(int index, const QString& value) override;
  void ShowLights(const ModeFlags& flags) override;
  void SetSliderPos(int index, float value) override;
  void ShowSlider(int index) override;
  void HideSlider(int index) override;
  bool IsSliderVisible(int index) const override { return m_visible.contains(index); }

  // The sliders the skin defines (all five unless a test says otherwise).
  QSet<int> definedSliders{1, 2, 3, 4, 5};
  float sliderValue(int index) const { return m_sliders.value(index, -1.0f); }
  QString lastLights() const { return m_lights; }
  // Log lines that start with `prefix`.
  QStringList linesStartingWith(const QString& prefix) const;
  void clear() { log.clear(); }

 private:
  QHash<int, QString> m_labels;
  QHash<int, float> m_sliders;
  QSet<int> m_visible;
  QString m_lights;
};

}  // namespace kd::test
