#include "cli/Cli.h"

#include "shell/Paths.h"

CliContext::CliContext(QStringList a, QString data, QTextStream& o, QTextStream& e)
    : args(std::move(a)), dataOverride(std::move(data)), out(o), err(e)
{
}

void CliContext::pair(const QString& key, const QString& value)
{
    out << key << '\t' << value << '\n';
}

void CliContext::pair(const QString& key, qint64 value)
{
    pair(key, QString::number(value));
}

void CliContext::record(const QStringList& fields)
{
    out << fields.join(QLatin1Char('\t')) << '\n';
}

int CliContext::refuse(const QString& message)
{
    QString line = message;
    line.replace(QLatin1String("\r\n"), QLatin1String(" "));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    err << line << '\n';
    return ExitRefused;
}

int CliContext::usage(const QString& reason)
{
    if (!reason.isEmpty())
        err << reason << '\n';
    err << "usage: solvira-cli [--data DIR] " << usageText << '\n';
    return ExitUsage;
}

int CliContext::fail(const QString& message)
{
    err << message << '\n';
    return ExitFailure;
}

bool CliContext::enterDataFolder()
{
    QString error;
    if (!Paths::enterDataFolder(Paths::dataFolder(dataOverride), &error)) {
        fail(error);
        return false;
    }
    return true;
}

bool CliContext::takeFlag(const QString& name)
{
    return args.removeAll(name) > 0;
}

bool CliContext::takeOption(const QString& name, QString* value)
{
    const qsizetype i = args.indexOf(name);
    if (i < 0 || i + 1 >= args.size())
        return false;
    *value = args.at(i + 1);
    args.remove(i, 2);
    return true;
}

bool CliContext::hasUnknownOptions() const
{
    for (const QString& a : args)
        if (a.startsWith(QLatin1String("--")))
            return true;
    return false;
}

namespace Cli
{
static std::vector<CliCommand>& registry()
{
    static std::vector<CliCommand> list;
    return list;
}

bool add(CliCommand command)
{
    registry().push_back(std::move(command));
    return true;
}

const std::vector<CliCommand>& commands()
{
    return registry();
}
} // namespace Cli
