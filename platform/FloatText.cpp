// Floating-point numbers in text, independent of the user's locale.

#include "platform/SysUtils.h"

#include <QLocale>
#include <cmath>

bool TryStrToFloat(const QString& S, double& Value) {
    const QString t = S.trimmed();
    if (t.isEmpty()) return false;
    bool ok = false;
    const double v = QLocale::c().toDouble(t, &ok);
    if (!ok || std::isnan(v)) return false;
    Value = v;
    return true;
}
