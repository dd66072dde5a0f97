// What the projector display costs while it scrolls: the real display window
// shows a leader board far taller than the screen, with two CPU-bound
// processes beside it, and the CPU time of this process and of the engine's
// processes it started is taken over a fixed wall time. Prints each run and
// the median, in percent of one core.
//
//   display_scroll_cpu [SECONDS [RUNS]]   (default 30 s, 7 runs)
//
// Run it on the platform to be measured, e.g. under xvfb-run for X11 with
// software rendering.
#include "viewer/DisplayWindow.h"

#include <QApplication>
#include <QDir>
#include <QSaveFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int defaultSeconds = 30;
constexpr int defaultRuns = 7;
constexpr int busyProcesses = 2;
constexpr int teamRows = 400;
// The display rests at the top first: measured once it has started to scroll.
constexpr int settleMs = 1000;

struct ProcStat {
    int parent = 0;
    long long ticks = 0; // user and system time
};

bool readStat(int pid, ProcStat& stat) {
    std::ifstream file("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(file, line))
        return false;
    // The command name may hold blanks: the fields are counted after its ')'.
    std::istringstream rest(line.substr(line.rfind(')') + 2));
    std::vector<std::string> fields;
    for (std::string field; rest >> field;)
        fields.push_back(field);
    constexpr std::size_t parentField = 1, userField = 11, systemField = 12;
    if (fields.size() <= systemField)
        return false;
    stat.parent = std::stoi(fields[parentField]);
    stat.ticks = std::stoll(fields[userField]) + std::stoll(fields[systemField]);
    return true;
}

// CPU ticks of this process and every process under it, the busy ones left out.
long long treeTicks(const std::vector<pid_t>& leftOut) {
    std::map<int, ProcStat> all;
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool number = false;
        const int pid = entry.toInt(&number);
        ProcStat stat;
        if (number && readStat(pid, stat))
            all[pid] = stat;
    }
    long long ticks = 0;
    for (const auto& [pid, stat] : all) {
        if (std::find(leftOut.begin(), leftOut.end(), pid) != leftOut.end())
            continue;
        for (int up = pid; up > 1; up = all.count(up) ? all[up].parent : 0) {
            if (up == ::getpid()) {
                ticks += stat.ticks;
                break;
            }
        }
    }
    return ticks;
}

std::vector<pid_t> startBusyProcesses() {
    std::vector<pid_t> busy;
    for (int i = 0; i < busyProcesses; ++i) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            volatile unsigned long spin = 0;
            for (;;)
                spin = spin + 1;
        }
        busy.push_back(pid);
    }
    return busy;
}

void publishTallBoard(const QString& workingDirectory) {
    QString rows;
    for (int i = 0; i < teamRows; ++i)
        rows += QStringLiteral("<tr><td>%1</td><td>Team %1 &amp; Partner</td><td>%2</td></tr>")
                    .arg(i + 1)
                    .arg(1000 - i);
    const QString path = workingDirectory + QStringLiteral("/Tournament1/tournament.html");
    QDir().mkpath(QFileInfo(path).path());
    QSaveFile file(path);
    (void)file.open(QIODevice::WriteOnly);
    file.write(QStringLiteral("<html><head><title>Leader Board</title></head><body>"
                              "<table width=\"980\" style=\"font-size: 24px\">%1</table>"
                              "</body></html>")
                   .arg(rows)
                   .toUtf8());
    (void)file.commit();
}

double measureOnce(int seconds, const std::vector<pid_t>& busy) {
    QTemporaryDir dir;
    publishTallBoard(dir.path());
    corvane::viewer::DisplayWindow display(dir.path());
    // The stop at the top shortened so the run measures the scroll itself.
    constexpr int pauseMs = 500;
    constexpr int pixelsPerSecond = 30;
    display.setScrollTiming(pauseMs, pixelsPerSecond);
    QSignalSpy updated(&display, &corvane::viewer::DisplayWindow::updated);
    display.ShowOn(QGuiApplication::primaryScreen());
    while (updated.isEmpty())
        updated.wait(1000);
    QTest::qWait(settleMs);
    const long long before = treeTicks(busy);
    const auto start = std::chrono::steady_clock::now();
    QTest::qWait(seconds * 1000);
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const long long used = treeTicks(busy) - before;
    constexpr double percent = 100.0;
    return percent * static_cast<double>(used) / static_cast<double>(::sysconf(_SC_CLK_TCK)) / wall;
}

} // namespace

int main(int argc, char* argv[]) {
    const int seconds = argc > 1 ? std::atoi(argv[1]) : defaultSeconds;
    const int runs = argc > 2 ? std::atoi(argv[2]) : defaultRuns;
    if (::geteuid() == 0)
        setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 0);
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    const std::vector<pid_t> busy = startBusyProcesses();
    std::vector<double> figures;
    for (int run = 0; run < runs; ++run) {
        figures.push_back(measureOnce(seconds, busy));
        std::printf("run %d: %.1f%% of one core\n", run + 1, figures.back());
        std::fflush(stdout);
    }
    for (const pid_t pid : busy) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
    }
    std::sort(figures.begin(), figures.end());
    std::printf("median of %d runs of %d s: %.1f%% of one core\n", runs, seconds,
                figures[figures.size() / 2]);
    return 0;
}
