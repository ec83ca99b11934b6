#include "xpmenu/XPMenu.h"

#include "xpmenu/XPColors.h"
#include "xpmenu/XPControlSubClass.h"

#include "platform/Forms.h"

#include <algorithm>

namespace {

// The painter's handlers are small function objects, so that a handler can be recognised as the
// painter's among handlers of anyone else.
struct TXPMeasureHandler {
    TXPMenu* Painter;
    void operator()(TObject* Sender, TCanvas* ACanvas, int& Width, int& Height) const {
        Painter->MeasureItem(static_cast<TMenuItem*>(Sender), ACanvas, Width, Height);
    }
};

struct TXPDrawHandler {
    TXPMenu* Painter;
    void operator()(TObject* Sender, TCanvas* ACanvas, TRect ARect, TOwnerDrawState State) const {
        Painter->DrawItem(static_cast<TMenuItem*>(Sender), ACanvas, ARect, State);
    }
};

struct TXPToolButtonHandler {
    TXPMenu* Painter;
    void operator()(TToolBar* Sender, TToolButton* Button, TCanvas* ACanvas, TRect ARect,
                    TCustomDrawState State, bool& DefaultDraw) const {
        Painter->DrawToolButton(Sender, Button, ACanvas, ARect, State, DefaultDraw);
    }
};

struct TXPBandHandler {
    TXPMenu* Painter;
    void operator()(TObject*, TControl* Control, TCanvas* Canvas, TRect& ARect,
                    TBandPaintOptions& Options) const {
        Painter->DrawBand(Control, Canvas, ARect, Options);
    }
};

template <class H, class F> bool Owns(const TXPMenu* Painter, const F& Handler) {
    const H* h = Handler.template target<H>();
    return h && h->Painter == Painter;
}

} // namespace

TXPMenu::TXPMenu(TComponent* AOwner) : TComponent(AOwner), FFont(MenuFont()) {
    FSelectFontColor = FFont.Color();
}

TXPMenu::~TXPMenu() {
    SetDestroying();
    if (FActive && Form()) Walk(Form(), false, false);
    FSubClasses.clear();
}

bool TXPMenu::IsOwnHandler(const TMenuMeasureItemEvent& Handler) const {
    return Owns<TXPMeasureHandler>(this, Handler);
}
bool TXPMenu::IsOwnHandler(const TAdvancedMenuDrawItemEvent& Handler) const {
    return Owns<TXPDrawHandler>(this, Handler);
}
bool TXPMenu::IsOwnHandler(const TTBCustomDrawBtnEvent& Handler) const {
    return Owns<TXPToolButtonHandler>(this, Handler);
}
bool TXPMenu::IsOwnHandler(const TBandPaintEvent& Handler) const {
    return Owns<TXPBandHandler>(this, Handler);
}

void TXPMenu::SetActive(bool Value) {
    if (FActive == Value) return;
    FActive = Value;
    // Read from a description, the form's other components may not exist yet.
    if (IsLoading()) {
        FActivePending = true;
        return;
    }
    if (Form()) Walk(Form(), Value, true);
    RedrawMenuBar();
}

void TXPMenu::Loaded() {
    TComponent::Loaded();
    if (!FActivePending) return;
    FActivePending = false;
    if (FActive && Form()) Walk(Form(), true, true);
    RedrawMenuBar();
}

void TXPMenu::SetFont(const TFont& Value) {
    FFont.Assign(Value);
    RedrawMenuBar();
}

void TXPMenu::SetMenuBarColor(TColor Value) {
    FMenuBarColor = Value;
    RedrawMenuBar();
}

void TXPMenu::RedrawMenuBar() {
    if (auto* form = dynamic_cast<TCustomForm*>(Form()))
        if (TMainMenu* menu = FormMainMenu(form)) menu->Changed();
}

void TXPMenu::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove) return;
    for (auto& s : FSubClasses)
        if (s->Control() == AComponent) s->ControlGone();
}

TControlSubClass* TXPMenu::SubClassOf(const TControl* Control) const {
    for (const auto& s : FSubClasses)
        if (s->Control() == Control) return s.get();
    return nullptr;
}

// ---------------------------------------------------------------------------------------------
// Walking the form

