// solvira: the desktop program.
#include "shell/svGlobals.h"
#include "ui/AskPresenter.h"
#include "ui/ProgramMain.h"

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
    return RunProgram(app.arguments().mid(1));
}
