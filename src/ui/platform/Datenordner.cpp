#include "ui/platform/Datenordner.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace vapro {

QString Datenordner() {
    const QString programm = QCoreApplication::applicationDirPath();
    const QString kandidaten[] = {programm + "/../share/zelto-vapro", programm + "/data",
                                  QStringLiteral(VAPRO_DATA_DIR)};
    // The German help file marks a complete data folder.
    for (const QString& ordner : kandidaten)
        if (QFileInfo::exists(ordner + "/Vapro15.hlp")) return QDir::cleanPath(ordner) + '/';
    return QDir::cleanPath(QStringLiteral(VAPRO_DATA_DIR)) + '/';
}

} // namespace vapro
