// Start-up: time from starting the process to the main window's first paint, and the peak
// memory, with a diary of 1,000 rows; against a bare frameless 590x403 window started and
// measured the same way in the same run.

#include "app/Uform_velna.h"
#include "app/store/VelnaFile.h"
#include "platform/Environment.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QWidget>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

// ----- child side: start, paint once, say so, leave -----

class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* Watched, QEvent* Event) override {
        if (Event->type() == QEvent::Paint && !FSeen) {
            FSeen = true;
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

int RunChild(const char* Mode, const char* Folder, int argc, char** argv) {
    QApplication app(argc, argv);
    FirstPaint watcher;
    if (std::strcmp(Mode, "--child-app") == 0) {
        SetEnvironment(std::make_unique<BenchEnvironment>(QString(Folder) + "/soveli"));
        Application->Initialize();
        Application->CreateForm(form_velna);
        form_velna->Handle()->installEventFilter(&watcher);
        return Application->Run();
    }
    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window.setGeometry(128, 116, 590, 403);
    window.installEventFilter(&watcher);
    window.show();
    return app.exec();
}

// ----- parent side -----

struct Sample {
    double Seconds;
    long PeakKiB;
};

std::string gSelf, gFolder;
std::vector<Sample> gApp, gRef;

Sample Launch(const char* Mode) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) std::abort();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    std::vector<char*> args{const_cast<char*>(gSelf.c_str()), const_cast<char*>(Mode),
                            const_cast<char*>(gFolder.c_str()), nullptr};
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

void Measure(benchmark::State& State, const char* Mode, std::vector<Sample>& Into) {
    for (auto _ : State) {
        const Sample s = Launch(Mode);
        Into.push_back(s);
        State.SetIterationTime(s.Seconds);
        State.counters["peak_KiB"] = double(s.PeakKiB);
    }
}

void BM_Reference(benchmark::State& S) {
    Measure(S, "--child-ref", gRef);
}
void BM_Program(benchmark::State& S) {
    Measure(S, "--child-app", gApp);
}

template <class F> double Median(std::vector<Sample> V, F Field) {
    std::vector<double> x;
    for (const Sample& s : V) x.push_back(Field(s));
    std::sort(x.begin(), x.end());
    return x.empty() ? 0 : x[x.size() / 2];
}

void MakeDiary(const QString& Folder) {
    const QString program = Folder + "/soveli";
    if (auto problem = PrepareDatabase(DatabasePath(program))) {
        std::fprintf(stderr, "%s\n", problem->toUtf8().constData());
        std::exit(1);
    }
    TADOConnection connection(nullptr);
    TADOQuery query(nullptr);
    connection.SetConnectionString(DatabaseConnectionString(program));
    VelnaStore store(connection, query);
    for (int i = 0; i < 1000; ++i)
        store.InsertDiary(EncodeDate(2020, 1, 1) + i * 28, QString::fromUtf8("正常"),
                          QString::fromUtf8("第%1条日记：一切正常，按时记录。").arg(i + 1));
    store.LoadSettings();
    store.SaveSettings({"Anna", QString::fromUtf8("正常"), 28, "2026-12-02", ""});
    query.Close();
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::strncmp(argv[1], "--child-", 8) == 0)
        return RunChild(argv[1], argv[2], argc, argv);
    if (!std::getenv("DISPLAY")) setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QTemporaryDir folder;
    gFolder = folder.path().toStdString();
    char self[4096];
    const ssize_t len = readlink("/proc/self/exe", self, sizeof self - 1);
    if (len <= 0) return 1;
    self[len] = 0;
    gSelf = self;
    {
        int qargc = 1;
        QCoreApplication core(qargc, argv);
        MakeDiary(folder.path());
    }
    benchmark::RegisterBenchmark("startup/reference_window", BM_Reference)
        ->UseManualTime()
        ->Iterations(5)
        ->Repetitions(5)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("startup/soveli_window", BM_Program)
        ->UseManualTime()
        ->Iterations(5)
        ->Repetitions(5)
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    const double tApp = Median(gApp, [](const Sample& s) { return s.Seconds; });
    const double tRef = Median(gRef, [](const Sample& s) { return s.Seconds; });
    const double mApp = Median(gApp, [](const Sample& s) { return double(s.PeakKiB); });
    const double mRef = Median(gRef, [](const Sample& s) { return double(s.PeakKiB); });
    std::printf("\nmedian time to first paint: soveli %.1f ms, reference %.1f ms, ratio %.2f\n",
                tApp * 1e3, tRef * 1e3, tRef > 0 ? tApp / tRef : 0);
    std::printf("median peak memory:         soveli %.0f KiB, reference %.0f KiB, ratio %.2f\n",
                mApp, mRef, mRef > 0 ? mApp / mRef : 0);
    return 0;
}
