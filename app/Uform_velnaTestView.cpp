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
    DateTimePicker1 =
        Make<TDateTimePicker>(this, Panel1, "DateTimePicker1", Bounds(112, 13, 145, 21));
    SetSongFont(DateTimePicker1);
    DateTimePicker1->OnChange = [this](TObject* S) { DateTimePicker1Change(S); };
    Label2 = MakeLabel(this, Panel1, "Label2", 9, 40, U("今日概况："));
    Label26 = MakeLabel(this, Panel1, "Label26", 67, 40, QString(), clNavy);
    Label3 = MakeLabel(this, Panel1, "Label3", 139, 40, U(Status.Text));
    FlatSpeedButton6 =
        MakeViewButton(this, Panel1, "FlatSpeedButton6", 352, 5, 81, 65, "btn_detail.bmp",
                       U("详细资料"), [this](TObject* S) { FlatSpeedButton6Click(S); });
    Label7 = MakeLabel(this, Panel1, "Label7", 11, 59, U(cycle::FirstCalendarCaption));
    SortGrid1 = MakeCalendar("SortGrid1", 73);
    SortGrid1->OnGetCellFormat = [this](TObject* S, int C, int R, TGridDrawState St,
                                        TFormatOptions& F, bool& Cb, bool& Co, bool& E) {
        SortGrid1GetCellFormat(S, C, R, St, F, Cb, Co, E);
    };
    Label8 = MakeLabel(this, Panel1, "Label8", 12, 195, U(cycle::SecondCalendarCaption));
    SortGrid2 = MakeCalendar("SortGrid2", 209);
    SortGrid2->OnGetCellFormat = [this](TObject* S, int C, int R, TGridDrawState St,
                                        TFormatOptions& F, bool& Cb, bool& Co, bool& E) {
        SortGrid2GetCellFormat(S, C, R, St, F, Cb, Co, E);
    };

    Panel5 = Make<TPanel>(this, Panel1, "Panel5", Bounds(352, 73, 81, 256));
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

TSortGrid* Tform_velna::MakeCalendar(const char* Name, int Top) {
    auto* g = Make<TSortGrid>(this, Panel1, Name, Bounds(12, Top, 332, 121));
    g->SetColCount(cycle::CalendarColumns);
    g->SetRowCount(cycle::CalendarWeekRows + 1);
    g->SetFixedCols(0);
    g->SetFixedRows(1);
    g->SetDefaultColWidth(46);
    g->SetDefaultRowHeight(16);
    // Cells are drawn from the format event alone.
    g->SetDefaultDrawing(false);
    g->SetFixedColor(clMoneyGreen);
    g->SetCtl3D(false);
    SetSongFont(g);
    g->SortOptions()->SetCanSort(false);
    g->SortOptions()->SetSortCol(-1);
    g->SetMultiSelect(false);
    g->SetAlignmentHorz(TAlignment::taLeftJustify);
    g->SetAlignmentVert(TVertAlignment::taTopJustify);
    g->SetBevelStyle(TCellBevelStyle::cbNone);
    return g;
}

void Tform_velna::PrepareCalendars() {
    for (TSortGrid* g : {SortGrid1, SortGrid2}) {
        g->SetMultiSelect(false);
        g->SetOptions(g->Options() - TGridOptions{TGridOption::goRowSelect});
        g->SetOptions(g->Options() - TGridOptions{TGridOption::goRangeSelect});
        g->GoToCell(5, 6, true);
        for (int c = 0; c < cycle::CalendarColumns; ++c)
            g->SetCellText(c, 0, U(cycle::WeekDayNames[size_t(c)]));
    }
}

void Tform_velna::FillCalendar(TSortGrid* Grid, int FirstWeekDay, int Days) {
    const cycle::MonthCells cells = cycle::LayoutMonth(FirstWeekDay, Days);
    for (int r = 1; r <= cycle::CalendarWeekRows; ++r)
        for (int c = 0; c < cycle::CalendarColumns; ++c) {
            const std::string& text = cells[size_t(r - 1)][size_t(c)];
            // Row 1 leaves the cells before the first day as they are.
            if (r == 1 && text.empty()) continue;
            Grid->SetCellText(c, r, U(text));
        }
}

void Tform_velna::ColourDay(const TCalendarMonth& Shown, int Col, int Row,
                            TFormatOptions& FormatOptions, const cycle::CycleShifts& Shifts) {
    // Before the first pick the calendars hold no days.
    if (Shown.Days == 0 || Row < 1 || Row > cycle::CalendarWeekRows) return;
    const int day = cycle::DayAt(Shown.FirstWeekDay, Shown.Days, Row, Col);
    TDateTime date = 0;
    if (day == 0 || !TryEncodeDate(Shown.Month.Year, Shown.Month.Month, day, date)) return;
    FormatOptions.Font->SetColor(TColor(cycle::DayColor(date, Phases, Shifts)));
}

void Tform_velna::SortGrid1GetCellFormat(TObject*, int Col, int Row, TGridDrawState,
                                         TFormatOptions& FormatOptions, bool&, bool&, bool&) {
    ColourDay(CalendarMonths[0], Col, Row, FormatOptions, cycle::FirstCalendarShifts);
}

void Tform_velna::SortGrid2GetCellFormat(TObject*, int Col, int Row, TGridDrawState,
                                         TFormatOptions& FormatOptions, bool&, bool&, bool&) {
    ColourDay(CalendarMonths[1], Col, Row, FormatOptions, cycle::SecondCalendarShifts);
}

void Tform_velna::DateTimePicker1Change(TObject*) {
    // 1. Empty day rows.
    for (TSortGrid* g : {SortGrid1, SortGrid2})
        for (int r = 1; r < g->RowCount(); ++r) g->RowStrings(r)->Clear();
    const TDateTime picked = DateTimePicker1->Date();
    int y = 0, m = 0, d = 0;
    DecodeDate(picked, y, m, d);
    const cycle::YearMonth months[] = {{y, m}, cycle::NextMonth({y, m})};
    for (size_t i = 0; i < CalendarMonths.size(); ++i) {
        const cycle::YearMonth ym = months[i];
        CalendarMonths[i] = {ym, DayOfWeek(EncodeDate(ym.Year, ym.Month, 1)),
                             MonthDays(ym.Year, ym.Month)};
    }
    Label7->SetCaption(U(cycle::MonthCaption(CalendarMonths[0].Month)));
    Label8->SetCaption(U(cycle::MonthCaption(CalendarMonths[1].Month)));
    Phases = cycle::ComputePhases(picked, Phases.CycleLength);
    WriteStatus();
    // 6. The day numbers.
    FillCalendar(SortGrid1, CalendarMonths[0].FirstWeekDay, CalendarMonths[0].Days);
    FillCalendar(SortGrid2, CalendarMonths[1].FirstWeekDay, CalendarMonths[1].Days);
}

void Tform_velna::WriteStatus() {
    Status = cycle::TodayStatus(Status, Phases, DateOf(Env().Now()));
    Label3->SetCaption(U(Status.Text));
    Label3->Font()->SetColor(TColor(Status.FontColor));
    Label3->SetWidth(Status.Width);
}

void Tform_velna::FlatSpeedButton1Click(TObject*) {
    ShowView(Panel1);
}
