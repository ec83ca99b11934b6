#include "platform/MenuWidgets.h"
#include "platform/PostedCalls.h"

#include "platform/Forms.h"
#include "platform/HostWidget.h"

#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <map>

// ---------------------------------------------------------------------------------------------
// Actions

namespace {

// Runs Work from the event loop, after the Qt menu that reported the choice has closed, so a
// handler may free the menu it was chosen from.
// Menus take the desktop's menu colours from the fixed colour table, not from the Qt theme.
void ApplyMenuPalette(QWidget* W, TColor Back) {
    QPalette pal = W->palette();
    pal.setColor(QPalette::Window, ToQColor(Back));
    pal.setColor(QPalette::Button, ToQColor(Back));
    pal.setColor(QPalette::WindowText, ToQColor(clMenuText));
    pal.setColor(QPalette::ButtonText, ToQColor(clMenuText));
    pal.setColor(QPalette::Highlight, ToQColor(clHighlight));
    pal.setColor(QPalette::HighlightedText, ToQColor(clHighlightText));
    W->setPalette(pal);
}

QImage ItemImage(TMenuItem* Item) {
    TCustomImageList* list = Item->ImageList();
    if (list && Item->ImageIndex() >= 0 && Item->ImageIndex() < list->Count())
        return list->Image(Item->ImageIndex());
    if (Item->HasBitmap()) return Item->Bitmap()->DrawingImage();
    return QImage();
}

} // namespace

TItemAction::TItemAction(TMenuItem* Item, QObject* Parent)
    : QAction(Parent), FItem(Item), FLife(Item->LifeToken()) {
    QObject::connect(this, &QAction::triggered, this,
                     [Item, Life = FLife] { PostCall(Life, [Item] { Item->Click(); }); });
}

bool TItemAction::OwnerDrawn() const {
    TMenuItem* item = Item();
    if (!item) return false;
    TMenu* menu = item->GetParentMenu();
    return menu && menu->OwnerDraw() && item->HasDrawHandler();
}

void FillAction(QAction* Action, TMenuItem* Item, bool OwnerDrawn) {
    QString text = Item->Caption();
    // Owner-drawn items show their shortcut themselves; Qt would widen the menu for it.
    if (!OwnerDrawn && Item->ShortCut()) text += '\t' + ShortCutToText(Item->ShortCut());
    // A separator's "-" is no text to show.
    Action->setText(Item->IsLine() ? QString() : text);
    Action->setSeparator(Item->IsLine());
    Action->setEnabled(Item->Enabled());
    Action->setCheckable(Item->Checked() || Item->RadioItem() || Item->AutoCheck());
    Action->setChecked(Item->Checked());
    if (Item->Default()) {
        QFont bold;
        bold.setBold(true);
        Action->setFont(bold);
    }
    if (!OwnerDrawn) {
        const QImage image = ItemImage(Item);
        if (!image.isNull()) Action->setIcon(QIcon(QPixmap::fromImage(image)));
    }
    Action->setStatusTip(Item->Hint());
}

// ---------------------------------------------------------------------------------------------
// One level of a menu

TItemMenu::TItemMenu(TMenu* Menu, TMenuItem* Parent, QWidget* ParentWidget)
    : QMenu(ParentWidget), FMenu(Menu), FParent(Parent), FLife(Parent->LifeToken()) {
    setStyle(TOwnerDrawMenuStyle::Instance());
    setFont(MenuFont().ToQFont());
    ApplyMenuPalette(this, clMenu);
    // Every visible item shows, separators at the ends or side by side too.
    setSeparatorsCollapsible(false);
    QObject::connect(this, &QMenu::aboutToShow, this, [this] { Rebuild(); });
}

