#include "settings/svUstawienia.h"

#include "document/svLayout.h"
#include "shell/svGlobals.h"
#include "store/svDB.h"

namespace
{
QString slotName(const char* prefix, int i)
{
    return QLatin1String(prefix) + QStringLiteral("%1").arg(i + 1, 2, 10, QLatin1Char('0'));
}

// Binds every settings field to its column, for reading (load) or writing (save).
template <typename Visitor>
void visitFields(TUstawienia& s, Visitor&& v)
{
    v("swd_fontname", s.swd_fontname);
    v("swd_framesize", s.swd_framesize);
    v("swd_rcwidth", s.swd_rcwidth);
    v("swd_rcheight", s.swd_rcheight);
    v("numerowanie", s.numerowanie);
    v("frameexist", s.frameexist);
    v("drukNrNFZ", s.drukNrNFZ);
    v("boldBase", s.boldBase);
    v("druk_Tekst", s.druk_Tekst);
    v("daneId", s.daneId);
    v("daneId1", s.daneId1);
    v("daneId2", s.daneId2);
    v("WzorRecepty", s.WzorRecepty);
    v("RamkiLekiWl", s.RamkiLekiWl);
    v("RamkiWewnPrzeryw", s.RamkiWewnPrzeryw);
    v("regonDrukuj", s.regonDrukuj);
    v("nrPrawaDrukuj", s.nrPrawaDrukuj);
    for (int i = 0; i < 10; ++i)
        v(slotName("Czcionka", i), s.Czcionka[size_t(i)]);
    for (int i = 0; i < 10; ++i)
        v(slotName("CzcionkaRozmiar", i), s.CzcionkaRozmiar[size_t(i)]);
    for (int i = 0; i < 10; ++i)
        v(slotName("Pogrub", i), s.Pogrub[size_t(i)]);
    v("StopkaPolozenie", s.StopkaPolozenie);
    v("prn_single_name", s.prn_single_name);
    v("prn_single_format", s.prn_single_format);
    v("prn_single_align", s.prn_single_align);
    v("prn_single_rotate", s.prn_single_rotate);
    v("prn_seria_name", s.prn_seria_name);
    v("prn_seria_format", s.prn_seria_format);
    v("prn_seria_align", s.prn_seria_align);
    v("prn_seria_rotate", s.prn_seria_rotate);
    v("prn_seria_just_hor", s.prn_seria_just_hor);
    v("prn_seria_just_vert", s.prn_seria_just_vert);
    v("prn_seria_swd", s.prn_seria_swd);
    v("prn_seria_nfz", s.prn_seria_nfz);
    v("prn_seria_nastronie", s.prn_seria_nastronie);
    v("prn_dodatkowa_name", s.prn_dodatkowa_name);
    v("prn_dodatkowa_format", s.prn_dodatkowa_format);
}

struct Reader
{
    const TTable& t;
    template <typename Name>
    void operator()(const Name& name, QString& f) const { f = TrimRightBlanks(t.AsString(QString(name))); }
    template <typename Name>
    void operator()(const Name& name, int& f) const { f = int(t.AsInteger(QString(name))); }
    template <typename Name>
    void operator()(const Name& name, bool& f) const { f = t.AsBoolean(QString(name)); }
};

struct Writer
{
    TTable& t;
    template <typename Name, typename T>
    void operator()(const Name& name, T& f) const { t.SetValue(QString(name), QVariant::fromValue(f)); }
};

const char* const kProviderColumns[] = {"swd_nazwa1", "swd_nazwa2", "swd_adres1", "swd_adres2",
                                        "swd_dodinfo", "swd_symbolkch", "swd_regon"};

QString* providerField(TSwiadczeniodawca& p, int i)
{
    QString* fields[] = {&p.swd_nazwa1, &p.swd_nazwa2, &p.swd_adres1, &p.swd_adres2, &p.swd_dodinfo, &p.swd_symbolkch, &p.swd_regon};
    return fields[i];
}
} // namespace

TUstawienia::TUstawienia()
{
    SetDefaults();
    RamkiWewnPrzeryw = 0;
}

void TUstawienia::SetDefaults()
{
    swd_fontname = QStringLiteral("Liberation Sans");
    swd_framesize = 0;
    swd_rcwidth = 99;
    swd_rcheight = 210;
    numerowanie = true;
    frameexist = true;
    drukNrNFZ = true;
    boldBase = false;
    druk_Tekst = QStringLiteral("Dane podmiotu drukującego");
    daneId.clear();
    daneId1.clear();
    daneId2.clear();
    WzorRecepty = QStringLiteral("2011-12-23");
    RamkiLekiWl = true;
    regonDrukuj = 0;
    nrPrawaDrukuj = 0;
    for (size_t i = 0; i < 10; ++i) {
        Czcionka[i] = QStringLiteral("Liberation Sans");
        CzcionkaRozmiar[i] = kDefaultFontSizes[i];
        Pogrub[i] = false;
    }
    StopkaPolozenie = 0;
}

