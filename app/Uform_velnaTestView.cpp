// The safe-period test view: the picker, today's status and the two month calendars with
// their legend.

#include "app/Texts.h"
#include "app/Uform_velnaParts.h"
#include "app/cycle/Calendar.h"
#include "app/cycle/Status.h"

using namespace velna;

void Tform_velna::CreateTestView() {
    Panel1 = MakeView(this, this, "Panel1");
    Panel1->SetVisible(true);
    Label1 = MakeLabel(this, Panel1, "Label1", 8, 16, U("上次例假时间："));
    DateTimePicker1 = new TDateTimePicker(this);
    DateTimePicker1->SetName("DateTimePicker1");
    DateTimePicker1->SetParent(Panel1);
    DateTimePicker1->SetBounds(112, 13, 145, 21);
    SetSongFont(DateTimePicker1);
    DateTimePicker1->OnChange = [this](TObject* S) { DateTimePicker1Change(S); };
    Label2 = MakeLabel(this, Panel1, "Label2", 9, 40, U("今日概况："));
    Label26 = MakeLabel(this, Panel1, "Label26", 67, 40, QString(), clNavy);
    Label3 = MakeLabel(this, Panel1, "Label3", 139, 40, U(cycle::InitialStatusCaption));
    FlatSpeedButton6 =
        MakeViewButton(this, Panel1, "FlatSpeedButton6", 352, 5, 81, 65, "btn_detail.bmp",
                       U("详细资料"), [this](TObject* S) { FlatSpeedButton6Click(S); });
    Label7 = MakeLabel(this, Panel1, "Label7", 11, 59, U(cycle::FirstCalendarCaption));
    Label8 = MakeLabel(this, Panel1, "Label8", 12, 195, U(cycle::SecondCalendarCaption));

    Panel5 = new TPanel(this);
    Panel5->SetName("Panel5");
    Panel5->SetParent(Panel1);
    Panel5->SetBounds(352, 73, 81, 256);
    Panel5->SetBorderStyle(TBorderStyle::bsSingle);
    Panel5->SetCtl3D(false);
    Panel5->SetBevelOuter(TBevelCut::bvNone);
    Panel5->SetColor(kPanelColor);
    Image2 = MakeImage(this, Panel5, "Image2", 16, 16, 40, 15, "swatch_green.jpg");
    Image3 = MakeImage(this, Panel5, "Image3", 16, 77, 40, 15, "swatch_red.jpg");
    Image4 = MakeImage(this, Panel5, "Image4", 16, 136, 40, 15, "swatch_black.jpg");
    Label4 = MakeLabel(this, Panel5, "Label4", 14, 40, U("安全期   "));
    Label5 = MakeLabel(this, Panel5, "Label5", 14, 101, U("危险期   "));
    Label6 = MakeLabel(this, Panel5, "Label6", 14, 160, U("月经期   "));
    FlatSpeedButton7 =
        MakeViewButton(this, Panel5, "FlatSpeedButton7", 2, 188, 75, 64, "diary.bmp",
                       U("例假备忘录"), [this](TObject* S) { FlatSpeedButton7Click(S); });
}

void Tform_velna::DateTimePicker1Change(TObject*) {
    PickedDate = DateTimePicker1->Date();
    int y = 0, m = 0, d = 0;
    DecodeDate(PickedDate, y, m, d);
    const cycle::YearMonth month{y, m};
    const cycle::YearMonth next = cycle::NextMonth(month);
    DaysInMonth = MonthDays(month.Year, month.Month);
    DaysInNextMonth = MonthDays(next.Year, next.Month);
    Label7->SetCaption(U(cycle::MonthCaption(month)));
    Label8->SetCaption(U(cycle::MonthCaption(next)));
    Phases = cycle::ComputePhases(PickedDate, CycleLength);
    WriteStatus();
}

void Tform_velna::WriteStatus() {
    const cycle::StatusLine before{Utf8(Label3->Caption()), uint32_t(Label3->Font()->Color()),
                                   Label3->Width()};
    const cycle::StatusLine after =
        cycle::TodayStatus(before, Phases, CycleLength, DateOf(Env().Now()));
    Label3->SetCaption(U(after.Text));
    Label3->Font()->SetColor(TColor(after.FontColor));
    Label3->SetWidth(after.Width);
}

void Tform_velna::FlatSpeedButton1Click(TObject*) {
    ShowView(Panel1);
}
