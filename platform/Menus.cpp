#include "platform/Menus.h"

#include "platform/Forms.h"

#include <algorithm>

// ---------------------------------------------------------------------------------------------
// Shortcuts

namespace {

struct TKeyName {
    unsigned Key;
    const char* Name;
};

constexpr TKeyName KeyNames[] = {
    {VK_BACK, "BkSp"},   {VK_TAB, "Tab"},    {VK_RETURN, "Enter"}, {VK_ESCAPE, "Esc"},
    {VK_SPACE, "Space"}, {VK_PRIOR, "PgUp"}, {VK_NEXT, "PgDn"},    {VK_END, "End"},
    {VK_HOME, "Home"},   {VK_LEFT, "Left"},  {VK_UP, "Up"},        {VK_RIGHT, "Right"},
    {VK_DOWN, "Down"},   {VK_INSERT, "Ins"}, {VK_DELETE, "Del"},
};

QString KeyName(unsigned Key) {
    if ((Key >= 'A' && Key <= 'Z') || (Key >= '0' && Key <= '9')) return QString(QChar(Key));
    if (Key >= VK_F1 && Key < VK_F1 + 24) return QStringLiteral("F%1").arg(Key - VK_F1 + 1);
    for (const TKeyName& k : KeyNames)
        if (k.Key == Key) return QString::fromLatin1(k.Name);
    return QString();
}

unsigned KeyFromName(const QString& Name) {
    if (Name.size() == 1) {
        const QChar c = Name[0].toUpper();
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return c.unicode();
    }
    if (Name.size() >= 2 && Name[0].toUpper() == 'F') {
        bool ok = false;
        const int n = Name.mid(1).toInt(&ok);
        if (ok && n >= 1 && n <= 24) return VK_F1 + unsigned(n - 1);
    }
    for (const TKeyName& k : KeyNames)
        if (Name.compare(QLatin1String(k.Name), Qt::CaseInsensitive) == 0) return k.Key;
    return 0;
}

} // namespace

TShortCut ShortCut(unsigned Key, TShiftState Shift) {
    if (Key > 0xFF) return 0;
    TShortCut r = TShortCut(Key);
    if (Shift.Contains(TShiftStateItem::ssShift)) r |= scShift;
    if (Shift.Contains(TShiftStateItem::ssCtrl)) r |= scCtrl;
    if (Shift.Contains(TShiftStateItem::ssAlt)) r |= scAlt;
    return r;
}

void ShortCutToKey(TShortCut Value, unsigned& Key, TShiftState& Shift) {
    Key = Value & 0xFF;
    Shift = {};
    if (Value & scShift) Shift.Include(TShiftStateItem::ssShift);
    if (Value & scCtrl) Shift.Include(TShiftStateItem::ssCtrl);
    if (Value & scAlt) Shift.Include(TShiftStateItem::ssAlt);
}

QString ShortCutToText(TShortCut Value) {
    const QString name = KeyName(Value & 0xFF);
    if (name.isEmpty()) return QString();
    QString r;
    if (Value & scShift) r += QStringLiteral("Shift+");
    if (Value & scCtrl) r += QStringLiteral("Ctrl+");
    if (Value & scAlt) r += QStringLiteral("Alt+");
    return r + name;
}

TShortCut TextToShortCut(const QString& Text) {
    QString rest = Text.trimmed();
    TShortCut mods = 0;
    for (;;) {
        const int plus = rest.indexOf('+', 1);
        if (plus < 0) break;
        const QString mod = rest.left(plus).trimmed();
        if (mod.compare("Shift", Qt::CaseInsensitive) == 0)
            mods |= scShift;
        else if (mod.compare("Ctrl", Qt::CaseInsensitive) == 0)
            mods |= scCtrl;
        else if (mod.compare("Alt", Qt::CaseInsensitive) == 0)
            mods |= scAlt;
        else
            return 0;
        rest = rest.mid(plus + 1).trimmed();
    }
    const unsigned key = KeyFromName(rest);
    return key ? TShortCut(key | mods) : 0;
}

// ---------------------------------------------------------------------------------------------
// Menu items

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner) {}

TMenuItem::~TMenuItem() {
    SetDestroying();
    FLife.reset();
    Clear();
    if (FParent) FParent->Remove(this);
}

