#pragma once
// Building blocks of the window's description: the way its labels, pictures, views and view
// buttons are made.

#include "app/Uform_velna.h"

namespace velna {

constexpr TColor kPanelColor = 14149346;   // RGB 226, 230, 215
constexpr TColor kButtonFace = 16776176;   // RGB 240, 251, 255
constexpr TColor kButtonHighlight = 33023; // RGB 255, 128, 0
// The light blue of the input fields of the settings and diary views.
constexpr TColor kInputColor = 15784392; // RGB 200, 217, 240

// Where every view sits in the window, right of the tool bar.
constexpr TRect kViewBounds = Bounds(143, 56, 438, 336);

// The window's caption, which is also the application's title.
constexpr const char* kWindowTitle = "\"Soveli\"女性安全期测试";

// Captions of the window's message boxes: questions, the delete question, input notices.
constexpr const char* kSystemCaption = "系统提示";
constexpr const char* kWarningCaption = "警告";
constexpr const char* kInputCaption = "输入提示";

// A component of type T owned by Owner, named, on Parent at Bounds (when given), in that order.
template <class T> T* Make(TComponent* Owner, TWinControl* Parent, const char* Name) {
    auto* c = new T(Owner);
    c->SetName(Name);
    c->SetParent(Parent);
    return c;
}
template <class T>
T* Make(TComponent* Owner, TWinControl* Parent, const char* Name, const TRect& Bounds) {
    T* c = Make<T>(Owner, Parent, Name);
    c->SetBoundsRect(Bounds);
    return c;
}

// 宋体, 13 pixels high unless told otherwise.
void SetSongFont(TControl* Control, int Height = -13, TColor Color = clWindowText);
// A transparent label in 宋体 at (Left, Top), sized by its caption.
void PlaceLabel(TLabel* Label, int Left, int Top, const QString& Caption,
                TColor Color = clWindowText);
TLabel* MakeLabel(TComponent* Owner, TWinControl* Parent, const char* Name, int Left, int Top,
                  const QString& Caption, TColor Color = clWindowText);
TImage* MakeImage(TComponent* Owner, TWinControl* Parent, const char* Name, int Left, int Top,
                  int Width, int Height, const char* Picture);
// A view: 438 x 336 in the panels' colour, hidden until shown.
TPanel* MakeView(TComponent* Owner, TWinControl* Parent, const char* Name,
                 const QString& Caption = {});
// A flat speed button with the tool bar's colours, a glyph from the program's pictures and a hint.
TFlatSpeedButton* MakeViewButton(TComponent* Owner, TWinControl* Parent, const char* Name, int Left,
                                 int Top, int Width, int Height, const char* Glyph,
                                 const QString& Hint, TNotifyEvent OnClick);

} // namespace velna
