#include "store/btPesel.h"

namespace
{
int digitAt(const QString& s, int i)
{
    if (i >= s.size())
        return -1;
    const QChar c = s.at(i);
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ? c.unicode() - '0' : -1;
}
} // namespace

bool PeselValid(const QString& pesel)
{
    if (pesel.size() < 11)
        return false;
    static const int weights[10] = {1, 3, 7, 9, 1, 3, 7, 9, 1, 3};
    int sum = 0;
    for (int i = 0; i < 10; ++i) {
        const int d = digitAt(pesel, i);
        if (d < 0)
            return false;
        sum += d * weights[i];
    }
    int check = 10 - sum % 10;
    if (check == 10)
        check = 0;
    return digitAt(pesel, 10) == check;
}

int PeselSex(const QString& pesel)
{
    const int d = digitAt(pesel, 9);
    if (d < 0)
        return 2;
    return d % 2 == 0 ? 1 : 0;
}

QDate PeselBirthDate(const QString& pesel)
{
    int parts[3];
    for (int k = 0; k < 3; ++k) {
        const int a = digitAt(pesel, 2 * k);
        const int b = digitAt(pesel, 2 * k + 1);
        if (a < 0 || b < 0)
            return QDate();
        parts[k] = a * 10 + b;
    }
    int year = 1900 + parts[0];
    int month = parts[1];
    if (month >= 81 && month <= 92) {
        year = 1800 + parts[0];
        month -= 80;
    } else if (month >= 21 && month <= 32) {
        year = 2000 + parts[0];
        month -= 20;
    }
    return QDate(year, month, parts[2]); // invalid for a month outside 1..12 or a bad day
}
