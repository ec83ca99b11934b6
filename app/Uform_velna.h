#pragma once
// The program's one window: a tool bar on the left and seven views on the right, of which one
// is shown at a time.
//
// Where each view's creation and handlers are:
//   Uform_velna.cpp              start (FormCreate, FormShow), ShowView, tool bar buttons 3-5
//   Uform_velnaResource.cpp      the window itself, tool bar, knowledge, about and home views
//   Uform_velnaTestView.cpp      test view: picker, status line, calendars (button 1)
//   Uform_velnaSettingsView.cpp  settings view (button 2, FlatCheckBox18, FlatButton5)
//   Uform_velnaDetailView.cpp    detail view: date ranges, cycle steps (buttons 6, 8, 9)
//   Uform_velnaDiaryView.cpp     diary view: list and entry form (button 7, BitBtn1-3, Panel7)
//   Uform_velnaParts.h           Make<T> and the other building blocks shared by the views

#include "app/cycle/Calendar.h"
#include "app/cycle/Phases.h"
#include "app/cycle/Status.h"
#include "app/store/VelnaStore.h"
#include "flat/TFlatButtonUnit.h"
#include "flat/TFlatCheckBoxUnit.h"
#include "flat/TFlatComboBoxUnit.h"
#include "flat/TFlatEditUnit.h"
#include "flat/TFlatGroupBoxUnit.h"
#include "flat/TFlatMaskEditUnit.h"
#include "flat/TFlatMemoUnit.h"
#include "flat/TFlatSpeedButtonUnit.h"
#include "grid/SortGrid.h"
#include "platform/ComCtrls.h"
#include "platform/DataAccess.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/ListView.h"
#include "platform/StdCtrls.h"
#include "shapedform/fcimageform.h"
#include "skin/DynamicSkinForm.h"
#include "skin/SkinCtrls.h"
#include "skin/SkinData.h"
#include "xpmenu/XPMenu.h"

#include <array>
#include <memory>
#include <optional>

class Tform_velna : public TForm {
public:
    explicit Tform_velna(TComponent* AOwner);
    ~Tform_velna() override;

    // Components, in the order the window's description creates them.
    TfcImageForm* fcImageForm1 = nullptr;
    TspStoredSkin* spStoredSkin1 = nullptr;
    TspSkinData* spSkinData1 = nullptr;
    TspDynamicSkinForm* DSF = nullptr;
    TPanel* leftPanel = nullptr;
    TImage* Image1 = nullptr;
    TFlatSpeedButton* FlatSpeedButton1 = nullptr;
    TFlatSpeedButton* FlatSpeedButton2 = nullptr;
    TFlatSpeedButton* FlatSpeedButton3 = nullptr;
    TFlatSpeedButton* FlatSpeedButton4 = nullptr;
    TFlatSpeedButton* FlatSpeedButton5 = nullptr;

    TPanel* Panel1 = nullptr;
    TLabel* Label1 = nullptr;
    TDateTimePicker* DateTimePicker1 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label26 = nullptr;
    TLabel* Label3 = nullptr;
    TFlatSpeedButton* FlatSpeedButton6 = nullptr;
    TLabel* Label7 = nullptr;
    TLabel* Label8 = nullptr;
    TSortGrid* SortGrid1 = nullptr;
    TSortGrid* SortGrid2 = nullptr;
    TPanel* Panel5 = nullptr;
    TImage* Image2 = nullptr;
    TImage* Image3 = nullptr;
    TImage* Image4 = nullptr;
    TLabel* Label4 = nullptr;
    TLabel* Label5 = nullptr;
    TLabel* Label6 = nullptr;
    TFlatSpeedButton* FlatSpeedButton7 = nullptr;

    TPanel* Panel2 = nullptr;
    TFlatGroupBox* FlatGroupBox6 = nullptr;
    TspSkinStdLabel* spSkinStdLabel1 = nullptr;
    TFlatEdit* FlatEdit1 = nullptr;
    TspSkinStdLabel* spSkinStdLabel2 = nullptr;
    TFlatComboBox* FlatEdit2 = nullptr;
    TspSkinStdLabel* spSkinStdLabel3 = nullptr;
    TFlatEdit* FlatEdit3 = nullptr;
    TspSkinStdLabel* spSkinStdLabel4 = nullptr;
    TFlatMaskEdit* FlatMaskEdit1 = nullptr;
    TspSkinStdLabel* spSkinStdLabel7 = nullptr;
    TspSkinStdLabel* spSkinStdLabel5 = nullptr;
    TFlatMemo* FlatMemo3 = nullptr;
    TFlatCheckBox* FlatCheckBox18 = nullptr;
    TFlatButton* FlatButton5 = nullptr;
    void FlatCheckBox18Click(TObject* Sender);
    void FlatButton5Click(TObject* Sender);

    TPanel* Panel3 = nullptr;
    TFlatMemo* FlatMemo1 = nullptr;
    TImage* Image6 = nullptr;

    TPanel* Panel4 = nullptr;
    TImage* Image8 = nullptr;

    TPanel* Panel6 = nullptr;
    TLabel* Label9 = nullptr;
    TLabel* Label10 = nullptr;
    TLabel* Label11 = nullptr;
    TLabel* Label12 = nullptr;
    TLabel* Label13 = nullptr;
    TLabel* Label14 = nullptr;
    TLabel* Label15 = nullptr;
    TLabel* Label16 = nullptr;
    TLabel* Label17 = nullptr;
    TLabel* Label18 = nullptr;
    TFlatSpeedButton* FlatSpeedButton8 = nullptr;
    TFlatSpeedButton* FlatSpeedButton9 = nullptr;
    TImage* Image11 = nullptr;

