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

// The shipped standard range, filled up to the 5000 wires the catalogue can
// hold with rectangular aluminium strips, so that the example design still
// finds its conductors in a full catalogue.
std::vector<WireRecord> fullWireCatalogue() {
    QFile shipped(QStringLiteral(SHIPPED_WIRE_CATALOGUE));
    if (!shipped.open(QIODevice::ReadOnly)) return {};
    std::vector<WireRecord> wires = readProvodImage(shipped.readAll());
    for (int i = 0; wires.size() < static_cast<size_t>(kProvodCapacity); ++i) {
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
    return wires;
}

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

    QFile provod(QDir(folder).filePath(QStringLiteral("Provod.dat")));
    provod.open(QIODevice::WriteOnly);
    provod.write(writeProvodImage(fullWireCatalogue()));
}

// Runs the program once and returns its wall time in ms; what it printed is
// left in `output` when asked for.
double runOnce(const QString& program, const QStringList& arguments, QByteArray* output = nullptr) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    process.waitForStarted();
    process.closeWriteChannel();
    process.waitForFinished(120000);
    const double elapsed = timer.nsecsElapsed() / 1e6;
    if (output) *output = process.readAllStandardOutput();
    return elapsed;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    // `startup_bench DIR` only writes the full catalogue files into DIR, for
    // profiling the program by hand against them.
    if (argc == 2) {
        writeFullCatalogues(QString::fromLocal8Bit(argv[1]));
        return 0;
    }
    QTemporaryDir folder;
    writeFullCatalogues(folder.path());
    QTemporaryDir standardFolder;  // the built-in steels and the shipped wire range only
    const QStringList emptyScript{QStringLiteral("--script"), QStringLiteral("-"), QStringLiteral("--data-dir"), folder.path()};
    const QStringList emptyScriptStandard{QStringLiteral("--script"), QStringLiteral("-"), QStringLiteral("--data-dir"),
                                          standardFolder.path()};
    const QStringList design{QStringLiteral("--script"), QStringLiteral(EXAMPLE_DESIGN), QStringLiteral("--data-dir"),
                             folder.path()};
    // The first run warms the page cache and shows that the design reaches
    // the winding report with these catalogues.
    QByteArray designOutput;
    runOnce(QStringLiteral(DRAVIK_EXECUTABLE), design, &designOutput);
    if (!designOutput.contains("Terms of Reference for the winding:")) {
        std::printf("the example design did not reach the winding report:\n%s", designOutput.constData());
        return 1;
    }
    runOnce(QStringLiteral(DRAVIK_EXECUTABLE), emptyScriptStandard);
    constexpr int kRuns = 21;
    std::vector<double> bare, empty, standard, whole;
    for (int i = 0; i < kRuns; ++i) {
        bare.push_back(runOnce(QStringLiteral(BARE_WINDOW_EXECUTABLE), {}));
        empty.push_back(runOnce(QStringLiteral(DRAVIK_EXECUTABLE), emptyScript));
        standard.push_back(runOnce(QStringLiteral(DRAVIK_EXECUTABLE), emptyScriptStandard));
        whole.push_back(runOnce(QStringLiteral(DRAVIK_EXECUTABLE), design));
    }
    const double bareMs = median(bare);
    const double emptyMs = median(empty);
    const double wholeMs = median(whole);
    std::printf("bare Qt Widgets window, offscreen:              %8.1f ms (median of %d)\n", bareMs, kRuns);
    std::printf("dravik --script (empty), full catalogue files:  %8.1f ms\n", emptyMs);
    std::printf("  the same with the standard catalogues only:   %8.1f ms\n", median(standard));
    std::printf("start-up ratio (target at most 1.3):            %8.2f\n", emptyMs / bareMs);
    std::printf("whole example design through script mode:      %8.1f ms\n", wholeMs);
    std::printf("design / empty script ratio (target at most 1.1): %6.2f\n", wholeMs / emptyMs);
    return 0;
}
