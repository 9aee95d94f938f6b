// Time to add one wire to a catalogue of 4999 wires: regroup, sort and write
// Provod.dat, as the "Add" button does. Prints the median of several runs.

#include "catalogues/provod_file.h"
#include "catalogues/wire_table.h"
#include "common/cp1251.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

namespace {

using dravik::WireRecord;

// A catalogue grown by use: the four standard kinds and a few dozen kinds of
// the user's own, wires of each kind scattered through the table.
std::vector<WireRecord> grownCatalogue(int count, int userKinds) {
    std::mt19937 random(7);
    std::vector<WireRecord> wires;
    for (int i = 0; i < count; ++i) {
        WireRecord wire;
        const int kind = static_cast<int>(random() % static_cast<unsigned>(4 + userKinds));
        wire.Tip = kind < 4 ? dravik::encodeCp1251(QString::fromUtf8(kind % 2 ? "ПБ" : "АПБ"))
                            : QByteArray("USER-") + QByteArray::number(kind);
        wire.Vid = kind == 2 ? dravik::roundShapeCode() : dravik::rectShapeCode();
        wire.Mater = kind % 2 ? "Copper" : "Aluminum";
        wire.delta2 = kind == 2 ? 0.3 : 0.45;
        wire.a = 1.0 + static_cast<double>(random() % 40) / 10.0;
        wire.b = 2.0 + static_cast<double>(random() % 100) / 10.0;
        wire.s = wire.a * wire.b;
        wires.push_back(wire);
    }
    return wires;
}

double medianAddMilliseconds(const std::vector<WireRecord>& catalogue, int runs) {
    const WireRecord added = catalogue[catalogue.size() / 2];
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        QTemporaryDir folder;
        QFile file(folder.filePath(QStringLiteral("Provod.dat")));
        if (!file.open(QIODevice::WriteOnly) || file.write(dravik::writeProvodImage(catalogue)) < 0) return -1;
        file.close();
        dravik::WireTable table;
        table.load(folder.path(), QString());

        QElapsedTimer timer;
        timer.start();
        table.add(added);
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main() {
    struct Scenario {
        const char* name;
        int userKinds;
    };
    const Scenario scenarios[] = {
        {"4 standard kinds", 0},
        {"4 standard + 40 user kinds", 40},
        {"4 standard + 400 user kinds", 400},
    };
    for (const Scenario& scenario : scenarios) {
        const auto catalogue = grownCatalogue(4999, scenario.userKinds);
        std::printf("add to 4999 wires, %-28s %8.2f ms (median of 15)\n", scenario.name,
                    medianAddMilliseconds(catalogue, 15));
    }
    return 0;
}
