// The shipped drug base and ATC groups: what the store's name lookup and the ATC tree rely on.
#include "shell/Paths.h"
#include "shell/svGlobals.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QSet>

namespace
{
QList<QStringList> readTsv(const QString& relative, QString* header)
{
    QFile f(Paths::assetPath(relative));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly | QIODevice::Text)) << qPrintable(f.fileName());
    QList<QStringList> rows;
    *header = QString::fromUtf8(f.readLine()).chopped(1);
    while (!f.atEnd()) {
        QString line = QString::fromUtf8(f.readLine());
        if (line.endsWith(QLatin1Char('\n')))
            line.chop(1);
        rows.append(line.split(QLatin1Char('\t')));
    }
    return rows;
}

TEST(DrugData, MainBaseIsCompleteAndInStoredOrder)
{
    QString header;
    const QList<QStringList> drugs = readTsv(QStringLiteral("drugs/leki.tsv"), &header);
    EXPECT_EQ(header, QStringLiteral("nazwa\trodzajOpak\tdawka\tjm\tilosc\tatc\treceptariusz\todplat"));
    EXPECT_GE(drugs.size(), 400);
    for (qsizetype i = 0; i < drugs.size(); ++i) {
        const QStringList& d = drugs.at(i);
        ASSERT_EQ(d.size(), 8) << "row " << i + 2;
        EXPECT_FALSE(IsBlank(d.at(0))) << "row " << i + 2;
        EXPECT_TRUE(d.at(6) == QLatin1String("0") || d.at(6) == QLatin1String("1")) << "row " << i + 2;
        const qint64 odplat = TextToInt64(d.at(7));
        EXPECT_TRUE(odplat >= 0 && odplat <= 4 && IsDigit(d.at(7))) << "row " << i + 2;
        EXPECT_EQ(d.at(5).size(), 7) << "row " << i + 2;
        if (i > 0) {
            // The name lookup stops at the first name that no longer matches; equal names go by
            // strength, then package, so that a rebuilt file keeps the same order.
            const QStringList& p = drugs.at(i - 1);
            int order = CompareCp1250(UpperPl(p.at(0)), UpperPl(d.at(0)));
            if (order == 0)
                order = CompareCp1250(p.at(2), d.at(2));
            if (order == 0)
                order = CompareCp1250(p.at(4), d.at(4));
            EXPECT_LT(order, 0) << "row " << i + 2;
        }
    }
}

TEST(DrugData, EveryAtcLevelOfEveryDrugHasItsGroup)
{
    QString header;
    const QList<QStringList> groups = readTsv(QStringLiteral("drugs/atc.tsv"), &header);
    EXPECT_EQ(header, QStringLiteral("KOD_ATC\tNAZWA"));
    QSet<QString> codes;
    QString previous;
    for (const QStringList& g : groups) {
        ASSERT_EQ(g.size(), 2);
        EXPECT_LT(previous, g.at(0)) << qPrintable(g.at(0));
        previous = g.at(0);
        EXPECT_FALSE(codes.contains(g.at(0))) << qPrintable(g.at(0));
        EXPECT_FALSE(IsBlank(g.at(1))) << qPrintable(g.at(0));
        codes.insert(g.at(0));
    }
    const QList<QStringList> drugs = readTsv(QStringLiteral("drugs/leki.tsv"), &header);
    for (const QStringList& d : drugs) {
        const QString atc = d.at(5);
        for (int level : {1, 3, 4, 5, 7}) {
            if (atc.size() >= level) {
                EXPECT_TRUE(codes.contains(atc.left(level))) << qPrintable(atc.left(level));
            }
        }
    }
}
} // namespace
