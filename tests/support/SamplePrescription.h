// A complete prescription with every field filled: provider, patient aged 70, five drugs, pro familia,
// the date of realisation, REGON and licence barcodes. Tests and benchmarks draw the same form.
#pragma once

#include "document/svRecipe.h"

#include <QImage>

#include <vector>

inline void FillSamplePrescription(TRecipe& r, const QImage* logo)
{
    r.Numer = QStringLiteral("0112345678901234567890");
    r.KasaChorych = QStringLiteral("07");
    r.Uprawnienia = QStringLiteral("IB");
    r.Data = QStringLiteral("2026-12-10");
    r.DataReal = QStringLiteral("2026-12-20");
    r.Swiadczeniodawca = {QStringLiteral("Przychodnia Lekarska \"Zdrowie\" sp. z o.o."),
                          QStringLiteral("NZOZ Poradnia Ogólna"), QStringLiteral("ul. Marszałkowska 140/12"),
                          QStringLiteral("00-061 Warszawa"), QStringLiteral("REGON 012345678")};
    r.Pacjent = {QStringLiteral("Małgorzata Żółkiewska (70 lat)"), QStringLiteral("ul. Świętokrzyska 12/4"),
                 QStringLiteral("00-916 Warszawa")};
    r.Pesel = QStringLiteral("56021512345");
    r.Specjalny = rpProFamilia;
    r.Regon = QStringLiteral("012345678");
    r.RegonDrukuj = 2;
    r.NrPrawaDrukuj = 2;
    r.DaneId = QStringLiteral("lek. med. Jan Kowalski");
    r.DaneId1 = QStringLiteral("specjalista chorób wewnętrznych");
    r.DaneId2 = QStringLiteral("1234567");
    r.Logotyp = logo;
    const char* names[5] = {"Amoxicillinum", "Metforminum", "Ramiprilum", "Atorvastatinum", "Paracetamolum"};
    std::vector<TMedicine> drugs;
    for (int i = 0; i < 5; ++i)
        drugs.emplace_back(QString::fromLatin1(names[i]), i, QStringLiteral("16"), false, i % 2 == 0, i < 3,
                           QStringLiteral("op."), 1 + i * 0.5, QStringLiteral("1 tabl. 3 razy dziennie"),
                           QStringLiteral("500 mg"), QStringLiteral("tabl. powl."));
    r.AssignMedicines(drugs);
}
