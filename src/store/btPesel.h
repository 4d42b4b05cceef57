// The PESEL rules: check digit, sex, birth date. Bad input gives false, 2 or an invalid date.
#pragma once

#include <QDate>
#include <QString>

bool PeselValid(const QString& pesel);
int PeselSex(const QString& pesel);       // 1 woman, 0 man, 2 unknown
QDate PeselBirthDate(const QString& pesel); // invalid when the text gives no valid date
