#include "numbers/CheckDigitCalculator.h"

#include "numbers/svNumbers.h"

TCheckDigitResult CalculateCheckDigit(const QString& text, bool rule2012)
{
    TCheckDigitResult r;
    for (QChar c : text)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            r.digits += c;
    const int n = int(r.digits.size());
    if (n == 0) {
        r.weights = QStringLiteral("Wprowadź liczbę");
        return r;
    }
    if (n > 30) {
        r.weights = QStringLiteral("Liczba jest za dluga");
        return r;
    }
    static const int w2012[4] = {7, 9, 1, 3};
    static const int w2007[4] = {1, 3, 7, 9};
    const int* w = rule2012 ? w2012 : w2007;
    int sum = 0;
    for (int i = 0; i < n; ++i) {
        r.weights += QChar('0' + w[i % 4]);
        sum += (r.digits.at(i).unicode() - '0') * w[i % 4];
    }
    r.count = n;
    r.computed = true;
    r.checkDigit = QString::number(sum % 10);
    r.number = r.digits + r.checkDigit;
    r.prescriptionNumber = IsWellFormedNumber(r.number);
    r.kind = KindNameForCalculator(NumberKindOf(r.number));
    return r;
}
