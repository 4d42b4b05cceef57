#include "shell/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace Paths
{
QString dataFolder(const QString& override)
{
    if (!override.isEmpty())
        return QDir(override).absolutePath();
    const QString home = qEnvironmentVariable("SOLVIRA_HOME");
    if (!home.isEmpty())
        return QDir(home).absolutePath();
    QString location = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (location.isEmpty())
        location = QDir::home().filePath(QStringLiteral(".local/share/Solvira"));
    return location;
}

bool enterDataFolder(const QString& folder, QString* error)
{
    QDir dir(folder);
    if (!dir.exists() && !QDir().mkpath(folder)) {
        if (error)
            *error = QStringLiteral("Nie można utworzyć folderu danych „%1”.").arg(folder);
        return false;
    }
    if (!QDir::setCurrent(folder)) {
        if (error)
            *error = QStringLiteral("Nie można otworzyć folderu danych „%1”.").arg(folder);
        return false;
    }
    return true;
}

QString assetFolder()
{
    QStringList candidates;
    if (QCoreApplication::instance()) {
        const QString exeDir = QCoreApplication::applicationDirPath();
        candidates << exeDir + QStringLiteral("/data") << exeDir + QStringLiteral("/../share/solvira");
    }
    candidates << QStringLiteral(SOLVIRA_SOURCE_DATA_DIR);
    for (const QString& c : candidates) {
        if (QFileInfo(c).isDir())
            return QDir(c).absolutePath();
    }
    return QStringLiteral(SOLVIRA_SOURCE_DATA_DIR);
}

QString assetPath(const QString& relative)
{
    return QDir(assetFolder()).filePath(relative);
}
} // namespace Paths
