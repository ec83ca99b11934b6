#include "platform/GraphicsObjects.h"

#include <cmath>

QString MapFontFamily(const QString& Name) {
    if (Name == QString::fromUtf8("宋体") || Name.compare("SimSun", Qt::CaseInsensitive) == 0 ||
        Name == QString::fromUtf8("新宋体"))
        return QStringLiteral("AR PL UMing CN");
    if (Name.compare("Arial", Qt::CaseInsensitive) == 0 ||
        Name.compare("MS Sans Serif", Qt::CaseInsensitive) == 0 ||
        Name.compare("Tahoma", Qt::CaseInsensitive) == 0 ||
        Name.compare("Verdana", Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Sans");
    return Name;
}

TFont::TFont() = default;

void TFont::Assign(const TFont& S) {
    FName = S.FName;
    FHeight = S.FHeight;
    FColor = S.FColor;
    FStyle = S.FStyle;
    FCharset = S.FCharset;
    FPitch = S.FPitch;
    Changed();
}

void TFont::SetName(const QString& Value) {
    if (FName == Value) return;
    FName = Value;
    Changed();
}

void TFont::SetHeight(int Value) {
    if (FHeight == Value) return;
    FHeight = Value;
    Changed();
}

int TFont::Size() const {
    // Points = -Height * 72 / 96, rounded the platform's way.
    return -static_cast<int>(std::lround(FHeight * 72.0 / 96.0));
}

void TFont::SetSize(int Value) {
    SetHeight(-static_cast<int>(std::lround(Value * 96.0 / 72.0)));
}

void TFont::SetColor(TColor Value) {
    if (FColor == Value) return;
    FColor = Value;
    Changed();
}

void TFont::SetStyle(TFontStyles Value) {
    if (FStyle == Value) return;
    FStyle = Value;
    Changed();
}

void TFont::SetCharset(int Value) {
    if (FCharset == Value) return;
    FCharset = Value;
    Changed();
}

void TFont::SetPitch(TFontPitch Value) {
    if (FPitch == Value) return;
    FPitch = Value;
    Changed();
}

QFont TFont::ToQFont() const {
    QFont f(MapFontFamily(FName));
    // Chinese text in a Latin face falls back to the Chinese face already in use, not to
    // whatever the font configuration would pick.
    f.setFamilies({MapFontFamily(FName), QStringLiteral("AR PL UMing CN")});
    // A positive height is the whole cell; the character itself is about seven eighths of it.
    const int px = FHeight < 0 ? -FHeight : std::max(1, FHeight * 7 / 8);
    f.setPixelSize(std::max(1, px));
    f.setBold(FStyle.Contains(TFontStyle::fsBold));
    f.setItalic(FStyle.Contains(TFontStyle::fsItalic));
    f.setUnderline(FStyle.Contains(TFontStyle::fsUnderline));
    f.setStrikeOut(FStyle.Contains(TFontStyle::fsStrikeOut));
    if (FPitch == TFontPitch::fpFixed) f.setFixedPitch(true);
    // The desktop drew small text without smoothing; crisp glyphs keep the layout's look.
    f.setStyleStrategy(QFont::NoAntialias);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

void TPen::Assign(const TPen& S) {
    FColor = S.FColor;
    FWidth = S.FWidth;
    FStyle = S.FStyle;
    FMode = S.FMode;
    Changed();
}

void TPen::SetColor(TColor Value) {
    if (FColor == Value) return;
    FColor = Value;
    Changed();
}

void TPen::SetWidth(int Value) {
    if (Value < 0 || FWidth == Value) return;
    FWidth = Value;
    Changed();
}

void TPen::SetStyle(TPenStyle Value) {
    if (FStyle == Value) return;
    FStyle = Value;
    Changed();
}

void TPen::SetMode(TPenMode Value) {
    if (FMode == Value) return;
    FMode = Value;
    Changed();
}

TBrush::~TBrush() = default;

void TBrush::Assign(const TBrush& S) {
    FColor = S.FColor;
    FStyle = S.FStyle;
    FBitmap = S.FBitmap;
    Changed();
}

void TBrush::SetColor(TColor Value) {
    if (FColor == Value && FStyle != TBrushStyle::bsClear) return;
    FColor = Value;
    // Giving a clear brush a colour makes it solid again, as on the platform.
    if (FStyle == TBrushStyle::bsClear) FStyle = TBrushStyle::bsSolid;
    Changed();
}

void TBrush::SetStyle(TBrushStyle Value) {
    if (FStyle == Value) return;
    FStyle = Value;
    Changed();
}

void TBrush::SetBitmap(TBitmap* Value) {
    FBitmap = Value;
    Changed();
}
