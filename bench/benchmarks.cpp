// Scribblewick's figures, each beside its floor measured in the same run. Nothing here fails
// on a time: it prints what it measured.
//
//   one move     a key into Form1, into the canvas image, its repaint flushed
//   growth       cost per move early and late in a million moves, and resident memory
//   capture+save CaptureClient and the BMP of the 599 x 439 picture
//   start-up     exec to the first painted frame and exit, offscreen and under Xvfb
#include "forms/forms.h"
#include "forms/picture_box.h"
#include "output/save.h"
#include "windows/form1.h"
#include "xsession.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Figure {
    double median = 0, min = 0, max = 0;
};

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

Figure figureOf(const std::vector<double>& v) {
    return {median(v), *std::min_element(v.begin(), v.end()),
            *std::max_element(v.begin(), v.end())};
}

// Google Benchmark's aggregates, kept by benchmark name for the table at the end.
class Collector : public benchmark::ConsoleReporter {
public:
    std::map<std::string, Figure> figures;
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Aggregate) continue;
            const std::string& args = run.run_name.args;
            Figure& f = figures[run.run_name.function_name + (args.empty() ? "" : "/" + args)];
            const double t = run.GetAdjustedRealTime();
            if (run.aggregate_name == "median")
                f.median = t;
            else if (run.aggregate_name == "min")
                f.min = t;
            else if (run.aggregate_name == "max")
                f.max = t;
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

// Delivers what the move posted, the repaint request among it, as the event loop would.
void flushRepaints() {
    QCoreApplication::sendPostedEvents();
}

Form1& freshToy() {
    forms::unload<Form1>();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Form1& form = forms::get<Form1>();
    form.setVisible(true);
    QCoreApplication::processEvents();
    return form;
}

// One move to the right and back, alternately, so every stroke lies in the same place.
void BM_Move(benchmark::State& state) {
    Form1& form = freshToy();
    form.Picture1->setDrawWidth(int(state.range(0)));
    QKeyEvent right(QEvent::KeyPress, Qt::Key_D, Qt::NoModifier, QStringLiteral("d"));
    QKeyEvent left(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    bool toRight = true;
    for (auto _ : state) {
        QApplication::sendEvent(form.Picture1, toRight ? &right : &left);
        toRight = !toRight;
        flushRepaints();
    }
}

// The floor: the same line with a bare QPainter into an image of the canvas's size, and the
// same repaint of that rectangle on a bare widget.
class BareCanvas : public QWidget {
public:
    QImage image{501, 301, QImage::Format_RGB32};
    BareCanvas() {
        image.fill(Qt::black);
        setFixedSize(505, 305);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.drawImage(2, 2, image);
    }
};

void BM_MoveFloor(benchmark::State& state) {
    BareCanvas canvas;
    canvas.show();
    QCoreApplication::processEvents();
    const qreal width = qreal(state.range(0));
    const QPen pen(Qt::white, width, Qt::SolidLine, width > 1 ? Qt::RoundCap : Qt::SquareCap);
    const QPointF from(253.5, 153.5), to(256.5, 153.5);
    const qreal reach = width / 2 + 1;
    const QRect changed =
        QRectF(from, to).adjusted(-reach, -reach, reach, reach).toAlignedRect().translated(2, 2);
    for (auto _ : state) {
        QPainter p(&canvas.image);
        p.setPen(pen);
        p.drawLine(from, to);
        p.end();
        canvas.update(changed);
        flushRepaints();
    }
}

void BM_CaptureAndSave(benchmark::State& state) {
    Form1& form = freshToy();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("toy.bmp"));
    for (auto _ : state) {
        const Picture picture = form.CaptureClient(form);
        if (!output::writeBitmap(picture, path).isEmpty())
            state.SkipWithError("the picture could not be saved");
    }
}

// The two halves of the above, to show where the time goes.
void BM_CaptureOnly(benchmark::State& state) {
    Form1& form = freshToy();
    for (auto _ : state)
        benchmark::DoNotOptimize(form.CaptureClient(form));
}

