// Turns the standard wire range (a UTF-8 text table) into the Provod.dat
// shipped with the program, grouped and sorted as additions would leave it.
//
//   make_wire_catalogue <winding-wires.csv> <Provod.dat>

#include "catalogues/provod_file.h"
#include "catalogues/wire_csv.h"
#include "catalogues/wire_grouping.h"
#include "common/catalogue_file.h"
#include "common/command_error.h"

#include <QFile>
#include <cstdio>
#include <exception>
#include <stdexcept>

namespace {

QByteArray readWhole(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error(file.errorString().toStdString());
    return file.readAll();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <winding-wires.csv> <Provod.dat>\n", argv[0]);
        return 2;
    }
    const QString csvPath = QString::fromLocal8Bit(argv[1]);
    const QString outputPath = QString::fromLocal8Bit(argv[2]);
    try {
        const auto wires = dravik::regroupAndSort(dravik::parseWireCsv(readWhole(csvPath)));
        dravik::writeWholeFile(outputPath, dravik::writeProvodImage(wires));
        std::printf("%s: %zu wires\n", argv[2], wires.size());
    } catch (const dravik::CommandError& error) {
        std::fprintf(stderr, "%s: %s\n", argv[1], error.text().toLocal8Bit().constData());
        return 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", argv[1], error.what());
        return 1;
    }
    return 0;
}
