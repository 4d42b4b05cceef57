#include "shell/ui/TFormMain.h"

#include "shell/svGlobals.h"

TFormMain::TFormMain(QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(ProgramTitle());
    resize(1000, 700);
}
