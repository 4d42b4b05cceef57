#include "TestSupport.h"

#include <QImage>
#include <QDir>
#include <QProcessEnvironment>

TempDataFolder::TempDataFolder(bool enter)
{
    if (enter) {
        m_previous = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
    }
}

TempDataFolder::~TempDataFolder()
{
    if (!m_previous.isEmpty())
        QDir::setCurrent(m_previous);
}

AskRecorder::AskRecorder()
{
    Ask::clearQueue();
    Ask::clearShown();
}

AskRecorder::~AskRecorder()
{
    Ask::clearQueue();
    Ask::clearShown();
}

QStringList CliRun::lines() const
{
    QStringList l = out.split(QLatin1Char('\n'));
    if (!l.isEmpty() && l.last().isEmpty())
        l.removeLast();
    return l;
}

QString CliRun::value(const QString& key) const
{
    for (const QString& line : lines()) {
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        if (tab >= 0 && line.left(tab) == key)
            return line.mid(tab + 1);
    }
    return QString();
}

CliRun runCli(const QStringList& args, const QString& dataFolder, int timeoutMs)
{
    CliRun r;
    QProcess p;
    QStringList all;
    if (!dataFolder.isEmpty())
        all << QStringLiteral("--data") << dataFolder;
    all << args;
    p.start(qEnvironmentVariable("SOLVIRA_CLI"), all);
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        r.err = QStringLiteral("timeout");
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

QStringList zbarReadFile(const QString& path)
{
    QProcess p;
    p.start(QStringLiteral("zbarimg"), {QStringLiteral("-q"), path});
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return {};
    }
    QStringList found;
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n')))
        if (!line.trimmed().isEmpty())
            found << line.trimmed();
    return found;
}

QStringList zbarRead(const QImage& image)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("barcodes.png"));
    if (!image.save(path))
        return {};
    return zbarReadFile(path);
}
