#pragma once
// Helpers of the flat control tests: rendering, pixel reads and a scripted world.

#include "platform/Environment.h"
#include "platform/Forms.h"

#include <QApplication>
#include <QImage>
#include <memory>

inline QImage Render(TWinControl& C) {
    QWidget* w = C.Handle();
    QImage img(w->size(), QImage::Format_RGB32);
    img.fill(Qt::magenta);
    w->render(&img);
    return img;
}

inline TColor At(const QImage& Img, int X, int Y) {
    return FromQColor(Img.pixelColor(X, Y));
}

// A shown, active borderless form in a scripted environment whose cursor the test moves.
struct TFlatWorld {
    TScriptedEnvironment* Env = nullptr;
    std::unique_ptr<TForm> Form;

    TFlatWorld() {
        auto env = std::make_unique<TScriptedEnvironment>();
        Env = env.get();
        SetEnvironment(std::move(env));
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBorderStyle(TFormBorderStyle::bsNone);
        Form->SetBounds(0, 0, 300, 200);
        Form->SetColor(RGB(10, 20, 30));
    }
    ~TFlatWorld() {
        Form.reset();
        SetEnvironment(nullptr);
    }
    void ShowActive() {
        Form->Show();
        QApplication::setActiveWindow(Form->Handle());
    }
    // Puts the cursor on a control's client point, in screen coordinates.
    void CursorTo(const TControl& C, int X, int Y) { Env->Cursor = C.ClientToScreen({X, Y}); }
    void CursorAway() { Env->Cursor = {-500, -500}; }
};
