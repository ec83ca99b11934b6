// The period diary view: the list of entries and the entry form.

#include "app/Texts.h"
#include "app/Uform_velnaParts.h"

using namespace velna;

namespace {

constexpr TColor kConfirmColor = 14736600; // RGB 216, 220, 224

// One of the three buttons under the list: 75 x 25 as set, as high as the skin's button picture.
TspSkinButton* MakeBarButton(Tform_velna* Owner, TWinControl* Parent, const char* Name, int Left,
                             const QString& Caption, TNotifyEvent OnClick) {
    auto* b = Make<TspSkinButton>(Owner, Parent, Name, Bounds(Left, 10, 75, 25));
    b->SetCaption(Caption);
    b->SetSkinDataName(QStringLiteral("button"));
    b->SetDrawDefault(true);
    b->SetTransparent(false);
    b->SetTransparentValue(50);
    b->SetCanFocused(false);
    b->SetNumGlyhps(2);
    b->SetSpacing(1);
    b->SetSkinData(Owner->spSkinData1);
    b->OnClick = std::move(OnClick);
    return b;
}

// A panel that only arranges its children: aligned to a side, Extent wide or high, no caption.
TPanel* MakeSidePanel(Tform_velna* Owner, TWinControl* Parent, const char* Name, TAlign Align,
                      int Extent, TBevelCut Bevel) {
    auto* p = Make<TPanel>(Owner, Parent, Name);
    if (Align == TAlign::alTop || Align == TAlign::alBottom)
        p->SetHeight(Extent);
    else
        p->SetWidth(Extent);
    p->SetAlign(Align);
    p->SetBevelOuter(Bevel);
    p->SetCaption(QString());
    return p;
}

QString EntryTitle(int ID) {
    return U("第") + IntToStr(ID) + U("条日记:");
}

// The list's rows: the diary as read, each row's date written out only when the list shows it.
class DiaryListRows : public TListRows {
public:
    explicit DiaryListRows(DiaryTable Table) : FTable(std::move(Table)) {}
    int Count() const override { return FTable.Count(); }
    QString Text(int Row, int Column) const override {
        switch (Column) {
        case 0: {
            // A stored date that is no date keeps its text, so the entry can still be found.
            const std::optional<TDateTime> date = FTable.Date(Row);
            const QString bad = date ? QString() : FTable.DateText(Row);
            return bad.isEmpty() ? DateTimeToStr(date.value_or(0)) : bad;
        }
        case 1:
            return FTable.Status(Row);
        case 2:
            return FTable.Diary(Row);
        default:
            return {};
        }
    }
    intptr_t Data(int Row) const override { return FTable.ID(Row); }

private:
    DiaryTable FTable;
};

} // namespace

void Tform_velna::CreateDiaryView() {
    Panel7 = MakeView(this, this, "Panel7", U("例假备忘录"));
    Panel7->OnExit = [this](TObject* S) { Panel7Exit(S); };
    CreateDiaryList();
    Panel9 = MakeSidePanel(this, Panel7, "Panel9", TAlign::alBottom, 35, TBevelCut::bvNone);
    Panel11 = MakeSidePanel(this, Panel9, "Panel11", TAlign::alRight, 397, TBevelCut::bvNone);
    BitBtn1 = MakeBarButton(this, Panel11, "BitBtn1", 143, U("增  加[&A]"),
                            [this](TObject* S) { BitBtn1Click(S); });
    button_add = MakeBarButton(this, Panel11, "button_add", 231, U("修  改[&E]"),
                               [this](TObject* S) { button_addClick(S); });
    BitBtn2 = MakeBarButton(this, Panel11, "BitBtn2", 319, U("删  除[&D]"),
                            [this](TObject* S) { BitBtn2Click(S); });
    Panel10 = MakeSidePanel(this, Panel7, "Panel10", TAlign::alLeft, 169, TBevelCut::bvLowered);
    CreateDiaryForm();
}

