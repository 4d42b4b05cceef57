#include "shell/Clock.h"

namespace
{
QDateTime& fixedNow()
{
    static QDateTime t;
    return t;
}
} // namespace

namespace Clock
{
QDateTime now()
{
    return fixedNow().isValid() ? fixedNow() : QDateTime::currentDateTime();
}

QDate today()
{
    return now().date();
}

void setNow(const QDateTime& fixed)
{
    fixedNow() = fixed;
}

void reset()
{
    fixedNow() = QDateTime();
}
} // namespace Clock
