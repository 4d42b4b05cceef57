// Where the program keeps its files. The writable data folder stands for both the program
// folder and the working folder: data_100.add, solvira.ini, zmiany.txt and the pictures
// live there. Read-only assets (help pages, artwork, the shipped drug base) ship with the
// program.
#pragma once

#include <QString>

namespace Paths
{
// $SOLVIRA_HOME when set, else the per-user application data location. An explicit
// override (the CLI's --data) wins over both.
QString dataFolder(const QString& override = QString());

// Creates the data folder when missing and makes it the current directory.
// Returns false with a Polish message in *error when that is not possible.
bool enterDataFolder(const QString& folder, QString* error = nullptr);

// The folder that holds the shipped read-only assets: beside the executable ("data"),
// under the install prefix (share/solvira), or the source tree's data folder.
QString assetFolder();
QString assetPath(const QString& relative);
} // namespace Paths
