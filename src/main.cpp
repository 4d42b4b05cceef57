// solvira: the desktop program.
#include "shell/Ask.h"
#include "shell/Paths.h"
#include "shell/Startup.h"
#include "shell/svGlobals.h"
#include "shell/ui/TFormMain.h"
#include "store/svDB.h"
#include "store/svSchema.h"
#include "ui/AskPresenter.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

namespace
{
bool haveDisplay()
{
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

int run(QApplication& app)
{
    QString error;
    const QString folder = Paths::dataFolder();
    if (!Paths::enterDataFolder(folder, &error)) {
        Ask::error(error);
        return 1;
    }
    // The store is opened (and brought up to date) before any window exists; a store that cannot be
    // opened ends the program with its reason instead of a window on half a database.
    if (!Schema::OpenStore(QDir::currentPath(), &error)) {
        Ask::error(error);
        return 1;
    }
    int code = 1;
    {
        TFormMain window(SplitCommandLine(app.arguments().mid(1)));
        if (!window.FormCreate(&error)) {
            Ask::error(error);
        } else {
            window.show();
            code = app.exec();
        }
    }
    FreeSharedTables();
    Db::Close();
    return code;
}
} // namespace

int main(int argc, char** argv)
{
    if (!haveDisplay()) {
        std::fputs("Solvira: brak ekranu (nie ustawiono DISPLAY ani WAYLAND_DISPLAY); program wymaga środowiska graficznego.\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(kProductWord);
    QApplication::setApplicationDisplayName(kProductWord);
    AskPresenter::install();
    return run(app);
}