void TMenuItem::MenuChanged() {
    if (TMenu* m = GetParentMenu(); m && !m->IsDestroying()) m->Changed();
}

void TMenuItem::SetCaption(const QString& Value) {
    if (FCaption == Value) return;
    FCaption = Value;
    MenuChanged();
}

void TMenuItem::SetShortCut(TShortCut Value) {
    if (FShortCut == Value) return;
    FShortCut = Value;
    MenuChanged();
}

void TMenuItem::TurnSiblingsOff() {
    if (!FParent) return;
    for (TMenuItem* s : FParent->FItems)
        if (s != this && s->FRadioItem && s->FGroupIndex == FGroupIndex) s->FChecked = false;
}

void TMenuItem::SetChecked(bool Value) {
    if (FChecked == Value) return;
    FChecked = Value;
    if (Value && FRadioItem) TurnSiblingsOff();
    MenuChanged();
}

void TMenuItem::SetRadioItem(bool Value) {
    if (FRadioItem == Value) return;
    FRadioItem = Value;
    if (FChecked && FRadioItem) TurnSiblingsOff();
    MenuChanged();
}

void TMenuItem::SetGroupIndex(int Value) {
    if (FGroupIndex == Value) return;
    FGroupIndex = Value;
    if (FChecked && FRadioItem) TurnSiblingsOff();
    MenuChanged();
}

void TMenuItem::SetEnabled(bool Value) {
    if (FEnabled == Value) return;
    FEnabled = Value;
    MenuChanged();
}

void TMenuItem::SetVisible(bool Value) {
    if (FVisible == Value) return;
    FVisible = Value;
    MenuChanged();
}

void TMenuItem::SetDefault(bool Value) {
    if (FDefault == Value) return;
    // Only one item of a level is the default.
    if (Value && FParent)
        for (TMenuItem* s : FParent->FItems) s->FDefault = false;
    FDefault = Value;
    MenuChanged();
}

void TMenuItem::SetImageIndex(int Value) {
    if (FImageIndex == Value) return;
    FImageIndex = Value;
    MenuChanged();
}

TBitmap* TMenuItem::Bitmap() {
    if (!FBitmap) {
        FBitmap = std::make_unique<TBitmap>();
        FBitmap->OnChange = [this](TObject*) { MenuChanged(); };
    }
    return FBitmap.get();
}

void TMenuItem::SetBitmap(const TBitmap* Value) {
    if (Value)
        Bitmap()->Assign(*Value);
    else if (FBitmap)
        FBitmap->SetSize(0, 0);
}

void TMenuItem::SetSubMenuImages(TCustomImageList* Value) {
    if (FSubMenuImages == Value) return;
    if (FSubMenuImages) RemoveFreeNotification(FSubMenuImages);
    FSubMenuImages = Value;
    if (Value) FreeNotification(Value);
    MenuChanged();
}

int TMenuItem::IndexOf(const TMenuItem* Item) const {
    auto it = std::find(FItems.begin(), FItems.end(), Item);
    return it == FItems.end() ? -1 : int(it - FItems.begin());
}

void TMenuItem::Add(TMenuItem* Item) {
    Insert(Count(), Item);
}

void TMenuItem::Insert(int Index, TMenuItem* Item) {
    if (!Item || Item == this) return;
    if (Item->FParent)
        throw EMenuError(
            QStringLiteral("菜单项已属于别的菜单，请先把它取下再插入。(Menu inserted twice)"));
    // An item cannot become a sub-item of its own sub-items.
    for (TMenuItem* p = this; p; p = p->FParent)
        if (p == Item)
            throw EMenuError(
                QStringLiteral("菜单项不能插入到它自己的子菜单里。(Menu inserted into itself)"));
    Index = std::clamp(Index, 0, Count());
    FItems.insert(FItems.begin() + Index, Item);
    Item->FParent = this;
    if (Item->FChecked && Item->FRadioItem) Item->TurnSiblingsOff();
    MenuChanged();
}

void TMenuItem::Remove(TMenuItem* Item) {
    const int i = IndexOf(Item);
    if (i < 0) return;
    FItems.erase(FItems.begin() + i);
    Item->FParent = nullptr;
    if (!IsDestroying()) MenuChanged();
}

