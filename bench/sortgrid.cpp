// The sorting grid against QTableWidget: 100,000 rows x 8 columns filled cell by cell, then
// sorted by a numeric column, by a text-with-numbers column and by a text column with a
// secondary key; and the heap held per stored cell. The ratios at the end come from the medians.

#include "grid/SortGrid.h"
#include "bench/MedianReporter.h"

#include <QApplication>
#include <QRegularExpression>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableWidget>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <malloc.h>
#include <map>
#include <random>

namespace {

constexpr int Rows = 100000, Cols = 8;
const char* const Words[] = {"alpha", "bravo", "charlie", "delta", "echo", "foxtrot", "golf"};

// Column texts: 0 integers, 1 "item<n>", 2 a word (many ties), 3 decimals, 4..7 mixed.
struct TData {
    std::vector<int> Ints;
    std::vector<double> Reals;
    std::vector<QString> Texts[Cols];
    TData() {
        std::mt19937 rng(12345);
        Ints.resize(Rows);
        Reals.resize(Rows);
        for (auto& t : Texts) t.resize(Rows);
        for (int r = 0; r < Rows; ++r) {
            Ints[r] = int(rng() % 1000000);
            Reals[r] = double(rng() % 100000) / 100.0;
            Texts[0][r] = QString::number(Ints[r]);
            Texts[1][r] = QStringLiteral("item%1").arg(rng() % 50000);
            Texts[2][r] = QString::fromLatin1(Words[rng() % 7]);
            Texts[3][r] = QString::number(Reals[r], 'f', 2);
            for (int c = 4; c < Cols; ++c)
                Texts[c][r] = QStringLiteral("%1-%2").arg(Words[rng() % 7]).arg(rng() % 1000);
        }
    }
};
const TData& Data() {
    static const TData d;
    return d;
}

// Heap blocks in use, large mapped blocks included.
size_t HeapInUse() {
    const struct mallinfo2 m = mallinfo2();
    return m.uordblks + m.hblkhd;
}

// Bytes per cell, by side, from the first run (later runs reuse freed memory and pools).
std::map<std::string, double> Memory;

void SortGridAll(benchmark::State& State) {
    const TData& d = Data();
    for (auto _ : State) {
        const size_t before = HeapInUse();
        auto g = std::make_unique<TSortGrid>(nullptr);
        g->SetColCount(Cols);
        g->SetRowCount(Rows + 1);
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Cols; ++c) g->SetCellText(c, r + 1, d.Texts[c][r]);
        Memory.emplace("sortgrid", double(HeapInUse() - before) / (double(Rows) * Cols));
        g->SortOptions()->SetSortStyle(TSortStyle::ssNumeric);
        g->SortByColumn(0);
        g->SortOptions()->SetSortStyle(TSortStyle::ssNumericExtended);
        g->SortByColumn(1);
        g->SortOptions()->SetSortStyle(TSortStyle::ssNormal);
        g->SortOptions()->SetSecondaryIndex(QStringLiteral("3"));
        g->SortByColumn(2);
        benchmark::DoNotOptimize(g->CellText(0, 1));
        State.PauseTiming();
        g.reset();
        State.ResumeTiming();
    }
}

void TableAll(benchmark::State& State) {
    const TData& d = Data();
    for (auto _ : State) {
        const size_t before = HeapInUse();
        auto t = std::make_unique<QTableWidget>(Rows, Cols);
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Cols; ++c) {
                auto* item = new QTableWidgetItem;
                if (c == 0)
                    item->setData(Qt::DisplayRole, d.Ints[r]);
                else if (c == 3)
                    item->setData(Qt::DisplayRole, d.Reals[r]);
                else
                    item->setData(Qt::DisplayRole, d.Texts[c][r]);
                t->setItem(r, c, item);
            }
        Memory.emplace("qtablewidget", double(HeapInUse() - before) / (double(Rows) * Cols));
        t->sortItems(0);
        t->sortItems(1);
        t->sortItems(3); // the secondary key first; the sort is stable
        t->sortItems(2);
        benchmark::DoNotOptimize(t->item(0, 0));
        State.PauseTiming();
        t.reset();
        State.ResumeTiming();
    }
}

