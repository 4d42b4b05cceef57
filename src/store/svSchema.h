// The store's schema: the fresh installation (the tables at the columns an older installation
// had, with the shipped ATC groups and main drug base), and the upgrade that brings any older
// dictionary to the current columns once at every start.
#pragma once

#include <QString>
#include <QStringList>

namespace Schema
{
// The statements the upgrade would run against the open database, in the order collected;
// empty when the schema is current. Every test sees the schema as it was before the upgrade.
QStringList CollectUpgradeStatements();

// Collects and, when there is anything, copies data_100.add to data_100.add.kopia and runs the
// statements in one transaction: all or nothing. False with the engine's message.
bool UpgradeSchema(QString* error = nullptr);

// Creates a new dictionary file (older columns, shipped data); the upgrade runs next.
bool CreateFreshDatabase(const QString& path, QString* error = nullptr);

// Opens data_100.add in the folder, creating the fresh installation when the file is missing,
// then upgrades it. False with one Polish message naming the file and the cause.
bool OpenStore(const QString& folder, QString* error = nullptr);
// The reason a store could not be opened, said in Polish for the user, with the engine's own words kept
// in brackets for whoever helps; a cause it does not recognise stays as it is.
QString ExplainStoreFailure(const QString& cause);
} // namespace Schema
