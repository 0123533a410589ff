#include "RecordingView.h"

namespace kd::test {

void RecordingView::SetLabel(int index, const QString& text) {
  m_labels.insert(index, text);
  log.append(QStringLiteral("L%1=%2").arg(index).arg(text));
}

void RecordingView::SetDD(int index, double value) {
  log.append(QStringLiteral("D%1=%2").arg(index).arg(value));
}

void RecordingView::SetDD(int index, const QString& value) {
  log.append(QStringLiteral("D%1=%2").arg(index).arg(value));
}

void RecordingView::ShowLights(const ModeFlags& flags) {
  const auto table = LightTable(flags);
  QString line = QStringLiteral("lights");
  for (int i = 1; i <= kLightCount; ++i) {
    if (table[i]) line += QStringLiteral(" %1").arg(i);
  }
  m_lights = line;
  log.append(line);
}

void RecordingView::SetSliderPos(int index, float value) {
  m_sliders.insert(index, value);
  log.append(QStringLiteral("S%1=%2").arg(index).arg(value));
}

void RecordingView::ShowSlider(int index) {
  if (definedSliders.contains(index)) m_visible.insert(index);
  log.append(QStringLiteral("show S%1").arg(index));
}

void RecordingView::HideSlider(int index) {
  m_visible.remove(index);
  log.append(QStringLiteral("hide S%1").arg(index));
}

QStringList RecordingView::linesStartingWith(const QString& prefix) const {
  QStringList lines;
  for (const QString& line : log) {
    if (line.startsWith(prefix)) lines.append(line);
  }
  return lines;
}

}  // namespace kd::test
