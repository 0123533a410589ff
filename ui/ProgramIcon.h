#pragma once
// kavorodeck's own icon, in the default skin's colours: a graphite tile with
// a sky-blue disc and a play mark. Painted in every size a tray or a window
// manager commonly asks for, so none of them is a scaled copy.

#include <QIcon>
#include <QImage>

namespace kd {

// The sizes the icon is painted in.
inline constexpr int kProgramIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// The icon with every size above.
QIcon ProgramIcon();
// One size of it.
QImage PaintProgramIcon(int size);

}  // namespace kd
