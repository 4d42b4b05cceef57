#include "printing/svFormSettingsStore.h"

#include "shell/svGlobals.h"
#include "store/svDB.h"

TFormSettings FormSettingsFromStore()
{
    TFormSettings s;
    TQuery q(QStringLiteral("SELECT * FROM data_109 ORDER BY rowid LIMIT 1"));
    if (!q.Open() || !q.Next())
        return s;
    auto text = [&](const char* column) { return TrimRightBlanks(q.Field(QLatin1String(column)).toString()); };
    auto number = [&](const char* column, int fallback) {
        const QVariant v = q.Field(QLatin1String(column));
        return v.isNull() ? fallback : v.toInt();
    };
    QStringList lines{text("swd_nazwa1"), text("swd_nazwa2")};
    for (const char* c : {"swd_adres1", "swd_adres2", "swd_dodinfo", "swd_regon"})
        if (!IsBlank(text(c)))
            lines << text(c);
    s.providerLines = lines;
    s.symbolKCh = text("swd_symbolkch");
    s.frameExist = number("frameexist", 1) != 0;
    s.frameSize = number("swd_framesize", 0);
    if (!IsBlank(text("swd_fontname")))
        s.fontName = text("swd_fontname");
    s.boldBase = number("boldBase", 0) != 0;
    s.drukTekst = text("druk_Tekst");
    s.daneId = text("daneId");
    s.daneId1 = text("daneId1");
    s.daneId2 = text("daneId2");
    s.regonDrukuj = number("regonDrukuj", 0);
    s.nrPrawaDrukuj = number("nrPrawaDrukuj", 0);
    s.regon = text("swd_regon");
    s.drugFrameWidth = number("RamkiWewnPrzeryw", 0);
    s.formWidthMM = number("swd_rcwidth", 99);
    s.formHeightMM = number("swd_rcheight", 210);
    return s;
}
