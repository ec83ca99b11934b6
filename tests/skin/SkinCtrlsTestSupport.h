#pragma once
// A form in a scripted world with the program's skin loaded, and pixel reads of what it shows.

#include "SkinTestSupport.h"

#include "skin/SkinCtrls.h"

#include "platform/WindowEffects.h"
#include "tests/support/TestWorld.h"

namespace skintest {

inline QRgb Rgb(const TBitmap& B, int X, int Y) {
    return B.Image().pixel(X, Y) & 0xFFFFFF;
}

// A colour value as the pixels of a picture hold it.
inline QRgb RgbOf(TColor C) {
    const TColor c = ColorToRGB(C);
    return qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF) & 0xFFFFFF;
}

struct SkinnedForm : testing::Test {
    TTestWorld World;
    TForm& Form = World.NewForm(0, 0, 300, 200);
    std::unique_ptr<TspStoredSkin> Stored = CommittedSkin();
    std::unique_ptr<TspSkinData> Data = std::make_unique<TspSkinData>(nullptr);

    SkinnedForm() { Form.SetColor(RGB(10, 200, 30)); }
    ~SkinnedForm() override {
        // The form and its controls go first, as the window frees its components in order.
        World.Form.reset();
    }

    // Turns the skin's button into a morphing one before it is loaded.
    void MorphingButtonSkin(const char* Kind = "mkdefault") {
        TStrings& ini = *Stored->IniStrings();
        int i = ini.IndexOf(QStringLiteral("[button]"));
        for (; i < ini.Count() && !ini.Strings(i).isEmpty(); ++i) {
            if (ini.Strings(i) == QLatin1String("morphing=0")) ini.Put(i, "morphing=1");
            if (ini.Strings(i).startsWith(QLatin1String("morphkind=")))
                ini.Put(i, QStringLiteral("morphkind=") + QLatin1String(Kind));
        }
    }
    void LoadSkin() { Data->SetStoredSkin(Stored.get()); }

    TspSkinButton* Button(int X, int Y, int W = 75, int H = 25, bool Skin = true) {
        auto* b = new TspSkinButton(&Form);
        b->SetParent(&Form);
        b->SetBounds(X, Y, W, H);
        if (Skin) b->SetSkinData(Data.get());
        return b;
    }

    TBitmap Shot() {
        TBitmap b;
        b.SetPixelFormat(TPixelFormat::pf24bit);
        b.SetSize(Form.Width(), Form.Height());
        RenderWindow(&Form, b.Canvas(), {0, 0}, true);
        return b;
    }

    // One control drawn alone, as the screen gets it (a control that copies its parent's
    // background cannot do so while the parent itself is being rendered).
    static TBitmap ShotOf(TWinControl& C) {
        TBitmap b;
        b.SetPixelFormat(TPixelFormat::pf24bit);
        b.SetSize(C.Width(), C.Height());
        RenderWindow(&C, b.Canvas(), {0, 0}, false);
        return b;
    }

    // The skin's button picture part Part widened to W, as the button must show it.
    TBitmap Face(const TRect& Part, int W = 75) {
        TBitmap face;
        DrawWidenedSkin(4, 6, face, *Data->Picture(4), W, Part);
        return face;
    }

    // Pixels of the control at (X, Y) that differ from Expected (at the same offsets).
    int Differences(const TBitmap& Shot, const TControl& C, const TBitmap& Expected) {
        int n = 0;
        for (int y = 0; y < Expected.Height(); ++y)
            for (int x = 0; x < Expected.Width(); ++x)
                n += Rgb(Shot, C.Left() + x, C.Top() + y) != Rgb(Expected, x, y);
        return n;
    }

    static void Move(TWinControl* C, int X, int Y) {
        C->Perform(WM_MOUSEMOVE, 0, MakeLParam(X, Y));
    }
    static void Press(TWinControl* C, int X, int Y) {
        C->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(X, Y));
    }
    static void Release(TWinControl* C, int X, int Y) {
        C->Perform(WM_LBUTTONUP, 0, MakeLParam(X, Y));
    }
};

} // namespace skintest