void BM_SaveOnly(benchmark::State& state) {
    Form1& form = freshToy();
    const Picture picture = form.CaptureClient(form);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("toy.bmp"));
    for (auto _ : state)
        if (!output::writeBitmap(picture, path).isEmpty())
            state.SkipWithError("the picture could not be saved");
}

void BM_CaptureAndSaveFloor(benchmark::State& state) {
    QImage ready(599, 439, QImage::Format_RGB32);
    ready.fill(Qt::red);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ready.bmp"));
    for (auto _ : state)
        if (!ready.save(path, "BMP")) state.SkipWithError("the image could not be saved");
}

double minOf(const std::vector<double>& v) {
    return *std::min_element(v.begin(), v.end());
}
double maxOf(const std::vector<double>& v) {
    return *std::max_element(v.begin(), v.end());
}

void registerAll() {
    const auto common = [](benchmark::internal::Benchmark* b) {
        b->Repetitions(15)
            ->ReportAggregatesOnly(true)
            ->ComputeStatistics("min", minOf)
            ->ComputeStatistics("max", maxOf)
            ->Unit(benchmark::kMicrosecond);
    };
    common(benchmark::RegisterBenchmark("move/ours", BM_Move)->Arg(1)->Arg(50));
    common(benchmark::RegisterBenchmark("move/floor", BM_MoveFloor)->Arg(1)->Arg(50));
    common(benchmark::RegisterBenchmark("capture_save/ours", BM_CaptureAndSave));
    common(benchmark::RegisterBenchmark("capture_save/floor", BM_CaptureAndSaveFloor));
    common(benchmark::RegisterBenchmark("capture_only/ours", BM_CaptureOnly));
    common(benchmark::RegisterBenchmark("save_only/ours", BM_SaveOnly));
}

long residentKiB() {
    long pages = 0, resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(statm);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// A million moves round a square, timing the first thousand and the last thousand. Returns
// late / early.
double growth() {
    Form1& form = freshToy();
    const char keys[] = {'d', 'x', 'a', 'w'};
    std::vector<QKeyEvent*> events;
    for (char k : keys)
        events.push_back(new QKeyEvent(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier,
                                       QString(QChar::fromLatin1(k))));
    constexpr int Window = 1000;
    const int Moves = qEnvironmentVariableIntValue("SCRIBBLEWICK_BENCH_MOVES") > 2 * Window
                          ? qEnvironmentVariableIntValue("SCRIBBLEWICK_BENCH_MOVES")
                          : 1000000;
    // Each move of the two windows is timed on its own; the medians shrug off the odd
    // interruption by the rest of the machine.
    std::vector<double> early, late;
    long rssEarly = 0;
    for (int i = 0; i < Moves; ++i) {
        const bool timed = i < Window || i >= Moves - Window;
        const Clock::time_point start = timed ? Clock::now() : Clock::time_point();
        QApplication::sendEvent(form.Picture1, events[(i / 40) % 4]);
        flushRepaints();
        if (timed) {
            const double us =
                std::chrono::duration<double, std::micro>(Clock::now() - start).count();
            (i < Window ? early : late).push_back(us);
        }
        if (i == Window - 1) rssEarly = residentKiB();
    }
    const long rssLate = residentKiB();
    const Figure e = figureOf(early), l = figureOf(late);
    for (QKeyEvent* e : events)
        delete e;
    std::printf("  cost per move, moves 1 to %d: median %.2f us (%.2f-%.2f)\n", Window, e.median,
                e.min, e.max);
    std::printf("  cost per move, moves %d to %d: median %.2f us (%.2f-%.2f)\n", Moves - Window + 1,
                Moves, l.median, l.min, l.max);
    std::printf("  ratio late / early: %.3f\n", l.median / e.median);
    std::printf("  resident after %d moves: %ld KiB, after %d: %ld KiB, growth %ld KiB "
                "(goal <= 1024)\n",
                Window, rssEarly, Moves, rssLate, rssLate - rssEarly);
    return l.median / e.median;
}

struct ProcessRun {
    double ms;
    long maxRssKiB;
};

// Start to exit of one program, with its peak resident memory (it prints its VmHWM line).
ProcessRun runOnce(const QString& program, const QProcessEnvironment& environment) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const auto start = Clock::now();
    process.start(program, {});
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return {-1, -1};
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    const QByteArray printed = process.readAllStandardOutput();
    const qsizetype at = printed.indexOf("VmHWM:");
    return {ms, at < 0 ? -1 : std::atol(printed.constData() + at + 6)};
}

