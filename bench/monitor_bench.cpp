// The live monitor: how close its polling comes to the line's limit, what one chart repaint of
// an hour of samples costs, and the program's CPU while it monitors. "--short" shortens the CPU
// run from 30 s to 5 s; "--screenshot PATH" saves the window during a fill cycle instead.

#include <sys/resource.h>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QTimer>
#include <cmath>
#include <map>

#include "BenchSupport.h"
#include "monitor/MonitorSampler.h"
#include "ui/monitor/MonitorChart.h"
#include "ui/monitor/MonitorWindow.h"

namespace {

void RunFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

double CpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// Reads the current product's values and the decimal point into the window's store, as a
// product read would, so that the set points show.
void ReadProduct(DrivenLink& link) {
    link.sendLine(QStringLiteral("W00"));
    (void)link.awaitReply(ReplyKind::ProductNumber);
    for (const char* code : {"W10", "W11", "W12", "W13", "W14", "W15", "W65"}) {
        link.sendLine(QString::fromLatin1(code));
        (void)link.awaitReply(ReplyKind::Setting);
    }
}

void RateRatio() {
    bench::Bench b(bench::PacedLine() << "--cycle"
                                      << "4000"
                                      << "--free-fall"
                                      << "20",
                   1000);
    // The length of each reply, CR LF included, as this simulator sends it.
    std::map<QString, int> reply;
    for (const char* r : {"W00", "RA", "RE", "RF", "RK"}) {
        const QString request = QString::fromLatin1(r);
        b.link.sendLine(request);
        (void)b.link.awaitReply(request == "W00"
                                    ? ReplyFor(ReplyKind::ProductNumber)
                                    : ReplyFor::LiveData(SettingsStore::LiveKindIndex(request)));
        reply[request] = int(b.link.lastReply().size()) + 2;
    }
    const qsizetype before = b.sim.requests().size();
    MonitorSampler sampler(b.link);
    sampler.setRate(0);
    int samples = 0;
    QObject::connect(&sampler, &MonitorSampler::sampled, [&] { ++samples; });
    QElapsedTimer wall;
    wall.start();
    sampler.start();
    RunFor(5000);
    sampler.stop();
    const double seconds = wall.elapsed() / 1000.0;
    QStringList sent = b.sim.requests().mid(before);
    qint64 chars = 0;
    for (const QString& r : sent) chars += r.size() + 1 + reply[r];
    const double lineSeconds = double(chars) * bench::kBitsPerChar / bench::BenchBaud();
    // The samples the line would carry in the same time at its limit, for these requests.
    const double limit = samples * seconds / lineSeconds;
    std::printf("samples %d in %.2f s (%.1f/s), line time %.2f s\n", samples, seconds,
                samples / seconds, lineSeconds);
    bench::Figure("monitor_rate_ratio", samples / limit, "");
}

void ChartRedraw() {
    // An hour at 20 samples a second of 20-second filling cycles.
    std::deque<monitor::Sample> samples;
    const qint64 start = 1'700'000'000'000;
    for (int i = 0; i < 72'000; ++i) {
        const qint64 t = i * 50 % 20'000;
        const double w = t < 2000    ? 0
                         : t < 14000 ? 1000.0 * (t - 2000) / 12000
                         : t < 17000 ? 1003
                                     : 1003.0 * (20000 - t) / 3000;
        QString s2 = QStringLiteral("0000000");
        if (t >= 2000 && t < 14000) {
            if (w < 800) s2[0] = u'1';
            if (w < 950) s2[1] = u'1';
            if (w < 995) s2[2] = u'1';
        }
        if (t >= 14000 && t < 17000) s2 = QStringLiteral("0000101");
        samples.push_back(
            {start + i * 50, w + std::sin(i) * 0.5, s2, t >= 17000 ? "0001" : "0000"});
    }
    MonitorChart chart(samples);
    monitor::SetPoints p{0, 1000, 800, 950, 1010, 990, 5};
    chart.setSetPoints(p, 0);
    chart.resize(1280, 720);
    chart.setView(3'600'000, samples.back().ms + 1);
    chart.show();
    chart.refresh();
    (void)chart.grab();
    std::vector<double> times;
    for (int i = 0; i < 20; ++i) {
        QElapsedTimer t;
        t.start();
        chart.refresh();
        QImage image(chart.size(), QImage::Format_ARGB32_Premultiplied);
        static_cast<QWidget&>(chart).render(&image);  // the widget, as a repaint draws it
        times.push_back(t.nsecsElapsed() / 1e6);
    }
    bench::Figure("chart_redraw_ms", bench::Median(times), "ms");
}

void MonitorCpu(int seconds) {
    bench::Bench b(bench::PacedLine(), 1000);
    ReadProduct(b.link);
    MonitorWindow window(b.link, nullptr);
    window.open();
    RunFor(1000);
    const double cpu = CpuSeconds();
    QElapsedTimer wall;
    wall.start();
    RunFor(seconds * 1000);
    const double used = CpuSeconds() - cpu;
    const double rate = window.samples().size() / (wall.elapsed() / 1000.0 + 1);
    std::printf("%.1f samples/s over %d s\n", rate, seconds);
    bench::Figure("monitor_cpu_percent", 100.0 * used / (wall.elapsed() / 1000.0), "%");
    window.close();
}

int Screenshot(const QString& path) {
    bench::Bench b(bench::PacedLine() << "--cycle"
                                      << "3000"
                                      << "--free-fall"
                                      << "20",
                   1000);
    ReadProduct(b.link);
    MonitorWindow window(b.link, nullptr);
    window.resize(1100, 720);
    window.findChild<QComboBox*>("monitorSpan")->setCurrentIndex(0);
    window.open();
    // Some fills, then into the next one as far as the small feed alone.
    QElapsedTimer limit;
    limit.start();
    while (limit.elapsed() < 60000 && !(window.fills().size() >= 6 && !window.samples().empty() &&
                                        window.samples().back().on(monitor::Output::Small) &&
                                        !window.samples().back().on(monitor::Output::Medium)))
        RunFor(5);
    window.redrawNow();
    const bool ok = window.grab().save(path);
    window.close();
    std::printf("%s %s\n", ok ? "saved" : "could not save", qPrintable(path));
    return ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const qsizetype shot = args.indexOf("--screenshot");
    if (shot > 0 && shot + 1 < args.size()) return Screenshot(args.at(shot + 1));
    if (args.contains("--chart-only")) {
        ChartRedraw();
        return 0;
    }
    RateRatio();
    ChartRedraw();
    MonitorCpu(args.contains("--short") ? 5 : 30);
    return 0;
}
