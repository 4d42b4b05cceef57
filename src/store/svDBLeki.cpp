#include "store/svDBLeki.h"

#include "shell/svGlobals.h"
#include "store/svDB.h"

namespace
{
TMedicine fromRow(const TTable& t)
{
    TMedicine m;
    m.IdLeku = qint32(t.AsInteger(QStringLiteral("idLeku")));
    m.Nazwa = t.AsString(QStringLiteral("Nazwa"));
    m.Postac = t.AsString(QStringLiteral("rodzajOpak"));
    m.Dawka = t.AsString(QStringLiteral("dawka"));
    m.Jm = t.AsString(QStringLiteral("jm"));
    m.Opakowanie = t.AsString(QStringLiteral("ilosc"));
    m.Atc = t.AsString(QStringLiteral("atc"));
    m.Receptariusz = t.AsBoolean(QStringLiteral("receptariusz"));
    m.Uwagi = t.AsString(QStringLiteral("uwagi"));
    m.Odplatnosc = qint32(t.AsInteger(QStringLiteral("odplat")));
    return m;
}

bool deleteFrom(TTable& t, const TMedicine& drug)
{
    if (drug.IdLeku == 0)
        return true;
    if (!t.Open())
        return false;
    const bool ok = t.Locate(QStringLiteral("idLeku"), drug.IdLeku) && t.Delete();
    t.Close();
    return ok;
}
} // namespace

bool DrugMatches(const TMedicine& row, const TMedicine& filter)
{
    const QString pattern = filter.Nazwa.contains(QLatin1Char('*')) ? filter.Nazwa : filter.Nazwa + QLatin1Char('*');
    if (IsBlank(pattern))
        return true;
    return WildcardMatch(UpperPl(pattern), UpperPl(row.Nazwa), QLatin1Char('*'));
}

QList<TMedicine> ListMainDrugs(const TMedicine& filter)
{
    QList<TMedicine> list;
    TTable& t = MainDrugsTable();
    if (!t.Open())
        return list;
    // The base is stored in the order of its names: from the first name that begins with the
    // text, take rows while they match.
    if (t.Locate(QStringLiteral("nazwa"), filter.Nazwa, true)) {
        for (; !t.Eof(); t.Next()) {
            TMedicine row = fromRow(t);
            if (!DrugMatches(row, filter))
                break;
            list.append(row);
        }
    }
    t.Close();
    return list;
}

QList<TMedicine> ListOwnDrugs(const TMedicine* filter)
{
    QList<TMedicine> list;
    TTable& t = OwnDrugsTable();
    if (!t.Open())
        return list;
    for (t.First(); !t.Eof(); t.Next()) {
        TMedicine row = fromRow(t);
        if (!filter || DrugMatches(row, *filter))
            list.append(row);
    }
    t.Close();
    return list;
}

bool SaveOwnDrug(TMedicine& drug)
{
    TTable& t = OwnDrugsTable();
    if (!t.Open())
        return false;
    if (!t.EditOrAppend(QStringLiteral("idLeku"), drug.IdLeku)) {
        t.Close();
        return false;
    }
    t.SetValue(QStringLiteral("nazwa"), drug.Nazwa);
    t.SetValue(QStringLiteral("rodzajOpak"), drug.Postac);
    t.SetValue(QStringLiteral("dawka"), drug.Dawka);
    t.SetValue(QStringLiteral("jm"), drug.Jm);
    t.SetValue(QStringLiteral("ilosc"), drug.Opakowanie);
    t.SetValue(QStringLiteral("atc"), drug.Atc);
    t.SetValue(QStringLiteral("receptariusz"), drug.Receptariusz);
    t.SetValue(QStringLiteral("uwagi"), drug.Uwagi);
    t.SetValue(QStringLiteral("odplat"), drug.Odplatnosc);
    const bool ok = t.Post();
    if (ok)
        drug.IdLeku = qint32(t.AsInteger(QStringLiteral("idLeku")));
    t.Close();
    return ok;
}

bool DeleteOwnDrug(const TMedicine& drug)
{
    return deleteFrom(OwnDrugsTable(), drug);
}

bool DeleteMainDrug(const TMedicine& drug)
{
    return deleteFrom(MainDrugsTable(), drug);
}
