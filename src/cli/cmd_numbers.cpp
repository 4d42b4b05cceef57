// solvira-cli commands over prescription numbers: pure, no data folder.
#include "cli/Cli.h"
#include "numbers/CheckDigitCalculator.h"
#include "numbers/svNumbers.h"

namespace
{
QString flag(bool b)
{
    return b ? QStringLiteral("1") : QStringLiteral("0");
}

int number(CliContext& ctx)
{
    if (ctx.args.size() != 1)
        return ctx.usage();
    const QString n = ctx.args.at(0);
    ctx.pair(QStringLiteral("well-formed"), flag(IsWellFormedNumber(n)));
    ctx.pair(QStringLiteral("kind"), NumberKindOf(n));
    ctx.pair(QStringLiteral("serial"), SerialValue(n));
    ctx.pair(QStringLiteral("check-digit"), CheckDigit(n));
    ctx.pair(QStringLiteral("valid-check-digit"), flag(HasValidCheckDigit(n)));
    ctx.pair(QStringLiteral("branch"), BranchText(n));
    ctx.pair(QStringLiteral("category"), CategoryText(n));
    ctx.pair(QStringLiteral("contract"), ContractText(n));
    return ExitDone;
}

bool parseSerial(const QString& text, qint64* value)
{
    bool ok = false;
    *value = text.toLongLong(&ok);
    return ok && *value >= 0;
}

int withSerial(CliContext& ctx)
{
    qint64 serial = 0;
    if (ctx.args.size() != 2)
        return ctx.usage();
    if (!parseSerial(ctx.args.at(1), &serial))
        return ctx.usage(QStringLiteral("SERIAL must be a non-negative integer"));
    ctx.out << NumberWithSerial(ctx.args.at(0), serial) << '\n';
    return ExitDone;
}

int poolSize(CliContext& ctx)
{
    if (ctx.args.size() != 2)
        return ctx.usage();
    ctx.out << PoolSize(ctx.args.at(0), ctx.args.at(1)) << '\n';
    return ExitDone;
}

int isNext(CliContext& ctx)
{
    if (ctx.args.size() != 2)
        return ctx.usage();
    ctx.out << flag(IsNextNumber(ctx.args.at(0), ctx.args.at(1))) << '\n';
    return ExitDone;
}

int validateRange(CliContext& ctx)
{
    if (ctx.args.size() != 2)
        return ctx.usage();
    const QString message = RangeError(ctx.args.at(0), ctx.args.at(1));
    return message.isEmpty() ? ExitDone : ctx.refuse(message);
}

int checkDigit(CliContext& ctx)
{
    QString rule = QStringLiteral("2012");
    if (ctx.args.contains(QLatin1String("--rule")) && !ctx.takeOption(QStringLiteral("--rule"), &rule))
        return ctx.usage();
    if (ctx.hasUnknownOptions() || ctx.args.size() != 1 || (rule != QLatin1String("2012") && rule != QLatin1String("2007")))
        return ctx.usage();
    const TCheckDigitResult r = CalculateCheckDigit(ctx.args.at(0), rule == QLatin1String("2012"));
    ctx.pair(QStringLiteral("digits"), r.count);
    ctx.pair(QStringLiteral("weights"), r.weights);
    ctx.pair(QStringLiteral("check-digit"), r.checkDigit);
    ctx.pair(QStringLiteral("number"), r.number);
    ctx.pair(QStringLiteral("kind"), r.kind);
    ctx.pair(QStringLiteral("prescription-number"), flag(r.prescriptionNumber));
    return ExitDone;
}
} // namespace

SOLVIRA_CLI_COMMAND({QStringLiteral("number"), QStringLiteral("number NUMBER"),
                     QStringLiteral("what a prescription number is: kind, serial, check digit, branch, category, contract"),
                     number});
SOLVIRA_CLI_COMMAND({QStringLiteral("with-serial"), QStringLiteral("with-serial TEMPLATE SERIAL"),
                     QStringLiteral("the number of the template's kind and constant part with another serial"),
                     withSerial});
SOLVIRA_CLI_COMMAND({QStringLiteral("pool-size"), QStringLiteral("pool-size FIRST LAST"),
                     QStringLiteral("how many numbers the range holds"), poolSize});
SOLVIRA_CLI_COMMAND({QStringLiteral("is-next"), QStringLiteral("is-next A B"),
                     QStringLiteral("1 when B directly follows A"), isNext});
SOLVIRA_CLI_COMMAND({QStringLiteral("validate-range"), QStringLiteral("validate-range FIRST LAST"),
                     QStringLiteral("checks a range of numbers; refused with the message when invalid"),
                     validateRange});
SOLVIRA_CLI_COMMAND({QStringLiteral("check-digit"), QStringLiteral("check-digit DIGITS [--rule 2012|2007]"),
                     QStringLiteral("the check-digit calculator"), checkDigit});
