#include "store/svDBPacjent.h"

#include "shell/svGlobals.h"
#include "store/svDB.h"

namespace
{
QString t(const QString& s)
{
    return TrimBlanks(s);
}

void ordered(QDate& a, QDate& b, int* sign)
{
    *sign = 1;
    if (a > b) {
        std::swap(a, b);
        *sign = -1;
    }
}

TPacjent fromRow(const TTable& r)
{
    TPacjent p;
    p.idPacjenta = qint32(r.AsInteger(QStringLiteral("idPacjenta")));
    p.imie = r.AsString(QStringLiteral("imie"));
    p.nazwisko = r.AsString(QStringLiteral("nazwisko"));
    p.pesel = r.AsString(QStringLiteral("pesel"));
    p.miasto = r.AsString(QStringLiteral("miasto"));
    p.kodPocztowy = r.AsString(QStringLiteral("kodPocztowy"));
    p.ulica = r.AsString(QStringLiteral("ulica"));
    p.nrDomu = r.AsString(QStringLiteral("nrDomu"));
    p.nrMieszk = r.AsString(QStringLiteral("nrMieszk"));
    p.plec = r.AsString(QStringLiteral("plec"));
    p.telefon = r.AsString(QStringLiteral("telefon"));
    p.dataUr = QDate::fromString(r.AsString(QStringLiteral("dataUr")).left(10), QStringLiteral("yyyy-MM-dd"));
    p.KCh = r.AsString(QStringLiteral("KCh"));
    p.przewlekle = r.AsBoolean(QStringLiteral("przewlekle"));
    p.uprawnienia = r.AsString(QStringLiteral("uprawnienia"));
    p.proFamilia = r.AsBoolean(QStringLiteral("proFamilia"));
    p.proAuctore = r.AsBoolean(QStringLiteral("proAuctore"));
    p.uwagi = r.AsString(QStringLiteral("uwagi"));
    return p;
}
} // namespace

int AgeYears(const QDate& from, const QDate& to)
{
    QDate a = from, b = to;
    int sign = 1;
    ordered(a, b, &sign);
    if (a.year() == b.year())
        return 0;
    int years = b.year() - a.year();
    if (b.month() < a.month() || (b.month() == a.month() && b.day() < a.day()))
        --years;
    return sign * years;
}

int AgeMonths(const QDate& from, const QDate& to)
{
    QDate a = from, b = to;
    int sign = 1;
    ordered(a, b, &sign);
    int months = (b.year() - a.year()) * 12 + (b.month() - a.month());
    if (b.day() < a.day())
        --months;
    return sign * months;
}

void TPacjent::Summary(QStringList& lines, const QDateTime& now) const
{
    lines.clear();
    QString first = t(t(imie) + QLatin1Char(' ') + t(nazwisko));
    if (dataUr.isValid()) {
        const int age = AgeYears(dataUr, now.date());
        if (age < 18 || age > 65) {
            if (age >= 5)
                first += QStringLiteral(" (%1 lat)").arg(age);
            else if (age >= 3)
                first += QStringLiteral(" (%1 lata)").arg(age);
            else
                first += QStringLiteral(" (%1 mies.)").arg(AgeMonths(dataUr, now.date()));
        }
    }
    lines << first;
    QString street = t(t(ulica) + QLatin1Char(' ') + t(nrDomu));
    if (!IsBlank(nrMieszk))
        street += QLatin1Char('/') + t(nrMieszk);
    lines << street;
    lines << t(t(kodPocztowy) + QLatin1Char(' ') + t(miasto));
}

QString TPacjent::BirthDateText() const
{
    return dataUr.isValid() ? dataUr.toString(QStringLiteral("yyyy-MM-dd")) : QString();
}

bool TPacjent::IsEmptyFilter() const
{
    auto empty = [](const QString& s) { return s.isEmpty() || s == QLatin1String("*"); };
    return idPacjenta == 0 && empty(imie) && empty(nazwisko) && empty(pesel) && empty(miasto);
}

bool PatientMatches(const TPacjent& row, TPacjent& filter)
{
    for (QString* f : {&filter.imie, &filter.nazwisko, &filter.pesel, &filter.miasto})
        if (!f->contains(QLatin1Char('*')))
            f->append(QLatin1Char('*'));
    const QChar w = QLatin1Char('*');
    return (filter.idPacjenta == 0 || filter.idPacjenta == row.idPacjenta)
        && WildcardMatch(UpperPl(filter.imie), UpperPl(row.imie), w)
        && WildcardMatch(UpperPl(filter.nazwisko), UpperPl(row.nazwisko), w)
        && WildcardMatch(UpperPl(filter.miasto), UpperPl(row.miasto), w) && WildcardMatch(filter.pesel, row.pesel, w);
}

QList<TPacjent> ListPatients(TPacjent* filter)
{
    QList<TPacjent> list;
    TTable& table = PatientsTable();
    if (!table.Open())
        return list;
    for (table.First(); !table.Eof(); table.Next()) {
        TPacjent row = fromRow(table);
        if (!filter || PatientMatches(row, *filter))
            list.append(row);
    }
    table.Close();
    return list;
}

bool SavePatient(TPacjent& p)
{
    TTable& table = PatientsTable();
    if (!table.Open())
        return false;
    if (!table.EditOrAppend(QStringLiteral("idPacjenta"), p.idPacjenta)) {
        table.Close();
        return false;
    }
    table.SetValue(QStringLiteral("imie"), p.imie);
    table.SetValue(QStringLiteral("nazwisko"), p.nazwisko);
    table.SetValue(QStringLiteral("pesel"), p.pesel);
    table.SetValue(QStringLiteral("dataUr"), p.dataUr);
    table.SetValue(QStringLiteral("kodPocztowy"), p.kodPocztowy);
    table.SetValue(QStringLiteral("miasto"), p.miasto);
    table.SetValue(QStringLiteral("ulica"), p.ulica);
    table.SetValue(QStringLiteral("nrDomu"), p.nrDomu);
    table.SetValue(QStringLiteral("nrMieszk"), p.nrMieszk);
    table.SetValue(QStringLiteral("plec"), p.plec);
    table.SetValue(QStringLiteral("telefon"), p.telefon);
    table.SetValue(QStringLiteral("KCh"), p.KCh);
    table.SetValue(QStringLiteral("przewlekle"), p.przewlekle);
    table.SetValue(QStringLiteral("uprawnienia"), p.uprawnienia);
    table.SetValue(QStringLiteral("uwagi"), p.uwagi);
    table.SetValue(QStringLiteral("proFamilia"), p.proFamilia);
    table.SetValue(QStringLiteral("proAuctore"), p.proAuctore);
    const bool ok = table.Post();
    if (ok)
        p.idPacjenta = qint32(table.AsInteger(QStringLiteral("idPacjenta")));
    table.Close();
    return ok;
}

bool DeletePatient(const TPacjent& p)
{
    if (p.idPacjenta == 0)
        return true;
    TTable& table = PatientsTable();
    if (!table.Open())
        return false;
    const bool ok = table.Locate(QStringLiteral("idPacjenta"), p.idPacjenta) && table.Delete();
    table.Close();
    return ok;
}
