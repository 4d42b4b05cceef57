// Helpers shared by the tests.
#pragma once

#include "shell/Ask.h"
#include "shell/Clock.h"
#include "store/svDB.h"
#include "store/svSchema.h"

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

// Lets gtest print QStrings in failure messages.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

// A fresh, empty data folder that is removed after the test; optionally the current directory.
class TempDataFolder
{
public:
    explicit TempDataFolder(bool enter = false);
    ~TempDataFolder();
    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

// A test on a fresh data folder whose store is open for the test's length.
class StoreFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QString error;
        ASSERT_TRUE(Schema::OpenStore(dir.path(), &error)) << qPrintable(error);
    }
    void TearDown() override { Db::Close(); }
    TempDataFolder dir;
};

// Clears queued answers and the record of shown boxes before and after a test.
class AskRecorder
{
public:
    AskRecorder();
    ~AskRecorder();
    QList<AskBox> shown() const { return Ask::shown(); }
};

// Fixes Clock::now() for the lifetime of the object.
class FixedClock
{
public:
    explicit FixedClock(const QDateTime& t) { Clock::setNow(t); }
    ~FixedClock() { Clock::reset(); }
};

// Runs solvira-cli (path from $SOLVIRA_CLI) and gathers its output.
struct CliRun
{
    int exitCode = -1;
    QString out;
    QString err;
    QStringList lines() const;                  // stdout lines without the trailing empty one
    QString value(const QString& key) const;    // the value of a "key<TAB>value" line
};
CliRun runCli(const QStringList& args, const QString& dataFolder = QString(), int timeoutMs = 120000);

// Reads every barcode in the picture with the independent decoder zbarimg (zbar-tools); one
// "SYMBOLOGY:data" entry per symbol found, e.g. "CODE-128:0123". Empty when none is found.
class QImage;
QStringList zbarRead(const QImage& image);
QStringList zbarReadFile(const QString& path);
