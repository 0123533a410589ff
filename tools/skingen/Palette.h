#pragma once
// Colours and faces of the default skin: a dark graphite body, near-black
// screens and one sky-blue accent.

#include <QColor>
#include <QFont>
#include <QString>

namespace kd::skingen::palette {

inline const QColor kOutside{7, 8, 10};    // beyond the window outline
inline const QColor kBodyTop{44, 48, 56};  // top bar gradient
inline const QColor kBodyBar{32, 35, 41};
inline const QColor kDeckTop{30, 33, 39};  // player area gradient
inline const QColor kDeckBottom{23, 25, 30};
inline const QColor kListTop{24, 26, 31};  // playlist area gradient
inline const QColor kListBottom{19, 21, 25};
inline const QColor kScreen{10, 13, 17};  // screens the displays sit on
inline const QColor kScreenEdge{4, 5, 7};
inline const QColor kHighlight{255, 255, 255, 18};
inline const QColor kShadow{0, 0, 0, 110};

inline const QColor kAccent{64, 190, 255};  // sky blue
inline const QColor kAccentDeep{40, 120, 230};
inline const QColor kAccentSoft{64, 190, 255, 60};
inline const QColor kText{226, 232, 240};
inline const QColor kTextDim{140, 150, 166};
inline const QColor kTextFaint{96, 104, 118};
inline const QColor kIcon{200, 208, 220};

inline const QColor kButtonTop{58, 63, 73};
inline const QColor kButtonBottom{42, 46, 53};
inline const QColor kButtonEdge{12, 13, 16};
inline const QColor kGroove{8, 10, 13};
inline const QColor kGrooveEdge{60, 66, 76};

inline const QColor kGreen{74, 222, 128};
inline const QColor kAmber{251, 191, 36};
inline const QColor kRed{248, 82, 82};
inline const QColor kCloseRed{222, 60, 60};

// The face every label and caption uses (installed with the program's fonts).
inline const QString kUiFace = QStringLiteral("WenQuanYi Micro Hei");

// A font for painting captions and glyphs, by pixel size.
inline QFont UiFont(int pixelSize, bool bold = false) {
  QFont f;
  f.setFamilies({kUiFace, QStringLiteral("DejaVu Sans")});
  f.setPixelSize(pixelSize);
  f.setBold(bold);
  f.setHintingPreference(QFont::PreferFullHinting);
  return f;
}

// The face of the bitmap digits and letters.
inline QFont GlyphFace(int pixelSize, bool bold) {
  QFont f;
  f.setFamilies({QStringLiteral("DejaVu Sans"), kUiFace});
  f.setPixelSize(pixelSize);
  f.setBold(bold);
  f.setHintingPreference(QFont::PreferFullHinting);
  return f;
}

}  // namespace kd::skingen::palette
