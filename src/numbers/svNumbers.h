// NFZ prescription numbers: kinds, check digits, serial values, ranges. Numbers are texts of
// decimal digits; positions count from 1. Serial values are 64-bit: the 12-digit serial of
// kind 5 does not fit in 32 bits. The tests take views and allocate nothing: they run once per
// number of every imported or printed range.
#pragma once

#include <QString>
#include <QStringView>

enum NumberKind : int {
    KindNone = 0,       // not a usable number
    Kind2007 = 1,       // 20 digits
    KindSilesian = 2,   // 20 digits, Silesian branch
    Kind2007Zero = 3,   // 22 digits: kind 1 with "00" in front
    KindSilesianZero = 4,
    Kind2012 = 5,       // 22 digits beginning with "01"
    KindSilesian2012 = 6, // defined but never produced
};

bool IsWellFormedNumber(QStringView text);
int NumberKindOf(QStringView text);
int CheckDigit(QStringView text);
QString AppendCheckDigit(const QString& text);
bool HasValidCheckDigit(QStringView number);
qint64 SerialValue(QStringView number);
// Kind 0 gives a null QString (the caller keeps what it had).
QString NumberWithSerial(const QString& templateNumber, qint64 serial);
bool SameConstantPart(QStringView a, QStringView b);
qint64 PoolSize(QStringView first, QStringView last);
bool IsNextNumber(QStringView a, QStringView b);

// The range check of a typed or imported pool: the Polish message of the first failure, or
// an empty text when the range is valid.
QString RangeError(const QString& first, const QString& last);
// 0 when valid, 500 when not; unless quiet the message is shown in a "Błąd" box.
int ValidateRange(const QString& first, const QString& last, bool quiet);

QString BranchText(QStringView number);
QString CategoryText(QStringView number);
QString ContractText(QStringView number);

// Names of the kinds as the pool dialog and the check-digit calculator show them.
QString KindNameForPool(int kind);
QString KindNameForCalculator(int kind);
