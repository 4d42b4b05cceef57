// The one source of "now": pool and block times, printed dates. Tests set a fixed time.
#pragma once

#include <QDate>
#include <QDateTime>

namespace Clock
{
QDateTime now();
QDate today();
// Tests: make now() answer this time until reset (an invalid time resets to the system clock).
void setNow(const QDateTime& fixed);
void reset();
} // namespace Clock
