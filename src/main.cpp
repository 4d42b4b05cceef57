// solvira: the desktop program.
#include "shell/Paths.h"
#include "shell/svGlobals.h"
#include "shell/ui/TFormMain.h"
#include "ui/AskPresenter.h"

#include <QApplication>

#include <cstdio>

namespace
{
bool haveDisplay()
{
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
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

    QString error;
    if (!Paths::enterDataFolder(Paths::dataFolder(), &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }

    TFormMain window;
    window.show();
    return app.exec();
}
