// Start-up: time from starting the process to the main window's first paint, and the peak
// memory, with diaries of 1,000 and 100,000 rows. Two references are started and measured the
// same way in the same run: a bare frameless 590x403 window, and plain Qt drawing the program's
// first screen (window picture, tool bar picture, five glyphs, home picture) with QPainter in one
// widget, from the program's own picture files.

#include "app/Resources.h"
#include "app/Uform_velna.h"
#include "app/store/VelnaFile.h"
#include "platform/Environment.h"

#include <QApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <QWidget>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <map>
#include <spawn.h>
#include <sqlite3.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

// ----- child side: start, paint once, say so, leave -----

// Watches the whole application, so every child is measured the same way whatever its window.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* Watched, QEvent* Event) override {
        if (Event->type() == QEvent::Paint && !FSeen && Watched->isWidgetType() &&
            static_cast<QWidget*>(Watched)->isWindow()) {
            FSeen = true;
            // Queued: the children of the window paint in the same pass, before this runs.
            QMetaObject::invokeMethod(
                Watched,
                [] {
                    std::fputs("painted\n", stdout);
                    std::fflush(stdout);
                    _exit(0);
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool FSeen = false;
};

class BenchEnvironment : public TEnvironment {
public:
    explicit BenchEnvironment(QString Program) : FProgram(std::move(Program)) {}
    QString ProgramPath() const override { return FProgram; }

private:
    QString FProgram;
};

// The program's first screen drawn by hand: what a plain Qt program would do to show it.
class PlainFirstScreen : public QWidget {
public:
    PlainFirstScreen() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        FWindow = Load("window.bmp");
        FToolBar = Load("toolbar.jpg");
        FHome = Load("home.jpg");
        for (const char* name : {"btn_test.bmp", "btn_settings.bmp", "btn_knowledge.bmp",
                                 "btn_about.bmp", "btn_exit.bmp"}) {
            QPixmap glyph = Load(name);
            const QColor key = glyph.toImage().pixelColor(0, glyph.height() - 1);
            glyph.setMask(glyph.createMaskFromColor(key, Qt::MaskInColor));
            FGlyphs.push_back(glyph);
        }
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.drawPixmap(0, 0, FWindow);
        const QColor panel(226, 230, 215);
        // The tool bar: a lowered 129 x 336 panel with its picture and five flat buttons.
        const QRect bar(8, 56, 129, 336);
        p.fillRect(bar, panel);
        Frame(p, bar, QColor(128, 128, 128), Qt::white);
        p.drawPixmap(bar.left() + 4, bar.top() + 2, 121, 335, FToolBar);
        for (int i = 0; i < int(FGlyphs.size()); ++i) {
            const QRect button(bar.left() + 29, bar.top() + 6 + 66 * i, 70, 60);
            p.fillRect(button, QColor(240, 251, 255));
            p.setPen(QColor(58, 110, 165));
            p.drawRect(button.adjusted(0, 0, -1, -1));
            p.drawPixmap(button.left() + 4, button.top(), FGlyphs[size_t(i)]);
        }
        // The home view: a 438 x 336 panel covered by its picture.
        const QRect home(143, 56, 438, 336);
        Frame(p, home, QColor(128, 128, 128), Qt::white);
        p.drawPixmap(home.left() - 1, home.top(), 438, 337, FHome);
    }

private:
    static QPixmap Load(const char* Name) { return QPixmap(ResourcePath(Name)); }
    static void Frame(QPainter& P, const QRect& R, const QColor& Dark, const QColor& Light) {
        P.setPen(Dark);
        P.drawLine(R.topLeft(), R.topRight());
        P.drawLine(R.topLeft(), R.bottomLeft());
        P.setPen(Light);
        P.drawLine(R.bottomLeft(), R.bottomRight());
        P.drawLine(R.topRight(), R.bottomRight());
    }
    QPixmap FWindow, FToolBar, FHome;
    std::vector<QPixmap> FGlyphs;
};

int RunChild(const char* Mode, const char* Folder, int argc, char** argv) {
    const bool program = std::strcmp(Mode, "--child-app") == 0;
    if (program) { // as the program's main does before Qt starts
        SetEnvironment(std::make_unique<BenchEnvironment>(QString(Folder) + "/soveli"));
        VelnaStore::ReadDiaryAhead(DatabaseConnectionString(Application->ExeName()));
    }
    QApplication app(argc, argv);
    FirstPaint watcher;
    app.installEventFilter(&watcher);
    if (program) {
        Application->Initialize();
        Application->CreateForm(form_velna);
        return Application->Run();
    }
    if (std::strcmp(Mode, "--child-plain") == 0) {
        PlainFirstScreen window;
        window.setGeometry(128, 116, 590, 403);
        window.show();
        return app.exec();
    }
    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window.setGeometry(128, 116, 590, 403);
    window.show();
    return app.exec();
}

// ----- parent side -----

struct Sample {
    double Seconds;
    long PeakKiB;
};

std::string gSelf;
std::map<std::string, std::vector<Sample>> gSamples;

Sample Launch(const char* Mode, const std::string& Folder) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) std::abort();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    std::vector<char*> args{const_cast<char*>(gSelf.c_str()), const_cast<char*>(Mode),
                            const_cast<char*>(Folder.c_str()), nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, gSelf.c_str(), &actions, nullptr, args.data(), environ) != 0)
        std::abort();
    close(pipeFds[1]);
    char buf[64];
    const ssize_t n = read(pipeFds[0], buf, sizeof buf);
    const auto painted = std::chrono::steady_clock::now();
    close(pipeFds[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    posix_spawn_file_actions_destroy(&actions);
    if (n <= 0) {
        std::fprintf(stderr, "child %s did not paint\n", Mode);
        std::exit(1);
    }
    return {std::chrono::duration<double>(painted - start).count(), usage.ru_maxrss};
}

void Measure(benchmark::State& State, const char* Mode, const std::string& Folder,
             const std::string& Key) {
    for (auto _ : State) {
        const Sample s = Launch(Mode, Folder);
        gSamples[Key].push_back(s);
        State.SetIterationTime(s.Seconds);
        State.counters["peak_KiB"] = double(s.PeakKiB);
    }
}

template <class F> double Median(const std::vector<Sample>& V, F Field) {
    std::vector<double> x;
    for (const Sample& s : V) x.push_back(Field(s));
    std::sort(x.begin(), x.end());
    return x.empty() ? 0 : x[x.size() / 2];
}
double MedianTime(const std::string& Key) {
    return Median(gSamples[Key], [](const Sample& s) { return s.Seconds; });
}
double MedianPeak(const std::string& Key) {
    return Median(gSamples[Key], [](const Sample& s) { return double(s.PeakKiB); });
}

void Fail(const char* What, const QString& Detail) {
    std::fprintf(stderr, "%s: %s\n", What, Detail.toUtf8().constData());
    std::exit(1);
}

// A diary of Rows entries in one transaction (the program's own insert reads the table first,
// which would take minutes for the large diary).
void MakeDiary(const QString& Folder, int Rows) {
    const QString program = Folder + "/soveli";
    if (auto problem = PrepareDatabase(DatabasePath(program))) Fail("database", *problem);
    sqlite3* db = nullptr;
    if (sqlite3_open(DatabasePath(program).toUtf8().constData(), &db) != SQLITE_OK)
        Fail("database", sqlite3_errmsg(db));
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO [velna] ([date], [status], [diary]) VALUES (?, ?, ?)", -1,
                       &insert, nullptr);
    for (int i = 0; i < Rows; ++i) {
        const QByteArray date = DateToStr(EncodeDate(2020, 1, 1) + i % 3000 * 28).toUtf8();
        const QByteArray text =
            QString::fromUtf8("第%1条日记：一切正常，按时记录。").arg(i + 1).toUtf8();
        sqlite3_bind_text(insert, 1, date.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 2, "正常", -1, SQLITE_STATIC);
        sqlite3_bind_text(insert, 3, text.constData(), -1, SQLITE_TRANSIENT);
        if (sqlite3_step(insert) != SQLITE_DONE) Fail("insert", sqlite3_errmsg(db));
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    sqlite3_exec(db,
                 "UPDATE [setting] SET [name] = 'Anna', [cycle] = 28, [lastperiod] = '2026-12-02';"
                 "COMMIT",
                 nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

void Register(const std::string& Name, const char* Mode, const std::string& Folder) {
    benchmark::RegisterBenchmark(Name.c_str(),
                                 [=](benchmark::State& S) { Measure(S, Mode, Folder, Name); })
        ->UseManualTime()
        ->Iterations(5)
        ->Repetitions(5)
        ->Unit(benchmark::kMillisecond);
}

void PrintRatios(const char* Label, const std::string& Program) {
    const std::string bare = "startup/reference_window", plain = "startup/plain_first_screen";
    const double t = MedianTime(Program), m = MedianPeak(Program);
    if (t <= 0) return;
    std::printf("%s: %.1f ms, %.0f KiB; vs bare window time %.2f memory %.2f; vs plain-Qt first "
                "screen time %.2f memory %.2f\n",
                Label, t * 1e3, m, t / MedianTime(bare), m / MedianPeak(bare),
                t / MedianTime(plain), m / MedianPeak(plain));
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::strncmp(argv[1], "--child-", 8) == 0)
        return RunChild(argv[1], argv[2], argc, argv);
    if (!std::getenv("DISPLAY")) setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QTemporaryDir small, large;
    char self[4096];
    const ssize_t len = readlink("/proc/self/exe", self, sizeof self - 1);
    if (len <= 0) return 1;
    self[len] = 0;
    gSelf = self;
    {
        int qargc = 1;
        QCoreApplication core(qargc, argv);
        MakeDiary(small.path(), 1000);
        MakeDiary(large.path(), 100000);
    }
    Register("startup/reference_window", "--child-ref", small.path().toStdString());
    Register("startup/plain_first_screen", "--child-plain", small.path().toStdString());
    Register("startup/soveli_1000_rows", "--child-app", small.path().toStdString());
    Register("startup/soveli_100000_rows", "--child-app", large.path().toStdString());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::printf(
        "\nmedians: bare window %.1f ms, %.0f KiB; plain-Qt first screen %.1f ms, %.0f "
        "KiB\n",
        MedianTime("startup/reference_window") * 1e3, MedianPeak("startup/reference_window"),
        MedianTime("startup/plain_first_screen") * 1e3, MedianPeak("startup/plain_first_screen"));
    PrintRatios("soveli, 1,000 rows", "startup/soveli_1000_rows");
    PrintRatios("soveli, 100,000 rows", "startup/soveli_100000_rows");
    return 0;
}
