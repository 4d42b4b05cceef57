#include "numbers/svNumbers.h"

#include "shell/Ask.h"
#include "shell/svGlobals.h"

namespace
{
bool allDigits(QStringView t)
{
    for (QChar c : t)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

// Character at 1-based position, or a null character beyond the end.
QChar at(QStringView t, int pos)
{
    return pos >= 1 && pos <= t.size() ? t.at(pos - 1) : QChar();
}

qint64 digitsValue(QStringView t, int from, int to)
{
    qint64 v = 0;
    for (int i = from; i <= to && i <= t.size(); ++i)
        v = v * 10 + (t.at(i - 1).unicode() - '0');
    return v;
}

bool silesianAt(QStringView t, int offset)
{
    // "12" at offset+1..offset+2, "9" at offset+14, "8" at offset+19.
    return t.mid(offset, 2) == QLatin1String("12") && at(t, offset + 14) == QLatin1Char('9')
        && at(t, offset + 19) == QLatin1Char('8');
}
} // namespace

bool IsWellFormedNumber(QStringView text)
{
    const auto n = text.size();
    if (n < 19 || n > 22 || !allDigits(text))
        return false;
    if (n == 22) {
        const QStringView prefix = text.left(2);
        if (prefix == QLatin1String("01"))
            return at(text, 21) == QLatin1Char('8') || at(text, 21) == QLatin1Char('9');
        return prefix == QLatin1String("00");
    }
    return true;
}

int NumberKindOf(QStringView text)
{
    if (!IsWellFormedNumber(text))
        return KindNone;
    if (text.size() >= 21) {
        const QStringView prefix = text.left(2);
        if (prefix == QLatin1String("01"))
            return Kind2012;
        if (prefix == QLatin1String("00"))
            return silesianAt(text, 2) ? KindSilesianZero : Kind2007Zero;
        return KindNone;
    }
    return silesianAt(text, 0) ? KindSilesian : Kind2007;
}

int CheckDigit(QStringView text)
{
    static const int w2007[4] = {1, 3, 7, 9};
    static const int w2012[4] = {7, 9, 1, 3};
    const int k = NumberKindOf(text);
    const int* w = (k == Kind2007 || k == KindSilesian) ? w2007 : w2012;
    int sum = 0;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const int d = (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ? c.unicode() - '0' : 0;
        sum += d * w[i % 4];
    }
    return sum % 10;
}

QString AppendCheckDigit(const QString& text)
{
    return text + QChar('0' + CheckDigit(text));
}

bool HasValidCheckDigit(QStringView number)
{
    const int k = NumberKindOf(number);
    const qsizetype body = (k == Kind2007 || k == KindSilesian) ? 19 : 21;
    return number.size() == body + 1 && CheckDigit(number.left(body)) == number.at(body).unicode() - '0';
}

qint64 SerialValue(QStringView number)
{
    switch (NumberKindOf(number)) {
    case Kind2007:
        return digitsValue(number, 12, 18);
    case KindSilesian:
        return digitsValue(number, 10, 13) * 10000 + digitsValue(number, 15, 18);
    case Kind2007Zero:
        return digitsValue(number, 14, 20);
    case KindSilesianZero:
    case KindSilesian2012:
        return digitsValue(number, 12, 15) * 10000 + digitsValue(number, 17, 20);
    case Kind2012:
        return digitsValue(number, 9, 20);
    default:
        return 0;
    }
}

QString NumberWithSerial(const QString& templateNumber, qint64 serial)
{
    const QString& t = templateNumber;
    const QString p7 = ZeroPad(serial, 7);
    const QString p8 = ZeroPad(serial, 8);
    const QString p12 = ZeroPad(serial, 12);
    auto split8 = [&](int constantLength) {
        return t.left(constantLength) + p8.left(4) + QLatin1Char('9') + p8.mid(4) + QLatin1Char('8');
    };
    switch (NumberKindOf(t)) {
    case Kind2007:
        return AppendCheckDigit(t.left(11) + p7 + at(t, 19));
    case KindSilesian:
        return AppendCheckDigit(split8(9));
    case Kind2007Zero:
        return AppendCheckDigit(t.left(13) + p7 + at(t, 21));
    case KindSilesianZero:
    case KindSilesian2012:
        return AppendCheckDigit(split8(11));
    case Kind2012:
        return AppendCheckDigit(t.left(8) + p12 + at(t, 21));
    default:
        return QString();
    }
}

bool SameConstantPart(QStringView a, QStringView b)
{
    if (a.size() != 20 || b.size() != 20)
        return true;
    const int k = NumberKindOf(a);
    if (k != NumberKindOf(b))
        return false;
    switch (k) {
    case KindSilesian:
        return a.left(9) == b.left(9) && at(a, 14) == at(b, 14);
    case Kind2007:
        return a.left(11) == b.left(11) && at(a, 19) == at(b, 19);
    default:
        return false;
    }
}

qint64 PoolSize(QStringView first, QStringView last)
{
    const int k = NumberKindOf(first);
    if (k == KindNone)
        return 0;
    if (SameConstantPart(first, last))
        return SerialValue(last) - SerialValue(first) + 1;
    if (k == Kind2007 || k == Kind2007Zero) {
        // Across a change of the constant part: the 7-digit serial runs to 9999999 and goes
        // on at 0 in the next constant part.
        return 10000001 + SerialValue(last) - SerialValue(first);
    }
    return 0;
}

bool IsNextNumber(QStringView a, QStringView b)
{
    const qint64 va = SerialValue(a);
    const qint64 vb = SerialValue(b);
    if (SameConstantPart(a, b))
        return va + 1 == vb;
    return va == 99999999 && vb == 0;
}

QString RangeError(const QString& firstIn, const QString& lastIn)
{
    const QString first = TrimBlanks(firstIn);
    const QString last = TrimBlanks(lastIn);
    if (!IsWellFormedNumber(first))
        return QStringLiteral("nieprawidłowy numer początkowy");
    if (!IsWellFormedNumber(last))
        return QStringLiteral("nieprawidłowy numer końcowy");
    if (SameConstantPart(first, last) && SerialValue(last) < SerialValue(first))
        return QStringLiteral("numer początkowy jest większy niż końcowy");
    const int k = NumberKindOf(first);
    if (k != NumberKindOf(last))
        return QStringLiteral("niezgodność stałych części numerów");
    if (k == KindNone)
        return QString();
    const int full = (k == Kind2007 || k == KindSilesian) ? 20 : 22;
    if (first.size() != full || last.size() != full)
        return QStringLiteral("nieprawidłowy numer; brak cyfry kontrolnej");
    const QString bad = QStringLiteral("nieprawidłowy numer; zła cyfra kontrolna");
    if (!HasValidCheckDigit(first))
        return bad + QStringLiteral(" w numerze początkowym");
    if (!HasValidCheckDigit(last))
        return bad + QStringLiteral(" w numerze końcowym");
    return QString();
}

int ValidateRange(const QString& first, const QString& last, bool quiet)
{
    const QString message = RangeError(first, last);
    if (message.isEmpty())
        return 0;
    if (!quiet)
        Ask::error(message);
    return 500;
}

QString BranchText(QStringView number)
{
    switch (NumberKindOf(number)) {
    case KindSilesian:
    case KindSilesianZero:
    case KindSilesian2012:
        return BranchList().at(11);
    case Kind2012: {
        const int code = int(digitsValue(number, 3, 4));
        if (code >= 1 && code <= BranchList().size())
            return BranchList().at(code - 1);
        return QStringLiteral("??");
    }
    default:
        return QStringLiteral("??");
    }
}

QString CategoryText(QStringView number)
{
    const int k = NumberKindOf(number);
    if (k != KindSilesianZero && k != Kind2012 && k != KindSilesian2012)
        return QStringLiteral("??");
    const QChar c = at(number, 21);
    if (c == QLatin1Char('8'))
        return QStringLiteral("Rp");
    if (c == QLatin1Char('9'))
        return QStringLiteral("Rpw");
    return QStringLiteral("??");
}

QString ContractText(QStringView number)
{
    if (NumberKindOf(number) != Kind2012)
        return QStringLiteral("??");
    const QChar c = at(number, 6);
    if (c == QLatin1Char('0'))
        return QStringLiteral("0 - Opieka zdrowotna");
    if (c == QLatin1Char('9'))
        return QStringLiteral("9 - Lecznictwo uzdrowiskowe");
    return QStringLiteral("??");
}

QString KindNameForPool(int kind)
{
    switch (kind) {
    case 1: return QStringLiteral("1 - Numer 2007-05-17");
    case 2: return QStringLiteral("2 - Numer śląski 2007-05-17");
    case 3: return QStringLiteral("3 - Numer 2007-05-17 z prefiksem 00");
    case 4: return QStringLiteral("4 - Numer śląski z prefiksem 00");
    case 5: return QStringLiteral("5 - Numer 2012-01-04");
    case 6: return QStringLiteral("6 - Numer śląski 2012-01-04");
    default: return QStringLiteral("????");
    }
}

QString KindNameForCalculator(int kind)
{
    switch (kind) {
    case 1: return QStringLiteral("1 - Numer 2007-05-17");
    case 2: return QStringLiteral("2 - Numer śląski");
    case 3: return QStringLiteral("3 - Numer 2007-05-17 z prefiksem 00");
    case 4: return QStringLiteral("4 - Numer śląski z prefiksem 00");
    case 5: return QStringLiteral("5 - Numer 2012-01-04");
    default: return QStringLiteral("??");
    }
}
