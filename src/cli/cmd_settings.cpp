// solvira-cli settings get/set and pesel.
#include "cli/Cli.h"
#include "cli/CliStore.h"
#include "settings/svUstawienia.h"
#include "store/btPesel.h"

namespace
{
// Opens the store with its settings row and reads the setting named by the first argument;
// false with the exit code in rc when any of it fails.
bool readSetting(CliContext& ctx, QString* value, int* rc)
{
    if (!OpenCliStore(ctx, rc))
        return false;
    QString error;
    if (!EnsureSettingsRow(&error)) {
        *rc = ctx.fail(error);
        return false;
    }
    if (!SettingsValue(ctx.args.first(), value)) {
        *rc = ctx.refuse(QStringLiteral("nieznane ustawienie: %1").arg(ctx.args.first()));
        return false;
    }
    return true;
}

int settingsGet(CliContext& ctx)
{
    if (ctx.args.size() != 1)
        return ctx.usage();
    int rc = ExitDone;
    QString value;
    if (!readSetting(ctx, &value, &rc))
        return rc;
    ctx.out << value << '\n';
    return ExitDone;
}

int settingsSet(CliContext& ctx)
{
    if (ctx.args.size() != 2)
        return ctx.usage();
    int rc = ExitDone;
    QString value, error;
    if (!readSetting(ctx, &value, &rc))
        return rc;
    if (!SetSettingsValue(ctx.args.at(0), ctx.args.at(1), &error))
        return ctx.fail(error);
    return ExitDone;
}

int pesel(CliContext& ctx)
{
    if (ctx.args.size() != 1)
        return ctx.usage();
    const QString p = ctx.args.first();
    const QDate birth = PeselBirthDate(p);
    ctx.pair(QStringLiteral("valid"), PeselValid(p) ? QStringLiteral("1") : QStringLiteral("0"));
    ctx.pair(QStringLiteral("sex"), PeselSex(p));
    ctx.pair(QStringLiteral("birth-date"), birth.isValid() ? birth.toString(QStringLiteral("yyyy-MM-dd")) : QStringLiteral("0"));
    return ExitDone;
}
} // namespace

SOLVIRA_CLI_COMMAND({QStringLiteral("settings get"), QStringLiteral("settings get KEY"),
                     QStringLiteral("one column of the settings row"), settingsGet});
SOLVIRA_CLI_COMMAND({QStringLiteral("settings set"), QStringLiteral("settings set KEY VALUE"),
                     QStringLiteral("sets one column of the settings row"), settingsSet});
SOLVIRA_CLI_COMMAND({QStringLiteral("pesel"), QStringLiteral("pesel PESEL"),
                     QStringLiteral("whether a PESEL is valid, the sex (1 woman, 0 man, 2 unknown), the birth date"), pesel});
