// Grid painting and scrolling against QTableWidget showing the same cells.
//
// Painting one screen must cost the same for 1,000 and for 1,000,000 rows (only what is visible is
// painted); scrolling by one row must repaint only the uncovered strip. The ratios printed at the
// end are taken from the medians of the runs (a single run without repetitions).

#include "bench/MedianReporter.h"
#include "grid/MyGrids.h"
#include "platform/Forms.h"
#include "platform/WidgetOf.h"

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QPaintEvent>
#include <QScrollBar>
#include <QTableWidget>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <memory>

namespace {

constexpr int Width = 640, Height = 480, Cols = 10, ColWidth = 64, RowHeight = 24;
constexpr int FirstRow = 500;

// Sums the pixels of every paint event a widget receives.
class TPaintCounter : public QObject {
public:
    long long Pixels = 0;
    bool eventFilter(QObject*, QEvent* E) override {
        if (E->type() == QEvent::Paint)
            for (const QRect& r : static_cast<QPaintEvent*>(E)->region())
                Pixels += (long long)r.width() * r.height();
        return false;
    }
};

struct TGridSetup {
    std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
    TMyDrawGrid* Grid;
    explicit TGridSetup(int Rows) {
        Form->SetBorderStyle(TFormBorderStyle::bsNone);
        Form->SetBounds(0, 0, Width, Height);
        Grid = new TMyDrawGrid(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetScrollBars(TScrollStyle::ssNone);
        Grid->SetBounds(0, 0, Width, Height);
        Grid->SetDefaultColWidth(ColWidth);
        Grid->SetDefaultRowHeight(RowHeight);
        Grid->SetColCount(Cols);
        Grid->SetRowCount(Rows);
        Grid->OnDrawCell = [g = Grid](TObject*, int C, int R, TRect& Rect, TGridDrawState) {
            g->Canvas()->TextRect(Rect, Rect.Left + 2, Rect.Top + 2, QString::number(R * 100 + C));
        };
        Grid->SetFirstVisibleRow(std::min(FirstRow, Rows - 20));
    }
};

struct TTableSetup {
    QTableWidget Table;
    explicit TTableSetup(int Rows) : Table(Rows, Cols) {
        Table.resize(Width, Height);
        Table.horizontalHeader()->setMinimumSectionSize(1);
        Table.verticalHeader()->setMinimumSectionSize(1);
        Table.horizontalHeader()->setDefaultSectionSize(ColWidth);
        Table.verticalHeader()->setDefaultSectionSize(RowHeight);
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Cols; ++c)
                Table.setItem(r, c, new QTableWidgetItem(QString::number(r * 100 + c)));
        Table.scrollToItem(Table.item(std::min(FirstRow, Rows - 20), 0),
                           QAbstractItemView::PositionAtTop);
    }
};

void PaintGrid(benchmark::State& State) {
    TGridSetup s(int(State.range(0)));
    QImage img(Width, Height, QImage::Format_RGB32);
    for (auto _ : State) {
        WidgetOf(*s.Grid)->render(&img);
        benchmark::DoNotOptimize(img.bits());
    }
}
BENCHMARK(PaintGrid)->Name("paint/grid_1k")->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(PaintGrid)->Name("paint/grid_1M")->Arg(1000000)->Unit(benchmark::kMicrosecond);

void PaintTable(benchmark::State& State) {
    TTableSetup s(int(State.range(0)));
    QImage img(Width, Height, QImage::Format_RGB32);
    for (auto _ : State) {
        s.Table.render(&img);
        benchmark::DoNotOptimize(img.bits());
    }
}
BENCHMARK(PaintTable)->Name("paint/qtablewidget_1k")->Arg(1000)->Unit(benchmark::kMicrosecond);

// Scrolling down by one row and the repaint it causes, on shown windows.
void ScrollGrid(benchmark::State& State) {
    TGridSetup s(1000000);
    s.Form->Show();
    QApplication::processEvents();
    TPaintCounter counter;
    WidgetOf(*s.Grid)->installEventFilter(&counter);
    long long spied = 0, scrolls = 0;
    TWinControl::InvalidateSpy() = [&](const TWinControl*, const TRect& R) {
        spied += (long long)R.Width() * R.Height();
    };
    for (auto _ : State) {
        const int row = s.Grid->FirstVisibleRow();
        s.Grid->SetFirstVisibleRow(row + 1 < 999000 ? row + 1 : 1);
        QApplication::processEvents();
        ++scrolls;
    }
    TWinControl::InvalidateSpy() = nullptr;
    State.counters["invalidated_px"] = double(spied) / double(scrolls);
    State.counters["painted_px"] = double(counter.Pixels) / double(scrolls);
}
BENCHMARK(ScrollGrid)->Name("scroll/grid")->Unit(benchmark::kMicrosecond);

void ScrollTable(benchmark::State& State) {
    TTableSetup s(1000);
    s.Table.show();
    QApplication::processEvents();
    TPaintCounter counter;
    s.Table.viewport()->installEventFilter(&counter);
    long long scrolls = 0;
    QScrollBar* bar = s.Table.verticalScrollBar();
    for (auto _ : State) {
        bar->setValue(bar->value() + 1 < bar->maximum() ? bar->value() + 1 : 0);
        QApplication::processEvents();
        ++scrolls;
    }
    State.counters["painted_px"] = double(counter.Pixels) / double(scrolls);
}
BENCHMARK(ScrollTable)->Name("scroll/qtablewidget")->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    TMedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double g1k = reporter.Time("paint/grid_1k"), g1m = reporter.Time("paint/grid_1M");
    const double table = reporter.Time("paint/qtablewidget_1k");
    std::printf("\nmedians (us): grid 1k %.1f, grid 1M %.1f, QTableWidget %.1f\n", g1k, g1m, table);
    if (g1k > 0 && g1m > 0)
        std::printf("paint 1M rows / 1k rows: %.3f (target <= 1.10)\n", g1m / g1k);
    if (g1k > 0 && table > 0) std::printf("paint grid / QTableWidget: %.3f\n", g1k / table);
    const double sg = reporter.Time("scroll/grid"), st = reporter.Time("scroll/qtablewidget");
    if (sg > 0 && st > 0)
        std::printf("scroll one row grid / QTableWidget: %.3f (%.1f us vs %.1f us)\n", sg / st, sg,
                    st);
    const double inv = reporter.Counter("scroll/grid", "invalidated_px");
    const double painted = reporter.Counter("scroll/grid", "painted_px");
    const double tpainted = reporter.Counter("scroll/qtablewidget", "painted_px");
    std::printf("scroll one row: grid invalidates %.0f px, paints %.0f px of %d; QTableWidget "
                "paints %.0f px\n",
                inv, painted, Width * Height, tpainted);
    benchmark::Shutdown();
    return 0;
}
