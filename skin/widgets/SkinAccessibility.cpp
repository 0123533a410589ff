#include "skin/widgets/SkinAccessibility.h"

#include <QAccessibleWidget>

#include "core/Commands.h"
#include "skin/SkinView.h"
#include "skin/widgets/ButtonZone.h"
#include "skin/widgets/SkinKnob.h"
#include "skin/widgets/SkinWindow.h"

namespace kd {

namespace {

// "ToggleStopAfterEach" -> "Toggle stop after each".
QString wordsOf(const char* camelCase) {
  QString words;
  for (const char* c = camelCase; *c != '\0'; ++c) {
    const QChar ch = QLatin1Char(*c);
    if (ch.isUpper() && !words.isEmpty()) {
      words += QLatin1Char(' ');
      words += ch.toLower();
    } else {
      words += ch;
    }
  }
  return words;
}

class ButtonZoneAccessible : public QAccessibleWidget {
 public:
  explicit ButtonZoneAccessible(ButtonZone* zone) : QAccessibleWidget(zone, QAccessible::Button) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name) {
      const QString tip = widget()->toolTip().trimmed();
      return tip.isEmpty() ? ButtonNameOf(zone()->index()) : tip;
    }
    return QAccessibleWidget::text(kind);
  }
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& action) override {
    if (action == pressAction() && zone()->isVisibleTo(zone()->window())) zone()->activate();
  }

 private:
  ButtonZone* zone() const { return static_cast<ButtonZone*>(widget()); }
};

// The value is the knob's place along its track in percent.
class SkinKnobAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  explicit SkinKnobAccessible(SkinKnob* knob) : QAccessibleWidget(knob, QAccessible::Slider) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }
  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name) {
      const QString tip = widget()->toolTip().trimmed();
      return tip.isEmpty() ? SliderNameOf(knob()->index()) : tip;
    }
    if (kind == QAccessible::Value) return QString::number(currentValue().toInt());
    return QAccessibleWidget::text(kind);
  }

  QVariant currentValue() const override {
    const SkinWindow* window = skinWindow();
    return window ? qRound(window->sliderValue(knob()->index()) * 100.0f) : 0;
  }
  void setCurrentValue(const QVariant& value) override {
    bool ok = false;
    const double percent = value.toDouble(&ok);
    if (SkinWindow* window = skinWindow(); window && ok && percent == percent) {
      window->setSliderByUser(knob()->index(), static_cast<float>(percent / 100.0));
    }
  }
  QVariant maximumValue() const override { return 100; }
  QVariant minimumValue() const override { return 0; }
  QVariant minimumStepSize() const override { return 1; }

 private:
  SkinKnob* knob() const { return static_cast<SkinKnob*>(widget()); }
  SkinWindow* skinWindow() const { return qobject_cast<SkinWindow*>(widget()->parentWidget()); }
};

QAccessibleInterface* skinAccessibleFactory(const QString&, QObject* object) {
  if (auto* zone = qobject_cast<ButtonZone*>(object)) return new ButtonZoneAccessible(zone);
  if (auto* knob = qobject_cast<SkinKnob*>(object)) return new SkinKnobAccessible(knob);
  return nullptr;
}

}  // namespace

void InstallSkinAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(skinAccessibleFactory);
    return true;
  }();
  Q_UNUSED(installed);
}

QString ButtonNameOf(int index) {
  if (index >= kFirstSkinLink && index < kFirstWebLink) {
    return QStringLiteral("Skin link %1").arg(index - kFirstSkinLink + 1);
  }
  if (index >= kFirstWebLink && index <= kLastLinkCode) {
    return QStringLiteral("Web link %1").arg(index - kFirstWebLink + 1);
  }
  const CommandRow* row = FindCommand(index);
  return row ? wordsOf(row->name) : QStringLiteral("Button %1").arg(index);
}

QString SliderNameOf(int index) {
  switch (index) {
    case kSliderPosition:
      return QStringLiteral("Position");
    case kSliderVolume:
      return QStringLiteral("Volume");
    case kSliderBalance:
      return QStringLiteral("Balance");
    case kSliderVolumeBar:
      return QStringLiteral("Volume bar");
    case kSliderRate:
      return QStringLiteral("Speed");
    default:
      return QStringLiteral("Slider %1").arg(index);
  }
}

}  // namespace kd