BENCHMARK(SortGridAll)
    ->Name("fill_and_sorts/sortgrid")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true)
    ->UseRealTime();
BENCHMARK(TableAll)
    ->Name("fill_and_sorts/qtablewidget")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true)
    ->UseRealTime();

// Filtering to the rows whose number ends in an even digit (half of them) and back. The grid
// also sorts the kept rows by its sort column; the proxy only filters.
const QRegularExpression& HalfFilter() {
    static const QRegularExpression re(QStringLiteral("[02468]$"));
    return re;
}

void SortGridFilter(benchmark::State& State) {
    const TData& d = Data();
    auto g = std::make_unique<TSortGrid>(nullptr);
    g->SetColCount(Cols);
    g->SetRowCount(Rows + 1);
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Cols; ++c) g->SetCellText(c, r + 1, d.Texts[c][r]);
    g->SortByColumn(0);
    g->OnSetFilter = [](TStrings* Row, bool& Accept) {
        Accept = HalfFilter().match(Row->Strings(0)).hasMatch();
    };
    for (auto _ : State) {
        g->SetFiltered(true);
        if (g->RowCount() - 1 + g->HiddenRowCount() != Rows) State.SkipWithError("rows lost");
        g->SetFiltered(false);
        benchmark::DoNotOptimize(g->CellText(0, 1));
    }
    if (g->RowCount() != Rows + 1) State.SkipWithError("rows not back");
}

void ProxyFilter(benchmark::State& State) {
    const TData& d = Data();
    QStandardItemModel model(Rows, Cols);
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Cols; ++c) model.setItem(r, c, new QStandardItem(d.Texts[c][r]));
    QSortFilterProxyModel proxy;
    proxy.setSourceModel(&model);
    proxy.setFilterKeyColumn(0);
    (void)proxy.rowCount();
    for (auto _ : State) {
        proxy.setFilterRegularExpression(HalfFilter());
        if (proxy.rowCount() >= Rows) State.SkipWithError("nothing filtered");
        proxy.setFilterRegularExpression(QString());
        benchmark::DoNotOptimize(proxy.rowCount());
        benchmark::DoNotOptimize(proxy.index(0, 0).data());
    }
}

BENCHMARK(SortGridFilter)
    ->Name("filter_half_and_back/sortgrid")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->UseRealTime();
BENCHMARK(ProxyFilter)
    ->Name("filter_half_and_back/qsortfilterproxymodel")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    Data();
    TMedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double g = reporter.Time("fill_and_sorts/sortgrid");
    const double t = reporter.Time("fill_and_sorts/qtablewidget");
    std::printf(
        "\nmedians (ms): sorting grid %.0f, QTableWidget %.0f; ratio %.3f (target <= 0.5)\n", g, t,
        t > 0 ? g / t : 0.0);
    const double fg = reporter.Time("filter_half_and_back/sortgrid");
    const double fp = reporter.Time("filter_half_and_back/qsortfilterproxymodel");
    std::printf("filtering 100,000 rows to half and back, medians (ms): sorting grid %.1f, "
                "QSortFilterProxyModel %.1f; ratio %.3f (target <= 0.5)\n",
                fg, fp, fp > 0 ? fg / fp : 0.0);
    const double mg = Memory["sortgrid"], mt = Memory["qtablewidget"];
    std::printf("heap per cell (bytes): sorting grid %.1f, QTableWidget %.1f; ratio %.3f "
                "(target <= 0.5)\n",
                mg, mt, mt > 0 ? mg / mt : 0.0);
    benchmark::Shutdown();
    return 0;
}
