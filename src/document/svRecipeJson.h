// One prescription described in JSON (the patient, entitlement, annotations, realisation date,
// an optional number and the drug lines), as solvira-cli reads it for rendering and printing.
//
// {"patient": {"imie": "Jan", "nazwisko": "Nowak", "pesel": "...", "dataUr": "1956-02-15", ...},
//  "uprawnienia": "IB", "przewlekle": false, "dataReal": "2026-12-20", "specjalny": "pro familia",
//  "numer": "0112345678901234567890",
//  "leki": [{"Nazwa": "...", "Postac": "...", "Dawka": "...", "Dawkowanie": "...", "Ilosc": 2,
//            "Jm": "op.", "Cito": true, "NieZamieniac": false, "Odplatnosc": 2}]}
//
// Patient keys are the TPacjent field names, drug keys the TMedicine field names; every key is
// optional. Dates are yyyy-MM-dd.
#pragma once

#include "document/svRecipe.h"
#include "store/svDBPacjent.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <vector>

struct TPrescriptionJson
{
    TPacjent Pacjent;
    QString Uprawnienia;
    bool Przewlekle = false;
    QString DataReal; // yyyy-MM-dd or empty
    TrpSpecialKind Specjalny = rpNone;
    QString Numer;    // empty: the form carries no number
    std::vector<TMedicine> Leki;
};

// False with a Polish message in *error when the text is no such prescription: not JSON, a value
// of the wrong type, an unknown annotation, an invalid date, a payment level outside 0..4, a
// quantity that is not a positive number, or more than five drugs.
bool ReadPrescriptionJson(const QByteArray& json, TPrescriptionJson* out, QString* error);
bool ReadPrescriptionJsonFile(const QString& path, TPrescriptionJson* out, QString* error);

// Writes the prescription's data into a form: patient lines (Summary) and PESEL, entitlement,
// chronic mark, dates (issue date = today), annotation, number and drug lines.
void FillRecipe(TRecipe& recipe, const TPrescriptionJson& prescription);
