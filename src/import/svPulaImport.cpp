#include "import/svPulaImport.h"

#include "import/btZipStream.h"
#include "numbers/svNumbers.h"
#include "shell/Ask.h"

bool LoadXmzArchive(const QString& path, std::vector<TXmzEntry>* entries, QStringList* messages)
{
    entries->clear();
    auto fail = [&](const QString& message) {
        if (!message.isEmpty())
            messages->append(message);
        messages->append(kImportFailed);
        entries->clear();
        return false;
    };
    TZipFile zip(path);
    if (!zip.isOpen())
        return fail(zip.errorString());
    TTestNumber test;
    const QStringList names = zip.EntryNames();
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString& name = names.at(i);
        TZipFileStream stream(zip, i);
        if (!stream.ok())
            return fail(stream.errorString());
        TXMZError error;
        auto facade = TXMZFacade::Load(stream.data(), &test, &error);
        if (!facade)
            return fail(error.message);
        entries->push_back({name, std::move(facade)});
    }
    return true;
}

void ShowLoadFailure(const QStringList& messages)
{
    for (qsizetype i = 0; i + 1 < messages.size(); ++i)
        ShowXmzError({EXMZ::None, messages.at(i)});
    if (!messages.isEmpty())
        Ask::show({Ask::kTitleMessage, AskIcon::Error, messages.last(), AskButtons::Ok});
}

QList<TPulaData> AllPools(const std::vector<TXmzEntry>& entries)
{
    QList<TPulaData> rows;
    for (const TXmzEntry& e : entries)
        for (const TXMZDoctor& d : e.facade->Doctors())
            for (const TXMZPool& p : d.pools) {
                TPulaData row;
                row.Start = p.first;
                row.End = p.last;
                row.Status = 0;
                rows.append(row);
            }
    return rows;
}

TImportResult ImportPools(const QList<TPulaData>& rows, const TImportHooks& hooks)
{
    auto busy = [&](bool on) {
        if (hooks.busy)
            hooks.busy(on);
    };
    TImportResult result;
    QList<TPulaData> todo;
    for (const TPulaData& r : rows)
        if (r.Status == 0)
            todo.append(r);
    if (todo.isEmpty()) {
        Ask::refused(QStringLiteral("brak pul numeracyjnych do zaimportowania"));
        return result;
    }
    busy(true);
    for (const TPulaData& r : todo) {
        // The overlap box of the store comes up under the busy cursor, as the store shows it.
        const bool stored = CheckPoolOverlap(r.Start, r.End, false) == 0 && AddPool(r.Start, r.End).has_value();
        if (!stored) {
            busy(false);
            Ask::warning(QStringLiteral("wystąpił nieoczekiwany problem z importem puli:\r") + r.Start + QStringLiteral(" - ")
                         + r.End + QStringLiteral("  (") + QString::number(PoolSize(r.Start, r.End)) + QLatin1Char(')'));
            busy(true);
            continue;
        }
        ++result.pools;
        result.numbers += PoolSize(r.Start, r.End);
    }
    busy(false);
    if (hooks.beforeSummary)
        hooks.beforeSummary();
    Ask::information(QStringLiteral("import został zakończony\rliczba zaimportowanych pul numeracyjnych: ")
                     + QString::number(result.pools) + QStringLiteral("\r") + QStringLiteral("łączna liczba zaimportowanych recept: ")
                     + QString::number(result.numbers));
    result.accepted = result.pools > 0;
    return result;
}
