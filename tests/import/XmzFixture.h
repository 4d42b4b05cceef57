// Builds XMZ archives and documents inside the tests.
#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// Writes a zip archive holding the given (name, bytes) entries.
bool WriteZip(const QString& path, const QList<QPair<QString, QByteArray>>& entries);

// The full number of the template's kind and constant part with the serial.
QString Num(const QString& templateNumber, qint64 serial);

// A document with one <lekarz> per list of numbers.
QByteArray XmzDocument(const QString& typ, const QList<QStringList>& doctors, bool withProvider = true);