void Tform_velna::CreateDiaryList() {
    Apart_list = Make<TListView>(this, Panel7, "Apart_list", Bounds(179, 4, 254, 293));
    SetSongFont(Apart_list);
    Apart_list->SetViewStyle(TViewStyle::vsReport);
    Apart_list->SetGridLines(true);
    Apart_list->SetRowSelect(true);
    Apart_list->SetHideSelection(false);
    Apart_list->SetReadOnly(true);
    Apart_list->AddColumn(U("日期"), 80);
    Apart_list->AddColumn(U("状态"), -1);
    Apart_list->AddColumn(U("日记内容"), 120);
    Apart_list->OnSelectItem = [this](TObject* S, TListItem* I, bool On) {
        Apart_listSelectItem(S, I, On);
    };
    Apart_list->OnDblClick = [this](TObject* S) { button_addClick(S); };
}

// The entry form on the left: pictures, titles, the text, state and date inputs, confirm.
void Tform_velna::CreateDiaryForm() {
    Image9 = MakeImage(this, Panel10, "Image9", 0, 0, Panel10->ClientRect().Right,
                       Panel10->ClientRect().Bottom, "diary_form.jpg");
    Image9->SetAlign(TAlign::alClient);
    Image9->SetStretch(true);
    Image10 = MakeImage(this, Panel10, "Image10", 8, 8, 33, 33, "diary_icon.png");
    Image10->SetTransparent(true);
    Label25 = MakeLabel(this, Panel10, "Label25", 45, 20, U("第一条日记:"), clRed);
    Label25->SetAutoSize(false);
    Label25->SetBounds(45, 20, 122, 17);
    Bevel1 = Make<TBevel>(this, Panel10, "Bevel1", Bounds(8, 43, 153, 4));
    Bevel1->SetShape(TBevelShape::bsTopLine);
    Label19 = MakeLabel(this, Panel10, "Label19", 86, 50, U("例假日记"), clBlack);
    Label22 = MakeLabel(this, Panel10, "Label22", 85, 49, U("例假日记"), clWhite);
    Label24 = MakeLabel(this, Panel10, "Label24", 7, 52, U("操作状态:"));
    Label24->SetAutoSize(false);
    Label24->SetBounds(7, 52, 153, 17);
    Label24->SetVisible(false);
    Label21 = MakeLabel(this, Panel10, "Label21", 8, 72, U("日记内容:"), clRed);

    FlatMemo2 = Make<TFlatMemo>(this, Panel10, "FlatMemo2", Bounds(4, 88, 161, 89));
    FlatMemo2->SetScrollBars(TScrollStyle::ssVertical);
    FlatMemo2->SetColorBorder(clGradientActiveCaption);
    FlatMemo2->SetColorFlat(kInputColor);

    Label20 = MakeLabel(this, Panel10, "Label20", 4, 190, U("例假状态:"), clRed);
    FlatComboBox1 = Make<TFlatComboBox>(this, Panel10, "FlatComboBox1", Bounds(66, 186, 98, 21));
    FlatComboBox1->Items()->Add(U("正常"));
    FlatComboBox1->Items()->Add(U("不正常"));
    FlatComboBox1->SetItemIndex(-1);

    Label23 = MakeLabel(this, Panel10, "Label23", 5, 216, U("例假时间:"), clRed);
    DateTimePicker2 =
        Make<TDateTimePicker>(this, Panel10, "DateTimePicker2", Bounds(66, 214, 99, 21));
    DateTimePicker2->SetDateFormat(TDTDateFormat::dfShort);

    BitBtn3 = Make<TFlatButton>(this, Panel10, "BitBtn3", Bounds(67, 264, 70, 22));
    BitBtn3->SetColor(kConfirmColor);
    BitBtn3->SetColorFocused(clMoneyGreen);
    BitBtn3->SetColorDown(clGradientActiveCaption);
    BitBtn3->SetColorBorder(clNavy);
    BitBtn3->SetColorHighLight(clInactiveCaptionText);
    BitBtn3->SetCaption(U("确  定[&Y]"));
    BitBtn3->SetEnabled(false);
    BitBtn3->OnClick = [this](TObject* S) { BitBtn3Click(S); };
}

