#include "ui/ProgramMain.h"

#include "settings/svUstawienia.h"
#include "shell/Ask.h"
#include "shell/Paths.h"
#include "shell/Startup.h"
#include "shell/ui/TFormMain.h"
#include "store/svDB.h"
#include "store/svSchema.h"

#include <QApplication>
#include <QDir>

int RunProgram(const QStringList& args)
{
    QString error;
    if (!Paths::enterDataFolder(Paths::dataFolder(), &error)) {
        Ask::error(error);
        return 1;
    }
    // The store is opened (and brought up to date) before any window exists; a store that cannot be
    // opened ends the program with its reason instead of a window on half a database.
    if (!Schema::OpenStore(QDir::currentPath(), &error)) {
        Ask::error(error);
        Db::Close();
        return 1;
    }
    int code = 1;
    {
        TFormMain window(SplitCommandLine(args));
        if (!window.FormCreate(&error)) {
            Ask::error(error);
        } else {
            window.show();
            code = QApplication::exec();
        }
    }
    FreeSharedTables();
    Db::Close();
    return code;
}
