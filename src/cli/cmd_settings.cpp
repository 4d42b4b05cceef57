// solvira-cli settings get/set and pesel.
#include "cli/Cli.h"
#include "cli/CliStore.h"
#include "settings/svUstawienia.h"
#include "store/btPesel.h"

namespace
{
int settingsGet(CliContext& ctx)
{
    if (ctx.args.size() != 1)
        return ctx.usage();
    int rc = ExitDone;
    if (!OpenCliStore(ctx, &rc))
        return rc;
    QString error, value;
    if (!EnsureSettingsRow(&error))
        return ctx.fail(error);
    if (!SettingsValue(ctx.args.first(), &value))
        return ctx.refuse(QStringLiteral("nieznane ustawienie: %1").arg(ctx.args.first()));
    ctx.out << value << '\n';
    return ExitDone;
}

int settingsSet(CliContext& ctx)
{
    if (ctx.args.size() != 2)
        return ctx.usage();
    int rc = ExitDone;
    if (!OpenCliStore(ctx, &rc))
        return rc;
    QString error, value;
    if (!EnsureSettingsRow(&error))
        return ctx.fail(error);
    if (!SettingsValue(ctx.args.first(), &value))
        return ctx.refuse(QStringLiteral("nieznane ustawienie: %1").arg(ctx.args.first()));
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
