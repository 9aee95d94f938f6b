#include "catalogue_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace dravik {

QString catalogueFolder(const std::optional<QString>& dataDir) {
    const QString folder =
        dataDir ? *dataDir : QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(folder);
    return QDir(folder).absolutePath();
}

QString shippedWireCatalogue() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/dravik/Provod.dat"));
}

}  // namespace dravik
