#pragma once
// A skinned menu engine on a form that counts the close message, the program's skin, and
// small helpers to build items and drive a level by keys and by the cursor.

#include "platform/Forms.h"
#include "platform/WindowEffects.h"
#include "skin/SkinMenus.h"
#include "tests/skin/SkinTestSupport.h"

namespace skintest {

class SkinMenuTest : public SkinTest {
protected:
    void SetUp() override {
        SkinTest::SetUp();
        Stored = CommittedSkin();
        Skin = std::make_unique<TspSkinData>(nullptr);
        Skin->SetStoredSkin(Stored.get());
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBorderStyle(TFormBorderStyle::bsNone);
        Form->SetBounds(0, 0, 300, 200);
        Form->HookWindowProc(
            [this](TMessage& M, bool&) {
                if (M.Msg == SKINMSG_MENUCLOSED) ++Closed;
            },
            nullptr);
        Menu = std::make_unique<TSkinMenu>(Form.get());
        Items = std::make_unique<TPopupMenu>(nullptr);
    }
    void TearDown() override {
        Menu.reset();
        Items.reset();
        Form.reset();
        Skin.reset();
        SkinTest::TearDown();
    }

    TMenuItem* Root() const { return Items->Items(); }
    TMenuItem* AddItem(TMenuItem* Parent, const QString& Caption) {
        auto* item = new TMenuItem(Items.get());
        item->SetCaption(Caption);
        Parent->Add(item);
        return item;
    }
    const TDataSkinMenuItem* MenuItemSkin() const {
        const int i = Skin->FindObjectDescription(QStringLiteral("MENUITEM"));
        return dynamic_cast<const TDataSkinMenuItem*>(Skin->ObjectDescriptions().at(i).get());
    }
    // A key as the frame's message filter passes it on.
    bool Key(unsigned VK) {
        TMessage m{WM_KEYDOWN, VK, 0, 0};
        return Menu->FilterMessage(m);
    }
    // The cursor rests on an item; the level's tracking tick sees it.
    void CursorOnItem(TSkinPopupWindow* Level, int Index) {
        const TRect r = Level->Items(Index)->ObjectRect;
        World->Cursor = {Level->Left() + (r.Left + r.Right) / 2,
                         Level->Top() + (r.Top + r.Bottom) / 2};
        Level->TrackTick();
    }

    std::unique_ptr<TspStoredSkin> Stored;
    std::unique_ptr<TspSkinData> Skin;
    std::unique_ptr<TForm> Form;
    std::unique_ptr<TSkinMenu> Menu;
    std::unique_ptr<TPopupMenu> Items;
    int Closed = 0;
};

} // namespace skintest
