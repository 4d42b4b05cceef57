// A real CUPS queue for the printing tests: starts cupsd when it is not running and adds a
// cups-pdf queue, whose PDF files arrive in the submitting user's ~/PDF.
#pragma once

#include <QString>

// The queue's name, or an empty text with the reason in *why when CUPS cannot be used here.
QString EnsureCupsPdfQueue(QString* why);

// Waits for the PDF of a job whose title contains the marker; empty when none arrived in time.
QString WaitForCupsPdf(const QString& marker, int timeoutMs = 60000);
