#include "platform/Colors.h"

#include "platform/Environment.h"

TColor ColorToRGB(TColor Color) {
    if (Color < 0) return TColor(Env().SysColor(Color & 0xFF));
    return Color;
}

QColor ToQColor(TColor Color) {
    const TColor c = ColorToRGB(Color);
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

TColor FromQColor(const QColor& Color) {
    return RGB(Color.red(), Color.green(), Color.blue());
}
