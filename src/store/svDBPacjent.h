// Patients (data_106): the record, its summary for the printed form, the search filter and the
// store operations.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

struct TPacjent
{
    qint32 idPacjenta = 0;
    QString imie;
    QString nazwisko;
    QString pesel;
    QString miasto;
    QString kodPocztowy;
    QString ulica;
    QString nrDomu;
    QString nrMieszk;
    QString plec;
    QString telefon;
    QDate dataUr; // invalid: not given
    QString KCh;
    bool przewlekle = false;
    QString uprawnienia;
    bool proFamilia = false;
    bool proAuctore = false;
    QString uwagi;

    void Clear() { *this = TPacjent(); }
    void Assign(const TPacjent& other) { *this = other; }
    // The three printed lines: name (with the age of a child or an elderly patient), street,
    // postal code and town.
    void Summary(QStringList& lines, const QDateTime& now) const;
    QString BirthDateText() const;
    bool IsEmptyFilter() const;
};

// Whole years and months from a to b; negative when a is later.
int AgeYears(const QDate& a, const QDate& b);
int AgeMonths(const QDate& a, const QDate& b);

// Appends "*" to each pattern field without one (the filter changes), then matches.
bool PatientMatches(const TPacjent& row, TPacjent& filter);

QList<TPacjent> ListPatients(TPacjent* filter = nullptr);
bool SavePatient(TPacjent& patient);
bool DeletePatient(const TPacjent& patient);
