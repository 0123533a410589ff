#pragma once
// A skin view that keeps what a skinned window would show (the last text of
// each label, value of each display, the lights, knob values and whether
// each knob shows).

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariant>

#include "skin/SkinView.h"
#include "support/RecordingSink.h"

namespace kd::test {

class RecordingView : public SkinView {
 public:
  void setLabelText(int index, const QString& text) override {
    labels.insert(index, text);
    if (index == kLabelTitle) titlesShown.append(text);
  }
  void drawDisplay(int index, double value) override { displays.insert(index, value); }
  void drawDisplay(int index, const QString& text) override { displays.insert(index, text); }
  // A title display `titleWidth` characters wide scrolls longer titles.
  bool titleScrolls(const QString& title) const override { return title.size() > titleWidth; }
  void showLights(const LightStates& states) override {
    lights.clear();
    for (int i = 1; i <= kLightCount; ++i) {
      if (states[i]) lights.append(QString::number(i));
    }
  }
  void placeKnob(int index, float value) override { knobs.insert(index, value); }
  void setKnobShown(int index, bool shown) override {
    if (shown) {
      shownKnobs.insert(index);
    } else {
      shownKnobs.remove(index);
    }
  }
  void setDisplayRedraw(std::function<void()> redraw) override { this->redraw = std::move(redraw); }

  QString label(int index) const { return labels.value(index, QStringLiteral("<unset>")); }
  // The lights shown, as "2 4" for lights 2 and 4.
  QString lightsShown() const { return lights.join(' '); }

  QHash<int, QString> labels;
  QHash<int, QVariant> displays;
  QStringList lights;
  QHash<int, float> knobs;
  QSet<int> shownKnobs;
  int titleWidth = 20;
  QStringList titlesShown;  // every title label 2 showed, in order
  std::function<void()> redraw;
};

}  // namespace kd::test
