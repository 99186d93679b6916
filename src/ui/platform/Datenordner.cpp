#include "ui/platform/Datenordner.h"

#include <QCoreApplication>
#include <QDir>

#include "core/persist/Datenordner.h"

namespace vapro {

QString Datenordner() {
    const std::filesystem::path programm(QCoreApplication::applicationDirPath().toStdString());
    const QString ordner = QString::fromStdString(Datenordner(programm).string());
    return QDir::cleanPath(QDir(ordner).absolutePath()) + '/';
}

} // namespace vapro