void TXPMenu::Walk(TComponent* Form, bool Activate, bool Repaint) {
    for (int i = 0; i < Form->ComponentCount(); ++i) {
        TComponent* c = Form->Components(i);
        if (c == this) continue;
        if (auto* menu = dynamic_cast<TMainMenu*>(c)) {
            if (FXPControls.Contains(TXPControl::xcMainMenu) && menu->Tag() != 999)
                WalkMenu(menu, Activate);
        } else if (auto* popup = dynamic_cast<TPopupMenu*>(c)) {
            if (FXPControls.Contains(TXPControl::xcPopupMenu)) WalkMenu(popup, Activate);
        } else if (auto* bar = dynamic_cast<TToolBar*>(c)) {
            WalkToolBar(bar, Activate, Repaint);
        } else if (auto* cbar = dynamic_cast<TControlBar*>(c)) {
            WalkControlBar(cbar, Activate, Repaint);
        } else if (auto* form = dynamic_cast<TCustomForm*>(c)) {
            Walk(form, Activate, Repaint);
        } else if (auto* control = dynamic_cast<TControl*>(c)) {
            WalkControl(control, Activate, Repaint);
        }
    }
}

void TXPMenu::WalkMenu(TMenu* Menu, bool Activate) {
    Menu->SetOwnerDraw(Activate);
    HookItems(Menu->Items(), Activate);
    Menu->Changed();
}

void TXPMenu::HookItems(TMenuItem* Parent, bool Activate) {
    for (int i = 0; i < Parent->Count(); ++i) {
        TMenuItem* item = Parent->Items(i);
        if (item->Tag() != 999) HookItem(item, Activate);
        HookItems(item, Activate);
    }
}

void TXPMenu::HookItem(TMenuItem* Item, bool Activate) {
    if (Activate) {
        const bool ownDraw = (Item->OnDrawItem || Item->OnAdvancedDrawItem) &&
                             !IsOwnHandler(Item->OnAdvancedDrawItem);
        if (!ownDraw || FOverrideOwnerDraw) Item->OnAdvancedDrawItem = TXPDrawHandler{this};
        const bool ownMeasure = Item->OnMeasureItem && !IsOwnHandler(Item->OnMeasureItem);
        if (!ownMeasure || FOverrideOwnerDraw) Item->OnMeasureItem = TXPMeasureHandler{this};
        return;
    }
    if (IsOwnHandler(Item->OnAdvancedDrawItem)) Item->OnAdvancedDrawItem = nullptr;
    if (IsOwnHandler(Item->OnMeasureItem)) Item->OnMeasureItem = nullptr;
}

void TXPMenu::WalkToolBar(TToolBar* Bar, bool Activate, bool Repaint) {
    if (!FXPControls.Contains(TXPControl::xcToolbar) ||
        Bar->ComponentState().Contains(TComponentStateItem::csDesigning))
        return;
    if (Activate) {
        Bar->SetFlat(true);
        if (!Bar->OnCustomDrawButton || IsOwnHandler(Bar->OnCustomDrawButton) || FOverrideOwnerDraw)
            Bar->OnCustomDrawButton = TXPToolButtonHandler{this};
    } else if (IsOwnHandler(Bar->OnCustomDrawButton)) {
        Bar->OnCustomDrawButton = nullptr;
    }
    if (Repaint) {
        Bar->Invalidate();
        for (int i = 0; i < Bar->ControlCount(); ++i) Bar->Controls(i)->Invalidate();
    }
}

void TXPMenu::WalkControlBar(TControlBar* Bar, bool Activate, bool Repaint) {
    if (!FXPControls.Contains(TXPControl::xcControlbar) ||
        Bar->ComponentState().Contains(TComponentStateItem::csDesigning))
        return;
    if (Activate) {
        if (!Bar->OnBandPaint || IsOwnHandler(Bar->OnBandPaint) || FOverrideOwnerDraw)
            Bar->OnBandPaint = TXPBandHandler{this};
    } else if (IsOwnHandler(Bar->OnBandPaint)) {
        Bar->OnBandPaint = nullptr;
    }
    if (Repaint) Bar->Invalidate();
}

void TXPMenu::WalkControl(TControl* Control, bool Activate, bool Repaint) {
    if (Control->ComponentState().Contains(TComponentStateItem::csDesigning)) return;
    TXPControl kind;
    TXPContainer container;
    auto* windowed = dynamic_cast<TWinControl*>(Control);
    if (!windowed || !XPControlKind(Control, kind) || !FXPControls.Contains(kind)) return;
    TWinControl* parent = Control->Parent();
    if (!parent || !XPContainerKind(parent, container) || !FXPContainers.Contains(container))
        return;
    if (Control->Tag() == 999 || parent->Tag() == 999) return;
    TControlSubClass* sub = SubClassOf(Control);
    if (Activate && !sub) {
        FSubClasses.push_back(std::make_unique<TControlSubClass>(this, windowed, kind));
        sub = FSubClasses.back().get();
        FreeNotification(Control);
    }
    if (sub) sub->SetActive(Activate);
    if (Repaint) Control->Invalidate();
}