bool TUstawienia::Load(const FirstRun& firstRun, QString* error)
{
    TTable& t = SettingsTable();
    if (!t.Open()) {
        if (error)
            *error = t.LastError();
        return false;
    }
    if (t.Eof()) {
        TFirstRunData data;
        if (firstRun)
            firstRun(data);
        t.Append();
        for (int i = 0; i < 7; ++i)
            t.SetValue(QLatin1String(kProviderColumns[i]), *providerField(data.provider, i));
        t.SetValue(QStringLiteral("swd_symbolkch"), data.provider.swd_symbolkch.left(3));
        t.SetValue(QStringLiteral("numerowanie"), data.numerowanie);
        t.SetValue(QStringLiteral("druknrnfz"), data.druknrnfz);
        if (!t.Post()) {
            if (error)
                *error = t.LastError();
            t.Close();
            return false;
        }
    }
    visitFields(*this, Reader{t});
    t.Close();
    FormWidthMM = swd_rcwidth;
    FormHeightMM = swd_rcheight;
    return LoadProvider();
}

bool TUstawienia::LoadProvider()
{
    TTable& t = SettingsTable();
    if (!t.Open() || t.Eof()) {
        t.Close();
        return false;
    }
    for (int i = 0; i < 7; ++i)
        *providerField(provider, i) = t.AsString(QLatin1String(kProviderColumns[i]));
    // The branch is held as its code and one blank, the first three characters of the entry.
    provider.swd_symbolkch = TrimRightBlanks(provider.swd_symbolkch) + QLatin1Char(' ');
    t.Close();
    return true;
}

bool TUstawienia::SaveProvider()
{
    TTable& t = SettingsTable();
    if (!t.Open() || !t.Edit()) {
        t.Close();
        return false;
    }
    for (int i = 0; i < 7; ++i)
        t.SetValue(QLatin1String(kProviderColumns[i]), *providerField(provider, i));
    const bool ok = t.Post();
    t.Close();
    return ok;
}

bool TUstawienia::Save(QString* error)
{
    if (!SaveProvider()) {
        if (error)
            *error = SettingsTable().LastError();
        return false;
    }
    TTable& t = SettingsTable();
    if (!t.Open() || !t.Edit()) {
        if (error)
            *error = t.LastError();
        t.Close();
        return false;
    }
    visitFields(*this, Writer{t});
    const bool ok = t.Post();
    if (!ok && error)
        *error = t.LastError();
    t.Close();
    return ok;
}

void TUstawienia::ProviderLines(QStringList& lines) const
{
    lines.clear();
    lines << provider.swd_nazwa1 << provider.swd_nazwa2;
    for (const QString& s : {provider.swd_adres1, provider.swd_adres2, provider.swd_dodinfo, provider.swd_regon})
        if (!IsBlank(s))
            lines << s;
}

bool EnsureSettingsRow(QString* error)
{
    TTable& t = SettingsTable();
    if (!t.Open()) {
        if (error)
            *error = t.LastError();
        return false;
    }
    bool ok = true;
    if (t.Eof()) {
        t.Append();
        ok = t.Post();
        if (!ok && error)
            *error = t.LastError();
    }
    t.Close();
    return ok;
}

bool SettingsValue(const QString& column, QString* value)
{
    TTable& t = SettingsTable();
    if (!t.Open())
        return false;
    const bool known = t.HasField(column);
    if (known)
        *value = TrimRightBlanks(t.AsString(column));
    t.Close();
    return known;
}

bool SetSettingsValue(const QString& column, const QString& value, QString* error)
{
    TTable& t = SettingsTable();
    if (!t.Open() || !t.HasField(column) || !t.Edit()) {
        if (error)
            *error = QStringLiteral("nieznane ustawienie: %1").arg(column);
        t.Close();
        return false;
    }
    t.SetValue(column, value);
    const bool ok = t.Post();
    if (!ok && error)
        *error = t.LastError();
    t.Close();
    return ok;
}

TFormSettings TUstawienia::FormSettings() const
{
    TFormSettings f;
    ProviderLines(f.providerLines);
    f.symbolKCh = TrimRightBlanks(provider.swd_symbolkch);
    f.frameExist = frameexist;
    f.frameSize = swd_framesize;
    if (!IsBlank(swd_fontname))
        f.fontName = swd_fontname;
    f.boldBase = boldBase;
    f.drukTekst = druk_Tekst;
    f.daneId = daneId;
    f.daneId1 = daneId1;
    f.daneId2 = daneId2;
    f.regonDrukuj = regonDrukuj;
    f.nrPrawaDrukuj = nrPrawaDrukuj;
    f.regon = provider.swd_regon;
    f.drugFrameWidth = RamkiWewnPrzeryw;
    f.formWidthMM = swd_rcwidth;
    f.formHeightMM = swd_rcheight;
    return f;
}
