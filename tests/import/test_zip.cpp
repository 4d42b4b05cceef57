// XMZ archives: entries in memory, case-blind names, hostile archives refused without writes.
#include "XmzFixture.h"
#include "import/btZipStream.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>

namespace
{
QStringList filesBelow(const QString& dir)
{
    QStringList all;
    const auto list = QDir(dir).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QFileInfo& i : list)
        all << (i.isDir() ? filesBelow(i.absoluteFilePath()) : QStringList{i.absoluteFilePath()});
    return all;
}

TEST(Zip, EntriesAreReadInOrderAndNamesMatchWithoutCase)
{
    TempDataFolder dir(true);
    const QString path = dir.file(QStringLiteral("pule.xmz"));
    ASSERT_TRUE(WriteZip(path, {{"first.xml", "<a/>"}, {"folder/", ""}, {"second.xml", "<b/>"}}));
    TZipFile zip(path);
    ASSERT_TRUE(zip.isOpen()) << qPrintable(zip.errorString());
    EXPECT_EQ(zip.EntryNames(), (QStringList{"first.xml", "second.xml"})); // the folder entry is skipped
    TZipFileStream upper(zip, QStringLiteral("SECOND.XML"));
    ASSERT_TRUE(upper.ok());
    EXPECT_EQ(upper.readAll(), QByteArray("<b/>"));
    TZipFileStream missing(zip, QStringLiteral("third.xml"));
    EXPECT_FALSE(missing.ok());
    EXPECT_FALSE(missing.errorString().isEmpty());
    EXPECT_EQ(filesBelow(dir.path()), QStringList{path}); // nothing written beside the archive
}

TEST(Zip, NamesDifferingOnlyInCaseAreReadByPosition)
{
    TempDataFolder dir;
    const QString path = dir.file(QStringLiteral("pule.xmz"));
    ASSERT_TRUE(WriteZip(path, {{"pula.xml", "<a/>"}, {"PULA.XML", "<b/>"}}));
    TZipFile zip(path);
    ASSERT_EQ(zip.EntryNames().size(), 2);
    EXPECT_EQ(TZipFileStream(zip, QStringLiteral("PULA.XML")).readAll(), QByteArray("<a/>")); // the first match
    EXPECT_EQ(TZipFileStream(zip, qsizetype(0)).readAll(), QByteArray("<a/>"));
    EXPECT_EQ(TZipFileStream(zip, qsizetype(1)).readAll(), QByteArray("<b/>"));
    EXPECT_FALSE(TZipFileStream(zip, qsizetype(2)).ok());
}

TEST(Zip, HostileArchivesWriteNothingAnywhere)
{
    TempDataFolder dir(true);
    QDir().mkpath(dir.file(QStringLiteral("inner")));
    QDir::setCurrent(dir.file(QStringLiteral("inner")));
    const QString path = dir.file(QStringLiteral("inner/zly.xmz"));
    ASSERT_TRUE(WriteZip(path, {{"../../escape.xml", "<x/>"}, {"/tmp/solvira-absolute.xml", "<y/>"}}));
    TZipFile zip(path);
    ASSERT_TRUE(zip.isOpen());
    for (const QString& name : zip.EntryNames()) {
        TZipFileStream s(zip, name);
        EXPECT_TRUE(s.ok()); // read in memory, harmless
    }
    EXPECT_EQ(filesBelow(dir.path()), QStringList{path});
    EXPECT_FALSE(QFile::exists(QStringLiteral("/tmp/solvira-absolute.xml")));
    QDir::setCurrent(dir.path());
}

TEST(Zip, OversizedEntryAndDamagedArchiveAreRefused)
{
    TempDataFolder dir;
    const QString big = dir.file(QStringLiteral("big.xmz"));
    // Highly compressible: a small archive whose entry unpacks beyond the limit.
    ASSERT_TRUE(WriteZip(big, {{"bomb.xml", QByteArray(TZipFile::kMaxEntrySize + 1, ' ')}}));
    EXPECT_LT(QFile(big).size(), 1024 * 1024);
    TZipFile zip(big);
    ASSERT_TRUE(zip.isOpen());
    QByteArray data;
    QString error;
    EXPECT_FALSE(zip.ReadEntry(QStringLiteral("bomb.xml"), &data, &error));
    EXPECT_TRUE(data.isEmpty());
    EXPECT_FALSE(error.isEmpty());

    const QString junk = dir.file(QStringLiteral("junk.xmz"));
    QFile f(junk);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("to nie jest archiwum zip");
    f.close();
    TZipFile bad(junk);
    EXPECT_FALSE(bad.isOpen());
    EXPECT_FALSE(bad.errorString().isEmpty());
    EXPECT_FALSE(TZipFile(dir.file(QStringLiteral("missing.xmz"))).isOpen());
}

TEST(Zip, TooManyEntriesAreRefused)
{
    TempDataFolder dir;
    QList<QPair<QString, QByteArray>> entries;
    for (int i = 0; i <= TZipFile::kMaxEntries; ++i)
        entries.append({QStringLiteral("e%1.xml").arg(i), QByteArray("<a/>")});
    const QString path = dir.file(QStringLiteral("many.xmz"));
    ASSERT_TRUE(WriteZip(path, entries));
    EXPECT_FALSE(TZipFile(path).isOpen());
}
} // namespace
