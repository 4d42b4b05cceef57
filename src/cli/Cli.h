// solvira-cli: each area registers its commands with SOLVIRA_CLI_COMMAND in its own file.
// Output is UTF-8, one record per line, fields separated by a TAB.
// Exit codes: 0 done; 1 input refused (the Polish message on stderr, one line); 2 usage
// error; 3 any other failure.
#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <functional>
#include <vector>

enum CliExit : int { ExitDone = 0, ExitRefused = 1, ExitUsage = 2, ExitFailure = 3 };

class CliContext
{
public:
    CliContext(QStringList args, QString dataOverride, QTextStream& out, QTextStream& err);

    QStringList args;        // the arguments after the command name
    QString dataOverride;    // --data DIR, or empty
    QTextStream& out;
    QTextStream& err;
    QString usageText;       // the running command's usage line

    // Writes "key<TAB>value".
    void pair(const QString& key, const QString& value);
    void pair(const QString& key, qint64 value);
    // Writes the fields joined by TABs as one line.
    void record(const QStringList& fields);

    // Exit 1 with the message as one line (line breaks become one blank).
    int refuse(const QString& message);
    // Exit 2 with the command's usage on stderr (and an optional reason first).
    int usage(const QString& reason = QString());
    // Exit 3 with the message.
    int fail(const QString& message);

    // Creates the data folder when missing and makes it current; false after reporting.
    bool enterDataFolder();

    // Option parsing helpers over args: takes "--name VALUE" or "--flag" out of args.
    bool takeFlag(const QString& name);
    bool takeOption(const QString& name, QString* value); // false when absent
    bool hasUnknownOptions() const;                        // any "--x" left over
};

struct CliCommand
{
    QString name;     // may hold two words ("pool add")
    QString usage;    // e.g. "pool add FIRST LAST"
    QString summary;  // one line for --help
    std::function<int(CliContext&)> run;
};

namespace Cli
{
bool add(CliCommand command);
const std::vector<CliCommand>& commands();
} // namespace Cli

#define SOLVIRA_CLI_CONCAT2(a, b) a##b
#define SOLVIRA_CLI_CONCAT(a, b) SOLVIRA_CLI_CONCAT2(a, b)
// Usage: SOLVIRA_CLI_COMMAND({name, usage, summary, function});
#define SOLVIRA_CLI_COMMAND(...) \
    static const bool SOLVIRA_CLI_CONCAT(cliRegistered_, __LINE__) = Cli::add(CliCommand __VA_ARGS__)
