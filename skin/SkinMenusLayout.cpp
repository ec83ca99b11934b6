// Sizes and places of skinned menu levels: how wide and high a level is for its items, and
// where it opens inside the work area.

#include "skin/SkinMenus.h"

#include <algorithm>

namespace {

const TDataSkinMenuItem* MenuItemSkin(const TspSkinData& Skin) {
    const int i = Skin.FindObjectDescription(QStringLiteral("MENUITEM"));
    if (i < 0) return nullptr;
    return dynamic_cast<const TDataSkinMenuItem*>(Skin.ObjectDescriptions()[i].get());
}

TSize PictureSize(const TspSkinData& Skin) {
    const TBitmap* p = Skin.Picture(Skin.PopupWindow().WindowPictureIndex);
    return p ? TSize{p->Width(), p->Height()} : TSize{0, 0};
}

} // namespace

int TSkinMenuItem::Height(const TDataSkinMenuItem& Skin) const {
    return IsLine() ? Skin.DividerRect.Height() : Skin.SkinRect.Height();
}

TFont SkinMenuFont(const TDataSkinMenuItem& Skin) {
    TFont f;
    f.SetName(Skin.Font.Name);
    f.SetHeight(Skin.Font.Height);
    f.SetStyle(Skin.Font.Style);
    f.SetColor(Skin.Font.Color);
    return f;
}

int SkinMenuTextWidth(TCanvas& Canvas, const TMenuItem& Item) {
    QString text = Item.Caption();
    if (Item.ShortCut() != scNone) text += QStringLiteral("  ") + ShortCutToText(Item.ShortCut());
    TRect r{0, 0, 0, 0};
    Canvas.DrawText(text, r, DT_CALCRECT | DT_SINGLELINE);
    return r.Width() + 2;
}

TSize SkinMenuWindowSize(const TspSkinData& Skin, const std::vector<TMenuItem*>& Items,
                         TCanvas& Canvas, int ImageColumn, int WorkHeight, bool& Scrollable) {
    Scrollable = false;
    const TDataSkinMenuItem* mi = MenuItemSkin(Skin);
    if (!mi) return {0, 0};
    const TSize pic = PictureSize(Skin);
    const TRect& items = Skin.PopupWindow().ItemsRect;
    int widest = 0;
    int itemsHeight = 0;
    for (const TMenuItem* item : Items) {
        const bool line = item->IsLine();
        if (!line) widest = std::max(widest, SkinMenuTextWidth(Canvas, *item));
        itemsHeight += line ? mi->DividerRect.Height() : mi->SkinRect.Height();
    }
    const int w = pic.cx - items.Width() + mi->SkinRect.Width() - mi->TextRect.Width() +
                  ImageColumn + widest + 16;
    int h = pic.cy - items.Height() + itemsHeight;
    if (h > WorkHeight) {
        h = WorkHeight;
        Scrollable = true;
    }
    return {w, h};
}

TPoint PlaceSkinMenu(const TRect& Anchor, TSize Size, const TRect& Work) {
    int x = Anchor.Left;
    int y = Anchor.Bottom;
    if (y + Size.cy > Work.Bottom) {
        // No room below: above the anchor, or as low as the work area allows.
        const int above = Anchor.Top - Size.cy;
        y = above >= Work.Top ? above : Work.Bottom - Size.cy;
    }
    if (x + Size.cx > Work.Right) x = Work.Right - Size.cx;
    return {std::max(x, Work.Left), std::max(y, Work.Top)};
}

TPoint PlaceSkinSubMenu(const TRect& ItemRect, TSize Size, const TRect& Work) {
    int x = ItemRect.Right;
    if (x + Size.cx > Work.Right) x = ItemRect.Left - Size.cx;
    if (x < Work.Left) x = std::max(Work.Left, Work.Right - Size.cx);
    int y = ItemRect.Top;
    if (y + Size.cy > Work.Bottom) y = Work.Bottom - Size.cy;
    return {x, std::max(y, Work.Top)};
}
