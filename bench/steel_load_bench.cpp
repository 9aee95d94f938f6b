// Start-up cost of the steel catalogue: loads a full Stal.dat (103 stored
// steels of 25 points) many times and prints the mean load time.

#include "catalogues/steel_catalogue.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

using namespace dravik;

namespace {

constexpr int kLoads = 200;

SteelInput benchSteel(int number) {
    const RawCurve curve = {{0.5, 0.3}, {1.0, 0.5}, {1.5, 1.1}, {1.8, 2.0}};
    return SteelInput{QStringLiteral("Steel %1").arg(number), number % 2, QStringLiteral("0,27"), curve, curve, curve};
}

}  // namespace

int main() {
    QTextStream out(stdout);
    QTemporaryDir folder;
    if (!folder.isValid()) {
        out << "cannot create a temporary folder\n";
        return 1;
    }
    SteelCatalogue writer;
    writer.load(folder.path());
    for (int number = 1; number <= SteelCatalogue::kMaxStoredSteels; ++number) writer.add(benchSteel(number));

    // The first load meets fresh memory, as at program start; the mean covers every load.
    QElapsedTimer timer;
    qint64 first_ns = 0;
    qint64 total_ns = 0;
    qsizetype entries = 0;
    for (int load = 0; load < kLoads; ++load) {
        timer.start();
        SteelCatalogue catalogue;
        catalogue.load(folder.path());
        const qint64 elapsed_ns = timer.nsecsElapsed();
        if (load == 0) first_ns = elapsed_ns;
        total_ns += elapsed_ns;
        entries = static_cast<qsizetype>(catalogue.entries().size());
    }
    const double mean_ms = static_cast<double>(total_ns) / 1e6 / kLoads;
    const double first_ms = static_cast<double>(first_ns) / 1e6;
    out << "steel catalogue: " << entries << " entries; mean load " << QString::number(mean_ms, 'f', 3) << " ms over "
        << kLoads << " loads, first load " << QString::number(first_ms, 'f', 3) << " ms\n";
    return 0;
}
