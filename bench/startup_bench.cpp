// Start-up of `dravik --script` with an empty script and full catalogue
// files (103 stored steels, 5000 wires), against a bare Qt Widgets window;
// then a whole design through script mode against the empty script.
// Both run offscreen, alternately, so that machine load hits them alike.

#include "catalogues/provod_file.h"
#include "catalogues/stal_file.h"
#include "common/cp1251.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

using namespace dravik;

void writeFullCatalogues(const QString& folder) {
    StalImage steels;
    steels.setSteelCount(103);
    for (int k = 1; k <= 103; ++k) {
        steels.setName(k, encodeCp1251(QStringLiteral("Steel %1").arg(k)));
        steels.setRolling(k, 'c');
        steels.setThickness_mm(k, 0.3);
        steels.setPointCount(k, 25);
        for (int j = 1; j <= 25; ++j) {
            const double b = 0.9 + 0.04 * j;
            steels.setPoint(k, j, {b, 0.5 * b, 0.6 * b, 10000 * b});
        }
    }
    writeStalFile(QDir(folder).filePath(QStringLiteral("Stal.dat")), steels);

    std::vector<WireRecord> wires;
    for (int i = 0; i < 5000; ++i) {
        WireRecord wire;
        wire.Tip = encodeCp1251(QStringLiteral("АПБ"));
        wire.Vid = rectShapeCode();
        wire.a = 1.0 + (i % 50) * 0.1;
        wire.b = 2.0 + (i / 50) * 0.1;
        wire.s = wire.a * wire.b;
        wire.delta2 = 0.45;
        wire.Mater = "Aluminum";
        wires.push_back(wire);
    }
    QFile provod(QDir(folder).filePath(QStringLiteral("Provod.dat")));
    provod.open(QIODevice::WriteOnly);
    provod.write(writeProvodImage(wires));
}

double runOnce(const QString& program, const QStringList& arguments, const QByteArray& input = {}) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    process.waitForStarted();
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(120000);
    return timer.nsecsElapsed() / 1e6;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main() {
    QTemporaryDir folder;
    writeFullCatalogues(folder.path());
    const QStringList emptyScript{QStringLiteral("--script"), QStringLiteral("-"), QStringLiteral("--data-dir"), folder.path()};
    const QStringList design{QStringLiteral("--script"), QStringLiteral(EXAMPLE_DESIGN), QStringLiteral("--data-dir"),
                             folder.path()};
    constexpr int kRuns = 15;
    std::vector<double> bare, empty, whole;
    runOnce(QStringLiteral(DRAVIK_EXECUTABLE), emptyScript);  // warm the page cache
    for (int i = 0; i < kRuns; ++i) {
        bare.push_back(runOnce(QStringLiteral(BARE_WINDOW_EXECUTABLE), {}));
        empty.push_back(runOnce(QStringLiteral(DRAVIK_EXECUTABLE), emptyScript));
        whole.push_back(runOnce(QStringLiteral(DRAVIK_EXECUTABLE), design));
    }
    const double bareMs = median(bare);
    const double emptyMs = median(empty);
    const double wholeMs = median(whole);
    std::printf("bare Qt Widgets window, offscreen:              %8.1f ms (median of %d)\n", bareMs, kRuns);
    std::printf("dravik --script (empty), full catalogue files:  %8.1f ms\n", emptyMs);
    std::printf("start-up ratio (target at most 1.3):            %8.2f\n", emptyMs / bareMs);
    std::printf("whole example design through script mode:      %8.1f ms\n", wholeMs);
    std::printf("design / empty script ratio (target at most 1.1): %6.2f\n", wholeMs / emptyMs);
    return 0;
}
