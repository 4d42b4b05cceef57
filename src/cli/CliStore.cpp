#include "cli/CliStore.h"

#include "store/svSchema.h"

#include <QDir>

bool OpenCliStore(CliContext& ctx, int* exitCode)
{
    if (!ctx.enterDataFolder()) {
        *exitCode = ExitFailure;
        return false;
    }
    QString error;
    if (!Schema::OpenStore(QDir::currentPath(), &error)) {
        *exitCode = ctx.fail(error);
        return false;
    }
    return true;
}
