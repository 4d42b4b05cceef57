#include "Cups.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

namespace
{
int run(const QString& program, const QStringList& args, QString* output = nullptr, int timeoutMs = 30000)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForStarted(5000))
        return -1;
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        return -1;
    }
    if (output)
        *output = QString::fromUtf8(p.readAll());
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

bool schedulerRunning()
{
    QString out;
    return run(QStringLiteral("lpstat"), {QStringLiteral("-r")}, &out) == 0 && !out.contains(QStringLiteral("not"));
}
} // namespace

QString EnsureCupsPdfQueue(QString* why)
{
    const QString queue = QStringLiteral("SolviraTestPDF");
    if (!schedulerRunning()) {
        if (run(QStringLiteral("cupsd"), {}) != 0) {
            *why = QStringLiteral("cupsd could not be started");
            return QString();
        }
        for (int i = 0; i < 50 && !schedulerRunning(); ++i)
            QThread::msleep(100);
        if (!schedulerRunning()) {
            *why = QStringLiteral("cupsd did not come up");
            return QString();
        }
    }
    QString out;
    if (run(QStringLiteral("lpstat"), {QStringLiteral("-p"), queue}, &out) != 0) {
        const QString ppd = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd");
        QStringList args{QStringLiteral("-p"), queue, QStringLiteral("-v"), QStringLiteral("cups-pdf:/"), QStringLiteral("-E")};
        if (QFileInfo::exists(ppd))
            args << QStringLiteral("-P") << ppd;
        if (run(QStringLiteral("lpadmin"), args, &out) != 0) {
            *why = QStringLiteral("lpadmin could not add the cups-pdf queue: ") + out.trimmed();
            return QString();
        }
    }
    return queue;
}

QString WaitForCupsPdf(const QString& marker, int timeoutMs)
{
    const QStringList folders{QDir::homePath() + QStringLiteral("/PDF"), QStringLiteral("/var/spool/cups-pdf/ANONYMOUS"),
                              QStringLiteral("/var/spool/cups-pdf/root")};
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < timeoutMs) {
        for (const QString& f : folders) {
            for (const QFileInfo& i : QDir(f).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time)) {
                // cups-pdf writes the file in place: wait until it is complete.
                if (i.fileName().contains(marker) && i.size() > 0) {
                    QThread::msleep(500);
                    if (QFileInfo(i.absoluteFilePath()).size() == i.size())
                        return i.absoluteFilePath();
                }
            }
        }
        QThread::msleep(200);
    }
    return QString();
}
