// Importing pools from an XMZ file: reading every entry of the archive (nothing is stored when
// any entry fails), then storing the chosen pools with the overlap check, a warning for each
// pool that cannot be stored, and the closing summary.
#pragma once

#include "import/svXMZFacade.h"
#include "store/svDBPula.h"

#include <QList>
#include <QString>

#include <functional>
#include <memory>

struct TXmzEntry
{
    QString name;
    std::unique_ptr<TXMZFacade> facade;
};

// Reads and checks every entry. On a fault: false, and *messages holds the fault's message
// (shown as the document reader shows it) followed by the import's failure message.
bool LoadXmzArchive(const QString& path, std::vector<TXmzEntry>* entries, QStringList* messages);

inline const QString kImportFailed = QStringLiteral("Import pul numeracyjnych zakończył się niepowodzeniem.");

// Shows what LoadXmzArchive gave on a fault: the cause as the document reader shows its errors
// (plain box, program title), then the failure message ("Komunikat", error icon).
void ShowLoadFailure(const QStringList& messages);

struct TImportResult
{
    int pools = 0;       // pools stored
    qint64 numbers = 0;  // their PoolSize total
    bool accepted = false; // at least one pool stored
};

// What the import dialog does around the boxes: the busy cursor is off while a box is up, and
// the dialog hides itself before the summary. Either may be left empty.
struct TImportHooks
{
    std::function<void(bool busy)> busy;
    std::function<void()> beforeSummary;
};

// Stores the rows whose Status is 0, in order, through the pool store; every message goes
// through Ask ("Uwaga" for overlaps and an empty list, "Ostrzeżenie" per failed pool, the
// "Informacja" summary).
TImportResult ImportPools(const QList<TPulaData>& rows, const TImportHooks& hooks = {});

// Every pool of every doctor of every entry, as rows to import.
QList<TPulaData> AllPools(const std::vector<TXmzEntry>& entries);
