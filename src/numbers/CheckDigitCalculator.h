// The arithmetic of the check-digit calculator: the weighting is the user's choice (the
// 2012-01-04 or the 2007-05-17 rule), not derived from the number's kind.
#pragma once

#include <QString>

struct TCheckDigitResult
{
    QString digits;          // the input with everything but 0-9 removed
    int count = 0;           // shown as "ilosc cyfr"; 0 when empty or too long
    QString weights;         // one weight per position, or the calculator's message
    QString checkDigit;      // empty when there is nothing to compute
    QString number;          // digits followed by the check digit
    QString kind;            // the kind text of the full number
    bool prescriptionNumber = false; // the full number is a well-formed prescription number
    bool computed = false;   // false: the message case (empty or too long)
};

TCheckDigitResult CalculateCheckDigit(const QString& text, bool rule2012);
