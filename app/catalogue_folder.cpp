#include "catalogue_folder.h"

#include "catalogues/steel_catalogue.h"
#include "catalogues/wire_table.h"
#include "common/catalogue_file.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QStandardPaths>

namespace dravik {
namespace {

// When this run of the program began: taken as the program is loaded,
// before anything of it can write a file.
const QDateTime kProgramStarted = QDateTime::currentDateTimeUtc();

}  // namespace

QString catalogueFolder(const std::optional<QString>& dataDir) {
    const QString folder =
        dataDir ? *dataDir : QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(folder);
    const QString path = QDir(folder).absolutePath();
    removeLeftoverTemporaries(path, {QString::fromUtf8(SteelCatalogue::kFileName), QString::fromUtf8(WireTable::kFileName)},
                              kProgramStarted);
    return path;
}

QString shippedWireCatalogue() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/dravik/Provod.dat"));
}

}  // namespace dravik
