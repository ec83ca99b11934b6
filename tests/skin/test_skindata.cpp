// Loading a stored skin into descriptions and telling the forms about it.
#include "SkinTestSupport.h"

#include "platform/Forms.h"

using namespace skintest;

namespace {

struct Seen {
    const TCustomForm* Form;
    unsigned Msg;
    WPARAM W;
    LPARAM L;
};

// Records the skin messages each form receives, in order.
class Recorder {
public:
    void Watch(TCustomForm* F) {
        F->HookWindowProc(
            [this, F](TMessage& M, bool&) {
                if (M.Msg == SKINMSG_BEFORE_CHANGE || M.Msg == SKINMSG_AFTER_CHANGE)
                    Log.push_back({F, M.Msg, M.WParam, M.LParam});
            },
            nullptr);
    }
    std::vector<Seen> Log;
};

QString MinimalIni(const QString& Extra) {
    return QStringLiteral("[VERSION]\nskinname=tiny\n[SKINCONTROLS]\ncount=1\n0=button:button\n"
                          "[button]\nskinrect=0,0,24,21\n") +
           Extra;
}

} // namespace

TEST_F(SkinTest, TheProgramsSkinLoadsItsDescriptions) {
    auto stored = CommittedSkin();
    TspSkinData data(nullptr);
    EXPECT_TRUE(data.NoSkin());
    data.SetStoredSkin(stored.get());
    ASSERT_FALSE(data.NoSkin());
    EXPECT_EQ(data.LoadedSkinName(), "winxpsteel");
    EXPECT_EQ(data.ObjectDescriptions().size(), 12u);
    EXPECT_EQ(data.ControlDescriptions().size(), 45u);
    EXPECT_EQ(data.AreaDescriptions().size(), 0u);
    EXPECT_EQ(data.PictureCount(), 8);
    EXPECT_EQ(data.Picture(4)->Width(), 72);
    EXPECT_EQ(data.Picture(8), nullptr);
    EXPECT_EQ(data.Picture(-1), nullptr);
    EXPECT_EQ(data.FirstCursorIndex(), 1);
    EXPECT_EQ(data.FindControlDescription("button"), 0);
    EXPECT_EQ(data.FindControlDescription("Button"), -1);
    EXPECT_EQ(data.FindObjectDescription("caption1"), 1);
    EXPECT_EQ(data.FindObjectDescription("MENUITEM"), 0);
    EXPECT_EQ(data.FindAreaDescription("caption1"), -1);
    EXPECT_EQ(data.FramePicture(TSkinSlot::Picture)->Width(), 152);
    EXPECT_TRUE(data.FramePicture(TSkinSlot::RollUpPicture)->Empty());
}

