#include "app/Uform_velna.h"

#include "app/Texts.h"
#include "app/Uform_velnaParts.h"
#include "app/cycle/Status.h"
#include "app/store/VelnaFile.h"
#include "platform/DataAccessPrefetch.h"

using velna::kSystemCaption;
using velna::kWarningCaption;

Tform_velna* form_velna = nullptr;

Tform_velna::Tform_velna(TComponent* AOwner) : TForm(AOwner) {
    BeginLoading();
    CreateComponents();
    EndLoading();
    FStore = std::make_unique<VelnaStore>(*Dconnect, *recordset_temp);
    DoCreate();
}

Tform_velna::~Tform_velna() = default;

void Tform_velna::ShowView(TPanel* View) {
    for (TPanel* p : {Panel1, Panel2, Panel3, Panel4, Panel6, Panel7, Panel8})
        if (p != View) p->SetVisible(false);
    View->SetBounds(velna::kViewBounds.Left, velna::kViewBounds.Top, View->Width(), View->Height());
    View->SetVisible(true);
    View->BringToFront();
}

void Tform_velna::FormCreate(TObject*) {
    // 1. The home view, placed over the test view.
    Panel8->SetBounds(velna::kViewBounds.Left, velna::kViewBounds.Top, Panel8->Width(),
                      Panel8->Height());
    Panel8->SetVisible(true);
    Panel8->BringToFront();
    // 2. The status line's width.
    Label3->SetWidth(cycle::StatusWidth);
    // 3. The database beside the program, or in the user's data folder when the program's
    // folder is not hers to write. A file that cannot serve is named in a message and left as
    // it is; the program goes on without it.
    const QString exe = Application->ExeName();
    Dconnect->SetConnectionString(DatabaseConnectionString(exe));
    if (std::optional<QString> problem = PrepareProgramDatabase(exe)) {
        Application->MessageBox(*problem +
                                    U("\n这次运行无法读取或保存您的例假资料。请处理好这个文件"
                                      "（例如把它移到别处，程序会建立新的数据库），"
                                      "然后重新启动程序。"),
                                U(kWarningCaption), MB_OK | MB_ICONSTOP);
        FDatabaseReady = false;
        DropPrefetch(); // the diary read ahead, if any, will not be shown
    } else {
        FDatabaseReady = true;
        // Readable but not writable: say so now rather than at every failed save.
        if (std::optional<QString> problem = DatabaseWriteProblem(DatabasePath(exe)))
            Application->MessageBox(*problem, U(kWarningCaption), MB_OK | MB_ICONWARNING);
    }
    // 4. The two calendars.
    PrepareCalendars();
}

void Tform_velna::FormShow(TObject*) {
    // 1. Today, as the platform writes a date and time.
    Label26->SetCaption(DateTimeToStr(DateOf(Env().Now())));
    if (!FDatabaseReady) return;
    // 2. The last diary date seeds the picker; with no diary yet the picker keeps today.
    if (std::optional<TDateTime> last = FStore->LastDiaryDate()) DateTimePicker1->SetDate(*last);
    // 3. The cycle length, read once.
    Phases.CycleLength = FStore->StoredCycleLength();
    // 4. The diary list.
    apart_list_update();
    // Values that could not be read were skipped above; name them once, all together.
    const std::vector<BadValue> bad = FStore->TakeBadValues();
    if (!bad.empty())
        Application->MessageBox(BadValuesReport(DatabasePath(Application->ExeName()), bad),
                                U(kWarningCaption), MB_OK | MB_ICONWARNING);
}

void Tform_velna::FlatSpeedButton3Click(TObject*) {
    ShowView(Panel3);
}

void Tform_velna::FlatSpeedButton4Click(TObject*) {
    ShowView(Panel4);
}

void Tform_velna::FlatSpeedButton5Click(TObject*) {
    Env().Beep();
    if (Application->MessageBox(U("欢迎使用本软件。确定退出吗?"), U(kSystemCaption),
                                MB_YESNO | MB_ICONQUESTION) == IDYES)
        Close();
}