void TMenuItem::Delete(int Index) {
    if (Index < 0 || Index >= Count())
        throw EMenuError(QStringLiteral("菜单项序号超出范围。(Menu index out of bounds)"));
    delete FItems[Index];
}

void TMenuItem::Clear() {
    while (!FItems.empty()) delete FItems.back();
}

TMenuItem* TMenuItem::Find(const QString& ACaption) const {
    auto plain = [](QString s) { return s.remove('&'); };
    const QString want = plain(ACaption);
    for (TMenuItem* i : FItems)
        if (plain(i->FCaption).compare(want, Qt::CaseInsensitive) == 0) return i;
    return nullptr;
}

TMenu* TMenuItem::GetParentMenu() const {
    const TMenuItem* i = this;
    while (i->FParent) i = i->FParent;
    return i->FMenu;
}

TCustomImageList* TMenuItem::ImageList() const {
    if (FParent && FParent->FSubMenuImages) return FParent->FSubMenuImages;
    TMenu* m = GetParentMenu();
    return m ? m->Images() : nullptr;
}

bool TMenuItem::IsTopLevel() const {
    return FParent && !FParent->FParent;
}

void TMenuItem::Click() {
    if (!FEnabled) return;
    if (FAutoCheck) SetChecked(!FChecked || FRadioItem);
    if (OnClick) OnClick(this);
}

void TMenuItem::MeasureItem(TCanvas* ACanvas, int& Width, int& Height) {
    if (OnMeasureItem) OnMeasureItem(this, ACanvas, Width, Height);
}

void TMenuItem::DrawItem(TCanvas* ACanvas, const TRect& ARect, TOwnerDrawState State) {
    if (OnAdvancedDrawItem)
        OnAdvancedDrawItem(this, ACanvas, ARect, State);
    else if (OnDrawItem)
        OnDrawItem(this, ACanvas, ARect, State.Contains(TOwnerDrawStateItem::odSelected));
}

// ---------------------------------------------------------------------------------------------
// Menus

TMenu::TMenu(TComponent* AOwner)
    : TComponent(AOwner), FItems(std::make_unique<TMenuItem>(nullptr)) {
    FItems->FMenu = this;
}

TMenu::~TMenu() {
    SetDestroying();
    FItems.reset();
}

void TMenu::SetImages(TCustomImageList* Value) {
    if (FImages == Value) return;
    if (FImages) RemoveFreeNotification(FImages);
    FImages = Value;
    if (Value) FreeNotification(Value);
    Changed();
}

void TMenu::SetOwnerDraw(bool Value) {
    if (FOwnerDraw == Value) return;
    FOwnerDraw = Value;
    Changed();
}

void TMenu::SetRightToLeft(bool Value) {
    if (FRightToLeft == Value) return;
    FRightToLeft = Value;
    Changed();
}

namespace {

TMenuItem* FindShortCut(const TMenuItem* Parent, TShortCut Key) {
    for (int i = 0; i < Parent->Count(); ++i) {
        TMenuItem* it = Parent->Items(i);
        if (!it->Visible()) continue;
        if (it->ShortCut() == Key) return it;
        if (TMenuItem* sub = FindShortCut(it, Key)) return sub;
    }
    return nullptr;
}

} // namespace

TMenuItem* TMenu::FindItemByShortCut(TShortCut Key) const {
    return Key ? FindShortCut(FItems.get(), Key) : nullptr;
}

TMenuItem* TMenu::ShortCutItem(TShortCut Key) const {
    TMenuItem* it = FindItemByShortCut(Key);
    if (!it || !it->Enabled()) return nullptr;
    // A disabled parent level disables what lies under it.
    for (TMenuItem* p = it->Parent(); p; p = p->Parent())
        if (!p->Enabled()) return nullptr;
    return it;
}

bool TMenu::IsShortCut(TShortCut Key) {
    TMenuItem* it = ShortCutItem(Key);
    if (!it) return false;
    it->Click();
    return true;
}

void TMenu::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove) return;
    if (AComponent == FImages) {
        FImages = nullptr;
        Changed();
    }
}

void TMenuItem::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FSubMenuImages) {
        FSubMenuImages = nullptr;
        MenuChanged();
    }
}

TFont MenuFont() {
    TFont f;
    f.SetName(QStringLiteral("宋体"));
    f.SetHeight(-12);
    f.SetColor(clMenuText);
    return f;
}