void startup(const QString& folder, const std::string& platform,
             const QProcessEnvironment& environment) {
    constexpr int Runs = 21;
    std::vector<double> toyMs, minimalMs, toyRss, minimalRss;
    for (int i = 0; i < Runs + 1; ++i) { // the first run of each only warms the caches
        const ProcessRun toy = runOnce(folder + "/toy_first_frame", environment);
        const ProcessRun minimal = runOnce(folder + "/minimal_first_frame", environment);
        if (toy.ms < 0 || minimal.ms < 0) {
            std::printf("  %s: a start-up run failed\n", platform.c_str());
            return;
        }
        if (i == 0) continue;
        toyMs.push_back(toy.ms);
        minimalMs.push_back(minimal.ms);
        toyRss.push_back(double(toy.maxRssKiB));
        minimalRss.push_back(double(minimal.maxRssKiB));
    }
    const Figure t = figureOf(toyMs), m = figureOf(minimalMs);
    const Figure tr = figureOf(toyRss), mr = figureOf(minimalRss);
    std::printf("  %-9s time  ours %7.1f ms (%.1f-%.1f)  floor %7.1f ms (%.1f-%.1f)  "
                "ratio %.3f (goal <= 1.15)\n",
                platform.c_str(), t.median, t.min, t.max, m.median, m.min, m.max,
                t.median / m.median);
    std::printf("  %-9s peak  ours %7.0f KiB (%.0f-%.0f) floor %7.0f KiB (%.0f-%.0f) "
                "ratio %.3f (goal <= 1.15)\n",
                platform.c_str(), tr.median, tr.min, tr.max, mr.median, mr.min, mr.max,
                tr.median / mr.median);
}

void startups(const QString& folder) {
    std::printf("\nstart-up to the first painted frame, median (min-max) of 21 runs\n");
    QProcessEnvironment offscreen = QProcessEnvironment::systemEnvironment();
    offscreen.remove(QStringLiteral("DISPLAY"));
    offscreen.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    startup(folder, "offscreen", offscreen);
    // A private Xvfb for the desktop figure, as the desktop tests start one.
    const XSession x;
    if (!x.isRunning()) {
        std::printf("  xcb: Xvfb could not be started\n");
        return;
    }
    startup(folder, "xcb", x.environment());
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const QString folder = QCoreApplication::applicationDirPath();

    benchmark::Initialize(&argc, argv);
    registerAll();
    Collector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);

    std::printf("\nours beside the floor, median (min-max) per operation, microseconds\n");
    const auto row = [&](const char* what, const std::string& ours, const std::string& floor,
                         double goal) {
        const Figure o = collector.figures[ours], f = collector.figures[floor];
        if (f.median <= 0) return;
        std::printf("  %-22s ours %8.2f (%.2f-%.2f)  floor %8.2f (%.2f-%.2f)  ratio %.3f", what,
                    o.median, o.min, o.max, f.median, f.min, f.max, o.median / f.median);
        if (goal > 0) std::printf(" (goal <= %.2f)", goal);
        std::printf("\n");
    };
    row("one move, width 1", "move/ours/1", "move/floor/1", 1.5);
    row("one move, width 50", "move/ours/50", "move/floor/50", 1.5);
    row("capture and save", "capture_save/ours", "capture_save/floor", 2.0);
    row("  of which capture", "capture_only/ours", "capture_save/floor", 0);
    row("  of which save", "save_only/ours", "capture_save/floor", 0);

    // This machine's speed drifts over seconds, so the run is made three times.
    std::vector<double> ratios;
    for (int run = 1; run <= 3; ++run) {
        std::printf("\ngrowth, run %d of 3\n", run);
        ratios.push_back(growth());
    }
    std::printf("growth: median late / early of the three runs %.3f (goal <= 1.1)\n",
                median(ratios));
    startups(folder);
    forms::unload<Form1>();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
