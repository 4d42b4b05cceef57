// solvira-cli: the program's rules, store and printing for scripts and practice systems.
#include "cli/Cli.h"
#include "shell/svGlobals.h"
#include "store/svDB.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <unistd.h>

#include <algorithm>
#include <cstdio>

namespace
{
void printHelp(QTextStream& s)
{
    s << "usage: solvira-cli [--data DIR] COMMAND ...\n\n"
      << "The data folder is DIR, else $SOLVIRA_HOME, else the per-user data folder.\n"
      << "Exit codes: 0 done, 1 input refused, 2 usage error, 3 other failure.\n\nCommands:\n";
    std::vector<CliCommand> sorted = Cli::commands();
    std::sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
    for (const CliCommand& c : sorted)
        s << "  " << c.usage << "\n      " << c.summary << '\n';
}

// The longest registered name that the arguments start with ("pool add" before "pool").
const CliCommand* findCommand(const QStringList& args, int* words)
{
    const CliCommand* best = nullptr;
    int bestWords = 0;
    for (const CliCommand& c : Cli::commands()) {
        const QStringList parts = c.name.split(QLatin1Char(' '));
        if (parts.size() > args.size() || parts.size() <= bestWords)
            continue;
        if (std::equal(parts.begin(), parts.end(), args.begin())) {
            best = &c;
            bestWords = int(parts.size());
        }
    }
    *words = bestWords;
    return best;
}
} // namespace

int main(int argc, char** argv)
{
    // Drawing and printing need a GUI application object, never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Without a session runtime folder Qt warns on stderr, which would spoil the one-line messages.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QByteArray runtime = QDir::tempPath().toUtf8() + "/solvira-runtime-" + QByteArray::number(getuid());
        QDir().mkpath(QString::fromUtf8(runtime));
        QFile::setPermissions(QString::fromUtf8(runtime), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime);
    }
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(kProductWord);

    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);

    QStringList args = app.arguments().mid(1);
    QString data;
    if (args.size() >= 2 && args.first() == QLatin1String("--data")) {
        data = args.at(1);
        args.remove(0, 2);
    }
    if (args.isEmpty()) {
        printHelp(err);
        return ExitUsage;
    }
    if (args.first() == QLatin1String("--help") || args.first() == QLatin1String("help")) {
        printHelp(out);
        return ExitDone;
    }
    int words = 0;
    const CliCommand* command = findCommand(args, &words);
    if (!command) {
        err << "unknown command: " << args.first() << '\n';
        printHelp(err);
        return ExitUsage;
    }
    CliContext ctx(args.mid(words), data, out, err);
    ctx.usageText = command->usage;
    if (ctx.args.contains(QLatin1String("--help"))) {
        out << "usage: solvira-cli [--data DIR] " << command->usage << '\n' << command->summary << '\n';
        return ExitDone;
    }
    const int rc = command->run(ctx);
    // The store is closed before the application object goes.
    Db::Close();
    out.flush();
    err.flush();
    return rc;
}
