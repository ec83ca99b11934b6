#pragma once
// Colour values: 0x00BBGGRR for RGB colours, 0x800000ii for the system colour of index ii, and
// clNone / clDefault for "no colour" and "the control's default".

#include <QColor>
#include <cstdint>

using TColor = int32_t;

constexpr TColor RGB(int R, int G, int B) {
    return TColor((R & 0xFF) | ((G & 0xFF) << 8) | ((B & 0xFF) << 16));
}
constexpr int GetRValue(TColor C) {
    return C & 0xFF;
}
constexpr int GetGValue(TColor C) {
    return (C >> 8) & 0xFF;
}
constexpr int GetBValue(TColor C) {
    return (C >> 16) & 0xFF;
}

constexpr TColor clSystemColor = TColor(0x80000000);
constexpr TColor SysColorValue(int Index) {
    return TColor(0x80000000u | unsigned(Index));
}

constexpr TColor clScrollBar = SysColorValue(0);
constexpr TColor clBackground = SysColorValue(1);
constexpr TColor clActiveCaption = SysColorValue(2);
constexpr TColor clInactiveCaption = SysColorValue(3);
constexpr TColor clMenu = SysColorValue(4);
constexpr TColor clWindow = SysColorValue(5);
constexpr TColor clWindowFrame = SysColorValue(6);
constexpr TColor clMenuText = SysColorValue(7);
constexpr TColor clWindowText = SysColorValue(8);
constexpr TColor clCaptionText = SysColorValue(9);
constexpr TColor clActiveBorder = SysColorValue(10);
constexpr TColor clInactiveBorder = SysColorValue(11);
constexpr TColor clAppWorkSpace = SysColorValue(12);
constexpr TColor clHighlight = SysColorValue(13);
constexpr TColor clHighlightText = SysColorValue(14);
constexpr TColor clBtnFace = SysColorValue(15);
constexpr TColor clBtnShadow = SysColorValue(16);
constexpr TColor clGrayText = SysColorValue(17);
constexpr TColor clBtnText = SysColorValue(18);
constexpr TColor clInactiveCaptionText = SysColorValue(19);
constexpr TColor clBtnHighlight = SysColorValue(20);
constexpr TColor cl3DDkShadow = SysColorValue(21);
constexpr TColor cl3DLight = SysColorValue(22);
constexpr TColor clInfoText = SysColorValue(23);
constexpr TColor clInfoBk = SysColorValue(24);
constexpr TColor clHotLight = SysColorValue(26);
constexpr TColor clGradientActiveCaption = SysColorValue(27);
constexpr TColor clGradientInactiveCaption = SysColorValue(28);
constexpr TColor clMenuHighlight = SysColorValue(29);
constexpr TColor clMenuBar = SysColorValue(30);

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor clSkyBlue = 0xF0CAA6;
constexpr TColor clCream = 0xF0FBFF;
constexpr TColor clMedGray = 0xA4A0A4;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

// Resolves a system colour through the environment's colour table; RGB colours pass unchanged.
TColor ColorToRGB(TColor Color);
QColor ToQColor(TColor Color);
TColor FromQColor(const QColor& Color);