TEST_F(SkinTest, TheProgramsButtonLabelAndFrameValues) {
    auto stored = CommittedSkin();
    TspSkinData data(nullptr);
    data.SetStoredSkin(stored.get());
    auto* b = dynamic_cast<TDataSkinButtonControl*>(
        data.ControlDescriptions()[data.FindControlDescription("button")].get());
    ASSERT_TRUE(b);
    EXPECT_EQ(b->PictureIndex, 4);
    EXPECT_EQ(b->SkinRect, Rect(0, 0, 24, 21));
    EXPECT_EQ(b->LTPoint, Point(4, 8));
    EXPECT_EQ(b->RTPoint, Point(18, 9));
    EXPECT_EQ(b->LBPoint, Point(0, 0));
    EXPECT_EQ(b->RBPoint, Point(0, 0));
    EXPECT_EQ(b->ClientRect, Rect(2, 2, 22, 19));
    EXPECT_EQ(b->ActiveSkinRect, Rect(48, 0, 72, 21));
    EXPECT_EQ(b->DownSkinRect, Rect(24, 0, 48, 21));
    EXPECT_EQ(b->Font.Name, "Arial");
    EXPECT_EQ(b->Font.Height, 14);
    EXPECT_EQ(b->Font.Color, 0);
    EXPECT_FALSE(b->Morphing);
    auto* label = dynamic_cast<TDataSkinStdLabelControl*>(
        data.ControlDescriptions()[data.FindControlDescription("stdlabel")].get());
    ASSERT_TRUE(label);
    EXPECT_EQ(label->PictureIndex, -1);
    EXPECT_EQ(label->Font.Height, 14);

    const TSkinFormInfo& f = data.FormInfo();
    EXPECT_EQ(f.ClientRect, Rect(5, 29, 147, 120));
    EXPECT_EQ(f.BorderWidth, 3);
    auto object = [&](const char* name) {
        return data.ObjectDescriptions()[data.FindObjectDescription(name)].get();
    };
    EXPECT_EQ(object("caption1")->SkinRect, Rect(27, 6, 56, 24));
    EXPECT_TRUE(dynamic_cast<TDataSkinCaption*>(object("caption1")));
    const std::pair<const char*, TRect> buttons[] = {{"closebutton", Rect(127, 4, 148, 25)},
                                                     {"maximizebutton", Rect(104, 4, 125, 25)},
                                                     {"minimizebutton", Rect(81, 4, 102, 25)},
                                                     {"rollupbutton", Rect(58, 4, 79, 25)},
                                                     {"sysmenubutton", Rect(6, 7, 23, 23)}};
    for (const auto& [name, rect] : buttons) {
        auto* sb = dynamic_cast<TDataSkinStdButton*>(object(name));
        ASSERT_TRUE(sb) << name;
        EXPECT_EQ(sb->SkinRect, rect) << name;
        // Hover and pressed faces come from a picture the skin really has.
        EXPECT_TRUE(data.Picture(sb->ActivePictureIndex)) << name;
    }
    EXPECT_EQ(dynamic_cast<TDataSkinStdButton*>(object("closebutton"))->Command,
              TStdCommand::cmClose);
    int bars = 0;
    for (const auto& o : data.ObjectDescriptions())
        if (o->IDName.startsWith("menubar") && dynamic_cast<TDataSkinMainMenuBarButton*>(o.get()))
            ++bars;
    EXPECT_EQ(bars, 4);
}

TEST_F(SkinTest, FormsHearOfTheChangeOwnerFirst) {
    TForm other(nullptr);
    TForm owner(nullptr);
    Recorder rec;
    rec.Watch(&other);
    rec.Watch(&owner);
    auto stored = CommittedSkin();
    auto* data = new TspSkinData(&owner);
    data->SetStoredSkin(stored.get());
    ASSERT_EQ(rec.Log.size(), 4u);
    const WPARAM self = reinterpret_cast<WPARAM>(data);
    EXPECT_EQ(rec.Log[0].Form, &owner);
    EXPECT_EQ(rec.Log[0].Msg, SKINMSG_BEFORE_CHANGE);
    EXPECT_EQ(rec.Log[1].Form, &other);
    EXPECT_EQ(rec.Log[1].Msg, SKINMSG_BEFORE_CHANGE);
    EXPECT_EQ(rec.Log[2].Form, &owner);
    EXPECT_EQ(rec.Log[2].Msg, SKINMSG_AFTER_CHANGE);
    EXPECT_EQ(rec.Log[3].Form, &other);
    for (const Seen& s : rec.Log) {
        EXPECT_EQ(s.W, self);
        EXPECT_EQ(s.L, 1000);
    }
}

TEST_F(SkinTest, AFormGoneDuringTheMessageIsNotToldAgain) {
    TForm owner(nullptr);
    auto* doomed = new TForm(nullptr);
    owner.HookWindowProc(
        [&](TMessage& M, bool&) {
            if (M.Msg == SKINMSG_BEFORE_CHANGE && doomed) {
                delete doomed;
                doomed = nullptr;
            }
        },
        nullptr);
    auto stored = CommittedSkin();
    TspSkinData data(&owner);
    data.SetStoredSkin(stored.get());
    EXPECT_FALSE(data.NoSkin());
}

TEST_F(SkinTest, AnUnreadableRectAbortsTheLoad) {
    TForm owner(nullptr);
    Recorder rec;
    rec.Watch(&owner);
    auto good = CommittedSkin();
    TspSkinData data(&owner);
    data.ApplyStoredSkin(good.get());
    rec.Log.clear();
    auto bad = IniSkin(MinimalIni("clientrect=2,2,22\n"));
    EXPECT_THROW(data.ApplyStoredSkin(bad.get()), EConvertError);
    EXPECT_TRUE(data.NoSkin());
    EXPECT_TRUE(data.ControlDescriptions().empty());
    EXPECT_EQ(data.PictureCount(), 0);
    ASSERT_EQ(rec.Log.size(), 1u);
    EXPECT_EQ(rec.Log[0].Msg, SKINMSG_BEFORE_CHANGE);

    // Through the property the failure is reported, and the program goes on without a skin.
    data.SetStoredSkin(bad.get());
    EXPECT_TRUE(data.NoSkin());
    ASSERT_FALSE(World->Boxes.empty());
    EXPECT_TRUE(World->Boxes.back().Text.contains("[button]"));
}

