// The period diary view: the list of entries and the entry form.

#include "app/Texts.h"
#include "app/Uform_velnaParts.h"

using namespace velna;

void Tform_velna::CreateDiaryView() {
    Panel7 = MakeView(this, this, "Panel7", U("例假备忘录"));
    Apart_list = new TListView(this);
    Apart_list->SetName("Apart_list");
    Apart_list->SetParent(Panel7);
    Apart_list->SetBounds(179, 4, 254, 293);
    SetSongFont(Apart_list);
    Apart_list->SetViewStyle(TViewStyle::vsReport);
    Apart_list->SetGridLines(true);
    Apart_list->SetRowSelect(true);
    Apart_list->SetHideSelection(false);
    Apart_list->SetReadOnly(true);
    Apart_list->AddColumn(U("日期"), 80);
    Apart_list->AddColumn(U("状态"), -1);
    Apart_list->AddColumn(U("日记内容"), 120);
}

void Tform_velna::apart_list_update() {
    Apart_list->ClearItems();
    for (const DiaryRow& row : Store().LoadDiaryList()) {
        TListItem* item = Apart_list->AddItem();
        item->SetCaption(DateTimeToStr(row.Date));
        item->SubItems()->Add(row.Status);
        item->SubItems()->Add(row.Diary);
        item->SetData(row.ID);
    }
}

void Tform_velna::FlatSpeedButton7Click(TObject*) {
    ShowView(Panel7);
}
