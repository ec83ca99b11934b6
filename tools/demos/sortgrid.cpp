// Tries the sorting grid by hand: a few hundred records with every kind of cell widget, header
// sorting, several selected rows (click, Ctrl-click, Shift-click, Shift with the arrows),
// type-ahead, Ctrl+Insert/Delete, and a filter switched on and off with the button.
//
//   demo_sortgrid [--filtered] [--select] [--combo] [--shot FILE]
// The switches put the window into one of those states at start; --shot saves the window to
// FILE once it shows and quits.

#include "grid/SortGrid.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"
#include "platform/WidgetOf.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstring>

namespace {

const QStringList Kinds = {QStringLiteral("水果"), QStringLiteral("蔬菜"), QStringLiteral("谷物"),
                           QStringLiteral("饮料")};
const QStringList Names = {"apple",  "banana", "cherry", "date",  "elder", "fig",
                           "grape",  "kiwi",   "lemon",  "mango", "olive", "pear",
                           "quince", "rice",   "tea",    "wheat", "yam",   "zucchini"};
enum Column { ColName, ColAmount, ColDate, ColDone, ColKind, ColNote, ColumnCount };

class TDemoForm : public TForm {
public:
    explicit TDemoForm(TComponent* AOwner) : TForm(AOwner) {
        SetCaption(QStringLiteral("排序表格演示"));
        SetBounds(60, 40, 720, 520);
        Grid = new TSortGrid(this);
        Grid->SetParent(this);
        Grid->SetBounds(8, 40, 704, 440);
        Grid->SetColCount(ColumnCount);
        Grid->SetDefaultRowHeight(20);
        Grid->SetOptions(Grid->Options() + TGridOptions{TGridOption::goColSizing});
        Grid->SetMultiSelect(true);
        Grid->SetExtendedKeys(true);
        Grid->SortOptions()->SetSortStyle(TSortStyle::ssAutomatic);
        FillRows();
        Grid->OnGetCellFormat = [this](TObject*, int Col, int Row, TGridDrawState,
                                       TFormatOptions& F, bool& CheckBox, bool& Combobox,
                                       bool& Ellipsis) {
            Format(Col, Row, F, CheckBox, Combobox, Ellipsis);
        };
        Grid->OnGetComboBox = [](TObject*, int, int, TStrings*& Strs, int&, int&, bool&) {
            for (const QString& k : Kinds) Strs->Add(k);
        };
        Grid->OnSetEllipsis = [this](TObject*, int, int Row) {
            Grid->SetCellText(ColNote, Row, Grid->CellText(ColNote, Row) + QStringLiteral("…"));
        };
        Grid->OnRowSelected = [this](TObject*) { ShowStatus(); };

        Filter = new TButton(this);
        Filter->SetParent(this);
        Filter->SetBounds(8, 8, 160, 26);
        Filter->SetCaption(QStringLiteral("只看未完成的 (筛选)"));
        Filter->OnClick = [this](TObject*) { SetFiltered(!Grid->Filtered()); };
        Grid->OnSetFilter = [](TStrings* Row, bool& Accept) {
            Accept = Row->Strings(ColDone) != QLatin1String("true");
        };

        Status = new TEdit(this);
        Status->SetParent(this);
        Status->SetBounds(176, 8, 536, 26);
        Status->SetReadOnly(true);
        ShowStatus();
    }

    void SetFiltered(bool On) {
        Grid->SetFiltered(On);
        Filter->SetCaption(On ? QStringLiteral("显示全部 (取消筛选)")
                              : QStringLiteral("只看未完成的 (筛选)"));
        ShowStatus();
    }

    TSortGrid* Grid = nullptr;
    TButton* Filter = nullptr;
    TEdit* Status = nullptr;

private:
    void FillRows() {
        constexpr int rows = 300;
        Grid->SetRowCount(rows + 1);
        const QStringList header = {QStringLiteral("名称"), QStringLiteral("数量"),
                                    QStringLiteral("日期"), QStringLiteral("完成"),
                                    QStringLiteral("类别"), QStringLiteral("备注")};
        for (int c = 0; c < ColumnCount; ++c) Grid->SetCellText(c, 0, header[c]);
        for (int r = 1; r <= rows; ++r) {
            Grid->SetCellText(ColName, r, Names[r % Names.size()] + QString::number(r));
            Grid->SetCellText(ColAmount, r, QString::number((r * 37) % 1000));
            Grid->SetCellText(ColDate, r,
                              QStringLiteral("2026-%1-%2")
                                  .arg(1 + r % 12, 2, 10, QLatin1Char('0'))
                                  .arg(1 + r % 28, 2, 10, QLatin1Char('0')));
            Grid->SetCellText(ColDone, r, r % 3 == 0 ? QStringLiteral("true") : QString());
            Grid->SetCellText(ColKind, r, Kinds[r % Kinds.size()]);
            Grid->SetCellText(ColNote, r, QString());
        }
        Grid->SetColWidths(ColName, 130);
        Grid->SetColWidths(ColDate, 110);
        Grid->SetColWidths(ColDone, 50);
        Grid->SetColWidths(ColKind, 90);
    }

    void Format(int Col, int Row, TFormatOptions& F, bool& CheckBox, bool& Combobox,
                bool& Ellipsis) {
        if (Row == 0) {
            F.Brush->SetColor(clBtnFace);
            F.Font->SetColor(clWindowText);
            F.AlignmentHorz = TAlignment::taCenter;
            return;
        }
        F.Brush->SetColor(Row % 2 ? clWindow : TColor(0xF4EEE8));
        F.Font->SetColor(clWindowText);
        CheckBox = Col == ColDone;
        Combobox = Col == ColKind;
        Ellipsis = Col == ColNote;
        if (Col == ColAmount) F.AlignmentHorz = TAlignment::taRightJustify;
    }

    void ShowStatus() {
        Status->SetText(QStringLiteral("选中 %1 行: %2   当前行 %3   隐藏 %4 行")
                            .arg(Grid->SelectedRows()->Count())
                            .arg(Grid->SelectedRows()->ToStringList().mid(0, 12).join(','))
                            .arg(Grid->CurrentRow())
                            .arg(Grid->HiddenRowCount()));
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Application->Initialize();
    Application->SetTitle(QStringLiteral("排序表格演示"));
    TDemoForm* form = nullptr;
    Application->CreateForm(form);
    QString shot;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--filtered")) form->SetFiltered(true);
        if (!std::strcmp(argv[i], "--select")) {
            // A row and two Ctrl-added rows, as the mouse would make them.
            TSortGrid* g = form->Grid;
            const auto click = [g](int Row, unsigned Keys) {
                const TRect r = g->CellBounds(0, Row);
                g->Perform(WM_LBUTTONDOWN, MK_LBUTTON | Keys, MakeLParam(r.Left + 5, r.Top + 5));
                g->Perform(WM_LBUTTONUP, Keys, MakeLParam(r.Left + 5, r.Top + 5));
            };
            click(2, 0);
            click(5, MK_CONTROL);
            click(9, MK_CONTROL);
        }
        if (!std::strcmp(argv[i], "--combo")) {
            form->Show();
            form->Grid->SetFocus();
            form->Grid->GoToCell(ColKind, 4, true);
            form->Grid->OpenComboBox(ColKind, 4);
        }
        if (!std::strcmp(argv[i], "--shot") && i + 1 < argc)
            shot = QString::fromLocal8Bit(argv[++i]);
    }
    if (!shot.isEmpty())
        QTimer::singleShot(800, [form, shot] {
            WidgetOf(*form)->grab().save(shot);
            Application->Terminate();
        });
    return Application->Run();
}