TEST_F(SkinTest, ListEntriesWithoutColonOrKnownKindMakeNothing) {
    auto skin =
        IniSkin("[SKINCONTROLS]\ncount=2000000000\n0=button:button\n1=nocolon\n2=x:unknown\n5=lbl:"
                "stdlabel\n"
                "7=late:label\n[SKINOBJECTS]\ncount=-4\n0=caption1:caption\n[SKINAREAS]\ncount=2\n"
                "0=logo:1,2,3,4\n1=logo:5,6,7,8\n2=beyond:1,1,1,1\n");
    TspSkinData data(nullptr);
    data.ApplyStoredSkin(skin.get());
    ASSERT_EQ(data.ControlDescriptions().size(), 3u);
    EXPECT_EQ(data.ControlDescriptions()[1]->IDName, "lbl");
    EXPECT_EQ(data.ControlDescriptions()[2]->IDName, "late");
    EXPECT_TRUE(data.ObjectDescriptions().empty());
    ASSERT_EQ(data.AreaDescriptions().size(), 2u);
    EXPECT_EQ(data.FindAreaDescription("logo"), 0);
    EXPECT_EQ(data.AreaDescriptions()[1].AreaRect, Rect(5, 6, 7, 8));
}

TEST_F(SkinTest, AnchorsAreClampedIntoTheClientRectUnlessTheFrameHasNoMiddle) {
    auto skin = IniSkin(
        "[FORMINFO]\nclientrect=5,29,147,120\nlefttoppoint=2,3\nrighttoppoint=150,4\n"
        "leftbottompoint=1,124\nrightbottompoint=151,125\n[CURSORS]\nstartcursorindex=-3\n");
    TspSkinData data(nullptr);
    data.ApplyStoredSkin(skin.get());
    const TSkinFormInfo& f = data.FormInfo();
    EXPECT_EQ(f.LTPoint, Point(5, 29));
    EXPECT_EQ(f.RTPoint, Point(147, 29));
    EXPECT_EQ(f.LBPoint, Point(5, 120));
    EXPECT_EQ(f.RBPoint, Point(147, 120));
    EXPECT_EQ(data.FirstCursorIndex(), 1);

    auto flat =
        IniSkin("[FORMINFO]\nclientrect=5,29,147,120\nlefttoppoint=2,3\nrighttoppoint=150,4\n"
                "rightbottompoint=2,125\n");
    data.ApplyStoredSkin(flat.get());
    EXPECT_EQ(data.FormInfo().LTPoint, Point(2, 3));
    EXPECT_EQ(data.FormInfo().RTPoint, Point(150, 4));
}

TEST_F(SkinTest, RemovingTheStoredSkinKeepsTheLoadedSkin) {
    auto stored = CommittedSkin();
    TspSkinData data(nullptr);
    data.SetStoredSkin(stored.get());
    stored.reset();
    EXPECT_EQ(data.StoredSkin(), nullptr);
    EXPECT_FALSE(data.NoSkin());
    EXPECT_EQ(data.ControlDescriptions().size(), 45u);
    data.ResetSkin();
    EXPECT_TRUE(data.NoSkin());
    EXPECT_TRUE(data.ControlDescriptions().empty());
    EXPECT_TRUE(data.FramePicture(TSkinSlot::Picture)->Empty());
}

TEST_F(SkinTest, ADamagedStoredSkinIsNotApplied) {
    auto stored = CommittedSkin();
    EXPECT_THROW(stored->ReadPictures(QByteArray("\x00BMxx", 5)), EReadError);
    TspSkinData data(nullptr);
    EXPECT_THROW(data.ApplyStoredSkin(stored.get()), EReadError);
    EXPECT_TRUE(data.NoSkin());
    EXPECT_TRUE(data.ObjectDescriptions().empty());
}