void TItemMenu::Rebuild() {
    for (QAction* a : actions()) {
        removeAction(a);
        if (QMenu* sub = a->menu()) sub->deleteLater();
        a->deleteLater();
    }
    TMenuItem* parent = ParentItem();
    if (!parent) return;
    setLayoutDirection(FMenu->IsRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
    for (int i = 0; i < parent->Count(); ++i) {
        TMenuItem* item = parent->Items(i);
        if (!item->Visible()) continue;
        auto* a = new TItemAction(item, this);
        FillAction(a, item, a->OwnerDrawn());
        if (item->Count() > 0 && !item->IsLine()) a->setMenu(new TItemMenu(FMenu, item, this));
        addAction(a);
    }
}

void TItemMenu::initStyleOption(QStyleOptionMenuItem* Option, const QAction* Action) const {
    QMenu::initStyleOption(Option, Action);
    // The style finds the item through the option.
    Option->styleObject = const_cast<QAction*>(Action);
    auto* ia = dynamic_cast<const TItemAction*>(Action);
    if (ia && ia->Item() && ia->Item()->RadioItem() &&
        Option->checkType != QStyleOptionMenuItem::NotCheckable)
        Option->checkType = QStyleOptionMenuItem::Exclusive;
}

// ---------------------------------------------------------------------------------------------
// The style

TOwnerDrawMenuStyle::TOwnerDrawMenuStyle() : QProxyStyle() {
    setParent(qApp);
}

TOwnerDrawMenuStyle* TOwnerDrawMenuStyle::Instance() {
    static QPointer<TOwnerDrawMenuStyle> style;
    if (!style) style = new TOwnerDrawMenuStyle();
    return style;
}

namespace {

// The classic desktop's menu check-mark width.
constexpr int kMenuCheckWidth = 13;

const TItemAction* OwnerDrawnAction(const QStyleOption* Option) {
    if (!Option) return nullptr;
    auto* a = dynamic_cast<const TItemAction*>(Option->styleObject);
    return a && a->OwnerDrawn() ? a : nullptr;
}

// The option as the base style expects it: its style object is the widget.
QStyleOptionMenuItem PlainOption(const QStyleOption* Option, const QWidget* Widget) {
    QStyleOptionMenuItem o = *static_cast<const QStyleOptionMenuItem*>(Option);
    o.styleObject = const_cast<QWidget*>(Widget);
    return o;
}

TOwnerDrawState DrawState(const QStyleOption* Option, TMenuItem* Item, bool Bar) {
    TOwnerDrawState s;
    const bool selected = Option->state & QStyle::State_Selected;
    if (selected) s.Include(TOwnerDrawStateItem::odSelected);
    if (Bar && selected && !(Option->state & QStyle::State_Sunken))
        s.Include(TOwnerDrawStateItem::odHotLight);
    if (!Item->Enabled()) {
        s.Include(TOwnerDrawStateItem::odDisabled);
        s.Include(TOwnerDrawStateItem::odGrayed);
    }
    if (Item->Checked()) s.Include(TOwnerDrawStateItem::odChecked);
    if (Item->Default()) s.Include(TOwnerDrawStateItem::odDefault);
    return s;
}

} // namespace

QSize TOwnerDrawMenuStyle::sizeFromContents(ContentsType Type, const QStyleOption* Option,
                                            const QSize& Size, const QWidget* Widget) const {
    if (Type != CT_MenuItem && Type != CT_MenuBarItem)
        return QProxyStyle::sizeFromContents(Type, Option, Size, Widget);
    const TItemAction* a = OwnerDrawnAction(Option);
    if (!a || !a->Item()->OnMeasureItem) {
        const QStyleOptionMenuItem o = PlainOption(Option, Widget);
        return QProxyStyle::sizeFromContents(Type, &o, Size, Widget);
    }
    // An owner-drawn item is measured from nothing: its event decides the whole size.
    QImage scratch(1, 1, QImage::Format_RGB32);
    TCanvas canvas;
    canvas.BindImage(&scratch);
    canvas.SetFont(MenuFont());
    int w = 0, h = 0;
    try {
        a->Item()->MeasureItem(&canvas, w, h);
    } catch (...) {
        ApplicationHandleException(a->Item());
    }
    // Like the desktop's menus, a pop-up level adds the width of a check mark to what its
    // owner-drawn items ask for.
    if (Type == CT_MenuItem) w += kMenuCheckWidth - 1;
    return QSize(std::max(0, w), std::max(0, h));
}

void TOwnerDrawMenuStyle::drawControl(ControlElement Element, const QStyleOption* Option,
                                      QPainter* Painter, const QWidget* Widget) const {
    if (Element != CE_MenuItem && Element != CE_MenuBarItem) {
        QProxyStyle::drawControl(Element, Option, Painter, Widget);
        return;
    }
    const TItemAction* a = OwnerDrawnAction(Option);
    if (!a) {
        const QStyleOptionMenuItem o = PlainOption(Option, Widget);
        QProxyStyle::drawControl(Element, &o, Painter, Widget);
        return;
    }
    const QRect r = Option->rect;
    TCanvas canvas;
    canvas.BeginPaint(Painter, QRegion(r));
    canvas.SetFont(MenuFont());
    try {
        a->Item()->DrawItem(&canvas, Rect(r.left(), r.top(), r.right() + 1, r.bottom() + 1),
                            DrawState(Option, a->Item(), Element == CE_MenuBarItem));
    } catch (...) {
        ApplicationHandleException(a->Item());
    }
    canvas.EndPaint();
    // The desktop added the sub-menu arrow to whatever an owner-drawn item painted.
    if (Element == CE_MenuItem && a->menu()) {
        QStyleOption arrow = *Option;
        const bool rtl = Option->direction == Qt::RightToLeft;
        arrow.rect = QRect(rtl ? r.left() + 2 : r.right() - 13, r.top(), 12, r.height());
        QProxyStyle::drawPrimitive(rtl ? PE_IndicatorArrowLeft : PE_IndicatorArrowRight, &arrow,
                                   Painter, Widget);
    }
}

// ---------------------------------------------------------------------------------------------
// The menu bar

namespace {

class TBarWidget : public THost<QMenuBar> {
public:
    using THost<QMenuBar>::THost;

protected:
    void initStyleOption(QStyleOptionMenuItem* Option, const QAction* Action) const override {
        QMenuBar::initStyleOption(Option, Action);
        Option->styleObject = const_cast<QAction*>(Action);
    }
};

std::map<const TCustomForm*, TMainMenu*>& FormMenus() {
    static std::map<const TCustomForm*, TMainMenu*> menus;
    return menus;
}

} // namespace

TMenuBarControl::TMenuBarControl(TComponent* AOwner, TMainMenu* Menu)
    : TWinControl(AOwner), FMenu(Menu) {
    SetNativeWidget(true);
    SetAlign(TAlign::alTop);
}

TMenuBarControl::~TMenuBarControl() = default;

QWidget* TMenuBarControl::CreateWidget(QWidget* ParentWidget) {
    auto* bar = new TBarWidget(this, ParentWidget);
    bar->setStyle(TOwnerDrawMenuStyle::Instance());
    bar->setFont(MenuFont().ToQFont());
    ApplyMenuPalette(bar, clMenuBar);
    bar->setNativeMenuBar(false);
    return bar;
}

QMenuBar* TMenuBarControl::MenuBar() const {
    return static_cast<QMenuBar*>(Handle());
}

void TMenuBarControl::SyncLater() {
    if (FSyncPending) return;
    FSyncPending = true;
    std::weak_ptr<int> life = FLife;
    QMetaObject::invokeMethod(
        qApp,
        [this, life] {
            if (life.expired()) return;
            FSyncPending = false;
            Sync();
        },
        Qt::QueuedConnection);
}

void TMenuBarControl::Sync() {
    QMenuBar* bar = MenuBar();
    for (QAction* a : bar->actions()) {
        bar->removeAction(a);
        if (QMenu* sub = a->menu()) sub->deleteLater();
        a->deleteLater();
    }
    TMenuItem* root = FMenu->Items();
    bar->setLayoutDirection(FMenu->IsRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
    for (int i = 0; i < root->Count(); ++i) {
        TMenuItem* item = root->Items(i);
        if (!item->Visible()) continue;
        auto* a = new TItemAction(item, bar);
        FillAction(a, item, a->OwnerDrawn());
        if (item->Count() > 0) a->setMenu(new TItemMenu(FMenu, item, bar));
        bar->addAction(a);
    }
    const int h = std::max(1, bar->sizeHint().height());
    if (h != Height()) SetHeight(h);
    bar->update();
}

// ---------------------------------------------------------------------------------------------
// Main menu

TMainMenu::TMainMenu(TComponent* AOwner) : TMenu(AOwner) {}

TMainMenu::~TMainMenu() {
    SetDestroying();
    SetForm(nullptr);
}

void TMainMenu::SetForm(TCustomForm* Form) {
    if (FForm == Form) return;
    if (FForm) {
        FormMenus().erase(FForm);
        RemoveFreeNotification(FForm);
        if (FBar) {
            RemoveFreeNotification(FBar);
            delete FBar;
            FBar = nullptr;
            if (!FForm->IsDestroying()) FForm->Realign();
        }
    }
    FForm = Form;
    if (!Form) return;
    if (TMainMenu* old = FormMainMenu(Form)) old->SetForm(nullptr);
    FormMenus()[Form] = this;
    FreeNotification(Form);
    FBar = new TMenuBarControl(Form, this);
    FreeNotification(FBar);
    FBar->SetParent(Form);
    FBar->SendToBack();
    FBar->Sync();
}

void TMainMenu::Changed() {
    if (FBar && !IsDestroying()) FBar->SyncLater();
}

void TMainMenu::Notification(TComponent* AComponent, TOperation Operation) {
    TMenu::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove) return;
    if (AComponent == FBar) FBar = nullptr;
    if (AComponent == FForm) {
        FormMenus().erase(FForm);
        FForm = nullptr;
    }
}

bool FormMenuShortCut(const TCustomForm* Form, TShortCut Key) {
    TMainMenu* menu = Form ? FormMainMenu(Form) : nullptr;
    TMenuItem* item = menu && Key ? menu->ShortCutItem(Key) : nullptr;
    if (!item) return false;
    PostCall(item->LifeToken(), [item] { item->Click(); });
    return true;
}

TMainMenu* FormMainMenu(const TCustomForm* Form) {
    auto it = FormMenus().find(Form);
    return it == FormMenus().end() ? nullptr : it->second;
}

// ---------------------------------------------------------------------------------------------
// Pop-up menu

TPopupMenu::TPopupMenu(TComponent* AOwner) : TMenu(AOwner) {}

TPopupMenu::~TPopupMenu() {
    SetDestroying();
    if (FMenuWidget) {
        FMenuWidget->hide();
        // It may be the widget whose event is being handled right now.
        FMenuWidget->deleteLater();
    }
}

QMenu* TPopupMenu::MenuWidget() {
    if (!FMenuWidget) FMenuWidget = new TItemMenu(this, Items(), nullptr);
    return FMenuWidget;
}

void TPopupMenu::SetPopupComponent(TComponent* Value) {
    if (FPopupComponent == Value) return;
    if (FPopupComponent) RemoveFreeNotification(FPopupComponent);
    FPopupComponent = Value;
    if (Value) FreeNotification(Value);
}

void TPopupMenu::Notification(TComponent* AComponent, TOperation Operation) {
    TMenu::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FPopupComponent)
        FPopupComponent = nullptr;
}

void TPopupMenu::Popup(int X, int Y) {
    FPopupPoint = {X, Y};
    if (OnPopup) OnPopup(this);
    auto* m = static_cast<TItemMenu*>(MenuWidget());
    m->Rebuild();
    if (m->actions().isEmpty()) return;
    const int w = m->sizeHint().width();
    if (FAlignment == TPopupAlignment::paRight)
        X -= w;
    else if (FAlignment == TPopupAlignment::paCenter)
        X -= w / 2;
    m->popup(QPoint(X, Y));
}

bool TPopupMenu::IsShown() const {
    return FMenuWidget && FMenuWidget->isVisible();
}

void TPopupMenu::CloseMenu() {
    if (FMenuWidget) FMenuWidget->hide();
}

bool ShowControlPopupMenu(TControl* Control, TPoint ScreenPos) {
    for (TControl* c = Control; c; c = c->Parent()) {
        auto* pm = dynamic_cast<TPopupMenu*>(c->PopupMenu());
        if (!pm || !pm->AutoPopup()) continue;
        pm->SetPopupComponent(c);
        pm->Popup(ScreenPos.X, ScreenPos.Y);
        return true;
    }
    return false;
}
