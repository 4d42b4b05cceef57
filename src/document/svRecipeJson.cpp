// Reading a prescription from JSON and writing it into a form.
#include "document/svRecipeJson.h"

#include "shell/Clock.h"
#include "shell/svGlobals.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace
{
const QString kDateFormat = QStringLiteral("yyyy-MM-dd");

bool allDigits(const QString& t)
{
    for (QChar c : t)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

class Reader
{
public:
    explicit Reader(QString* error) : m_error(error) {}

    bool fail(const QString& message)
    {
        if (m_error && m_error->isEmpty())
            *m_error = message;
        m_ok = false;
        return false;
    }
    bool ok() const { return m_ok; }

    QString text(const QJsonObject& o, const char* key, const QString& where)
    {
        const QJsonValue v = o.value(QLatin1String(key));
        if (v.isUndefined() || v.isNull())
            return QString();
        if (!v.isString()) {
            fail(QStringLiteral("%1: pole \"%2\" musi być tekstem").arg(where, QLatin1String(key)));
            return QString();
        }
        return v.toString();
    }
    bool flag(const QJsonObject& o, const char* key, const QString& where)
    {
        const QJsonValue v = o.value(QLatin1String(key));
        if (v.isUndefined() || v.isNull())
            return false;
        if (!v.isBool()) {
            fail(QStringLiteral("%1: pole \"%2\" musi mieć wartość true lub false").arg(where, QLatin1String(key)));
            return false;
        }
        return v.toBool();
    }
    double number(const QJsonObject& o, const char* key, const QString& where, double absent)
    {
        const QJsonValue v = o.value(QLatin1String(key));
        if (v.isUndefined() || v.isNull())
            return absent;
        if (!v.isDouble()) {
            fail(QStringLiteral("%1: pole \"%2\" musi być liczbą").arg(where, QLatin1String(key)));
            return absent;
        }
        return v.toDouble();
    }
    int whole(const QJsonObject& o, const char* key, const QString& where, int absent)
    {
        const double d = number(o, key, where, absent);
        if (d != std::floor(d) || std::fabs(d) > 2147483647.0) {
            fail(QStringLiteral("%1: pole \"%2\" musi być liczbą całkowitą").arg(where, QLatin1String(key)));
            return absent;
        }
        return int(d);
    }
    QDate date(const QJsonObject& o, const char* key, const QString& where)
    {
        const QString t = TrimBlanks(text(o, key, where));
        if (t.isEmpty())
            return QDate();
        const QDate d = QDate::fromString(t, kDateFormat);
        if (!d.isValid())
            fail(QStringLiteral("%1: nieprawidłowa data \"%2\" (oczekiwano RRRR-MM-DD)").arg(where, t));
        return d;
    }

private:
    QString* m_error;
    bool m_ok = true;
};

void readPatient(Reader& r, const QJsonObject& o, TPacjent& p)
{
    const QString where = QStringLiteral("pacjent");
    p = TPacjent();
    p.idPacjenta = r.whole(o, "idPacjenta", where, 0);
    p.imie = r.text(o, "imie", where);
    p.nazwisko = r.text(o, "nazwisko", where);
    p.pesel = r.text(o, "pesel", where);
    p.miasto = r.text(o, "miasto", where);
    p.kodPocztowy = r.text(o, "kodPocztowy", where);
    p.ulica = r.text(o, "ulica", where);
    p.nrDomu = r.text(o, "nrDomu", where);
    p.nrMieszk = r.text(o, "nrMieszk", where);
    p.plec = r.text(o, "plec", where);
    p.telefon = r.text(o, "telefon", where);
    p.dataUr = r.date(o, "dataUr", where);
    if (p.dataUr.isValid() && p.dataUr > Clock::today())
        r.fail(QStringLiteral("pacjent: data urodzenia jest późniejsza niż dzisiejsza"));
    p.KCh = r.text(o, "KCh", where);
    p.przewlekle = r.flag(o, "przewlekle", where);
    p.uprawnienia = r.text(o, "uprawnienia", where);
    p.proFamilia = r.flag(o, "proFamilia", where);
    p.proAuctore = r.flag(o, "proAuctore", where);
    p.uwagi = r.text(o, "uwagi", where);
}

// The checks of the issue panel for one drug line.
void readDrug(Reader& r, const QJsonObject& o, int index, TMedicine& m)
{
    const QString where = QStringLiteral("lek %1").arg(index + 1);
    m.Clear();
    m.IdLeku = r.whole(o, "IdLeku", where, 0);
    m.Nazwa = r.text(o, "Nazwa", where);
    m.Postac = r.text(o, "Postac", where);
    m.Dawka = r.text(o, "Dawka", where);
    m.Dawkowanie = r.text(o, "Dawkowanie", where);
    m.Ilosc = r.number(o, "Ilosc", where, 1);
    m.Jm = r.text(o, "Jm", where);
    m.Opakowanie = r.text(o, "Opakowanie", where);
    m.Cito = r.flag(o, "Cito", where);
    m.NieZamieniac = r.flag(o, "NieZamieniac", where);
    m.Atc = r.text(o, "Atc", where);
    m.Receptariusz = r.flag(o, "Receptariusz", where);
    m.Uwagi = r.text(o, "Uwagi", where);
    m.Odplatnosc = r.whole(o, "Odplatnosc", where, 0);
    if (!r.ok())
        return;
    if (IsBlank(m.Nazwa)) {
        r.fail(QStringLiteral("%1: nie została wprowadzona nazwa leku").arg(where));
        return;
    }
    // A whole number of units, at least one: a fraction, 0 or a negative quantity is no prescription.
    if (m.Ilosc < 1 || m.Ilosc != std::floor(m.Ilosc) || m.Ilosc > 1e9) {
        r.fail(QStringLiteral("%1: nie została wprowadzona poprawnie ilość").arg(where));
        return;
    }
    if (m.Odplatnosc < 0 || m.Odplatnosc >= PaymentLevelList().size())
        r.fail(QStringLiteral("%1: nieprawidłowa odpłatność %2 (dozwolone 0..%3)")
                   .arg(where)
                   .arg(m.Odplatnosc)
                   .arg(PaymentLevelList().size() - 1));
}
} // namespace

bool ReadPrescriptionJson(const QByteArray& json, TPrescriptionJson* out, QString* error)
{
    QString message;
    Reader r(&message);
    TPrescriptionJson result;
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError || !doc.isObject()) {
        r.fail(parseError.error != QJsonParseError::NoError
                   ? QStringLiteral("recepta: niepoprawny JSON (%1, znak %2)")
                         .arg(parseError.errorString())
                         .arg(parseError.offset)
                   : QStringLiteral("recepta: oczekiwano obiektu JSON"));
    } else {
        const QJsonObject o = doc.object();
        const QString where = QStringLiteral("recepta");
        const QJsonValue patient = o.value(QLatin1String("patient"));
        if (patient.isObject())
            readPatient(r, patient.toObject(), result.Pacjent);
        else if (!patient.isUndefined() && !patient.isNull())
            r.fail(QStringLiteral("recepta: pole \"patient\" musi być obiektem"));
        result.Uprawnienia = r.text(o, "uprawnienia", where);
        result.Przewlekle = r.flag(o, "przewlekle", where);
        const QDate real = r.date(o, "dataReal", where);
        result.DataReal = real.isValid() ? real.toString(kDateFormat) : QString();
        const QString special = TrimBlanks(r.text(o, "specjalny", where));
        if (special.isEmpty() || special == QLatin1String("none"))
            result.Specjalny = rpNone;
        else if (special == QLatin1String("pro familia"))
            result.Specjalny = rpProFamilia;
        else if (special == QLatin1String("pro auctore"))
            result.Specjalny = rpProAuctore;
        else
            r.fail(QStringLiteral("recepta: nieznana wartość \"specjalny\": \"%1\" (none, pro familia, pro auctore)")
                       .arg(special));
        result.Numer = TrimBlanks(r.text(o, "numer", where));
        if (!result.Numer.isEmpty() && !allDigits(result.Numer))
            r.fail(QStringLiteral("recepta: numer recepty może zawierać tylko cyfry"));

        const QJsonValue leki = o.value(QLatin1String("leki"));
        if (leki.isArray()) {
            const QJsonArray list = leki.toArray();
            if (list.size() > 5)
                r.fail(QStringLiteral("przekroczono maksymalną liczbę leków na recepcie"));
            for (int i = 0; i < list.size() && r.ok(); ++i) {
                if (!list.at(i).isObject()) {
                    r.fail(QStringLiteral("lek %1: oczekiwano obiektu").arg(i + 1));
                    break;
                }
                TMedicine m;
                readDrug(r, list.at(i).toObject(), i, m);
                result.Leki.push_back(m);
            }
        } else if (!leki.isUndefined() && !leki.isNull()) {
            r.fail(QStringLiteral("recepta: pole \"leki\" musi być listą"));
        }
    }
    if (error)
        *error = message;
    if (!r.ok())
        return false;
    if (out)
        *out = result;
    return true;
}

bool ReadPrescriptionJsonFile(const QString& path, TPrescriptionJson* out, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("nie można otworzyć pliku %1").arg(path);
        return false;
    }
    return ReadPrescriptionJson(file.readAll(), out, error);
}

void FillRecipe(TRecipe& recipe, const TPrescriptionJson& p)
{
    recipe.Pacjent.clear();
    p.Pacjent.Summary(recipe.Pacjent, Clock::now());
    recipe.Pesel = p.Pacjent.pesel;
    recipe.Uprawnienia = p.Uprawnienia;
    recipe.Przewlekle = p.Przewlekle ? QStringLiteral("1") : QString();
    recipe.Data = Clock::today().toString(kDateFormat);
    recipe.DataReal = p.DataReal;
    recipe.Specjalny = p.Specjalny;
    recipe.Numer = p.Numer;
    recipe.AssignMedicines(p.Leki);
}