void Tform_velna::apart_list_update() {
    Apart_list->ClearItems();
    // Every row is in the list; the list makes an item of a row only when one is asked for.
    Apart_list->SetRows(std::make_shared<DiaryListRows>(Store().LoadDiaryTable()));
}

void Tform_velna::FlatSpeedButton7Click(TObject*) {
    DateTimePicker2->SetDate(DateOf(Env().Now()));
    ShowView(Panel7);
}

void Tform_velna::Apart_listSelectItem(TObject*, TListItem* Item, bool Selected) {
    if (!Selected || !Item) return;
    // An entry whose stored date is unreadable (reported at start) leaves the picker as it is.
    TDateTime date = 0;
    if (TryStrToDate(Item->Caption(), date)) DateTimePicker2->SetDate(date);
    const int id = int(Item->Data());
    if (std::optional<DiaryEntry> e = Store().LoadDiaryEntry(id)) {
        FlatComboBox1->SetText(e->Status);
        FlatMemo2->SetText(e->Diary);
        Label25->SetCaption(EntryTitle(id));
    }
}

void Tform_velna::BitBtn1Click(TObject*) {
    EditedDiaryID.reset();
    Label24->SetCaption(QString());
    Panel7true();
    FlatMemo2->Clear();
    FlatComboBox1->SetText(QString());
}

void Tform_velna::button_addClick(TObject*) {
    TListItem* item = Apart_list->Selected();
    if (!item) return;
    const int id = int(item->Data());
    if (std::optional<DiaryEntry> e = Store().LoadDiaryEntry(id)) {
        // An unreadable stored date is replaced by the picker's when the change is confirmed.
        TDateTime date = 0;
        if (TryStrToDate(e->DateText, date)) DateTimePicker2->SetDate(date);
        FlatComboBox1->SetText(e->Status);
        FlatMemo2->SetText(e->Diary);
        EditedDiaryID = id;
        Label24->SetCaption(IntToStr(id));
        Label25->SetCaption(EntryTitle(id));
    }
    Panel7true();
}

void Tform_velna::BitBtn3Click(TObject*) {
    if (Trim(FlatMemo2->Text()).isEmpty()) {
        Application->MessageBox(U("日记内容不能为空!"), U(kInputCaption),
                                MB_OK | MB_ICONINFORMATION);
        FlatMemo2->SetFocus();
        return;
    }
    if (Trim(FlatComboBox1->Text()).isEmpty()) {
        Application->MessageBox(U("例假状态不能为空!"), U(kInputCaption),
                                MB_OK | MB_ICONINFORMATION);
        FlatComboBox1->SetFocus();
        return;
    }
    // A failed write ends here with the engine's message; the form stays armed with its text.
    if (EditedDiaryID)
        Store().UpdateDiary(*EditedDiaryID, DateTimePicker2->Date(), FlatComboBox1->Text(),
                            FlatMemo2->Text());
    else
        Store().InsertDiary(DateTimePicker2->Date(), FlatComboBox1->Text(), FlatMemo2->Text());
    Panel7false();
    apart_list_update();
}

void Tform_velna::BitBtn2Click(TObject*) {
    TListItem* item = Apart_list->Selected();
    if (!item) return;
    if (Application->MessageBox(U("您是否确定要删除[") + item->Caption() + U("]这条日记吗?"),
                                U(kWarningCaption), MB_YESNO | MB_ICONQUESTION) == IDYES) {
        Store().DeleteDiary(int(item->Data()));
        Apart_list->DeleteItem(item);
    }
    Apart_list->SetFocus();
    apart_list_update();
}

void Tform_velna::Panel7true() {
    BitBtn3->SetEnabled(true);
}

void Tform_velna::Panel7false() {
    FlatMemo2->Clear();
    FlatComboBox1->SetText(QString());
    BitBtn3->SetEnabled(false);
}

void Tform_velna::Panel7Exit(TObject*) {
    Panel7false();
}