    TPanel* Panel7 = nullptr;
    TListView* Apart_list = nullptr;
    TPanel* Panel9 = nullptr;
    TPanel* Panel11 = nullptr;
    TspSkinButton* BitBtn1 = nullptr;
    TspSkinButton* button_add = nullptr;
    TspSkinButton* BitBtn2 = nullptr;
    TPanel* Panel10 = nullptr;
    TImage* Image9 = nullptr;
    TImage* Image10 = nullptr;
    TLabel* Label25 = nullptr;
    TBevel* Bevel1 = nullptr;
    TLabel* Label19 = nullptr;
    TLabel* Label22 = nullptr;
    TLabel* Label24 = nullptr;
    TLabel* Label21 = nullptr;
    TFlatMemo* FlatMemo2 = nullptr;
    TLabel* Label20 = nullptr;
    TFlatComboBox* FlatComboBox1 = nullptr;
    TLabel* Label23 = nullptr;
    TDateTimePicker* DateTimePicker2 = nullptr;
    TFlatButton* BitBtn3 = nullptr;
    void Apart_listSelectItem(TObject* Sender, TListItem* Item, bool Selected);
    void BitBtn1Click(TObject* Sender);
    void button_addClick(TObject* Sender);
    void BitBtn2Click(TObject* Sender);
    void BitBtn3Click(TObject* Sender);
    void Panel7Exit(TObject* Sender);
    // The entry form armed (confirm enabled) and idle (emptied, confirm disabled).
    void Panel7true();
    void Panel7false();

    TPanel* Panel8 = nullptr;
    TImage* Image7 = nullptr;

    TADOConnection* Dconnect = nullptr;
    TADOQuery* recordset_temp = nullptr;
    // Placed inactive: the window's menus and controls keep the platform's drawing.
    TXPMenu* XPMenu1 = nullptr;

    // Shared phase state: written by the picker's change, stepped by the detail view, read by
    // the calendars when they paint. Its cycle length is the stored one, read once at the show.
    cycle::PhaseState Phases;
    // What each calendar shows since the last pick (nothing before one): its month and where
    // its days fall.
    struct TCalendarMonth {
        cycle::YearMonth Month;
        int FirstWeekDay = 1;
        int Days = 0;
    };
    std::array<TCalendarMonth, 2> CalendarMonths{};
    // Today's status; the status line shows it.
    cycle::StatusLine Status{std::string(cycle::InitialStatusCaption), uint32_t(clWindowText),
                             cycle::StatusWidth};
    // The diary entry the entry form changes; none while it makes a new one.
    std::optional<int> EditedDiaryID;

    // Event handlers, bound by the window's description.
    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void DateTimePicker1Change(TObject* Sender);
    void SortGrid1GetCellFormat(TObject* Sender, int Col, int Row, TGridDrawState State,
                                TFormatOptions& FormatOptions, bool& CheckBox, bool& Combobox,
                                bool& Ellipsis);
    void SortGrid2GetCellFormat(TObject* Sender, int Col, int Row, TGridDrawState State,
                                TFormatOptions& FormatOptions, bool& CheckBox, bool& Combobox,
                                bool& Ellipsis);
    void FlatSpeedButton1Click(TObject* Sender);
    void FlatSpeedButton2Click(TObject* Sender);
    void FlatSpeedButton3Click(TObject* Sender);
    void FlatSpeedButton4Click(TObject* Sender);
    void FlatSpeedButton5Click(TObject* Sender);
    void FlatSpeedButton6Click(TObject* Sender);
    void FlatSpeedButton7Click(TObject* Sender);
    void FlatSpeedButton8Click(TObject* Sender);
    void FlatSpeedButton9Click(TObject* Sender);
    // Moves the cycle to start on Date and writes the detail view's ranges.
    void velnaday(TDateTime Date);
    void apart_list_update();

    // Shows one view: its panel goes to the content area, the six others are hidden.
    void ShowView(TPanel* View);
    VelnaStore& Store() { return *FStore; }
    // False when the database file could not be made usable at creation.
    bool DatabaseReady() const { return FDatabaseReady; }

private:
    // The window's description, one part per view (Uform_velna*View.cpp).
    void CreateComponents();
    void CreateSkin();
    void CreateMenuPainter();
    void CreateToolBar();
    void CreateTestView();
    void CreateSettingsView();
    void CreateKnowledgeView();
    void CreateAboutView();
    void CreateDetailView();
    void CreateDiaryView();
    void CreateDiaryList();
    void CreateDiaryForm();
    void CreateHomeView();
    void WriteDetailRanges();
    void WriteStatus();
    // The calendars: made with the test view, prepared at creation, filled by the picker.
    TSortGrid* MakeCalendar(const char* Name, int Top);
    void PrepareCalendars();
    void FillCalendar(TSortGrid* Grid, int FirstWeekDay, int Days);
    void ColourDay(const TCalendarMonth& Shown, int Col, int Row, TFormatOptions& FormatOptions,
                   const cycle::CycleShifts& Shifts);
    std::unique_ptr<VelnaStore> FStore;
    bool FDatabaseReady = false;
};

extern Tform_velna* form_velna;
