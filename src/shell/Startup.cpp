#include "shell/Startup.h"

#include "shell/svGlobals.h"

#include <QDir>
#include <QSettings>

QString DecodeParamText(const QString& text)
{
    // Left column first, then right column: small letters, then capitals.
    static const std::pair<const char*, char16_t> refs[] = {
        {"&#261;", u'ą'}, {"&#263;", u'ć'}, {"&#281;", u'ę'}, {"&#322;", u'ł'}, {"&#324;", u'ń'},
        {"&#243;", u'ó'}, {"&#347;", u'ś'}, {"&#378;", u'ź'}, {"&#380;", u'ż'},
        {"&#260;", u'Ą'}, {"&#262;", u'Ć'}, {"&#280;", u'Ę'}, {"&#321;", u'Ł'}, {"&#323;", u'Ń'},
        {"&#211;", u'Ó'}, {"&#346;", u'Ś'}, {"&#377;", u'Ź'}, {"&#379;", u'Ż'},
    };
    QString result = text;
    for (const auto& [ref, letter] : refs)
        result.replace(QLatin1String(ref), QString(QChar(letter)), Qt::CaseSensitive);
    return result;
}

TCommandLine SplitCommandLine(const QStringList& args)
{
    TCommandLine cl;
    cl.count = int(std::min<qsizetype>(args.size(), 6));
    auto arg = [&](int i) { return DecodeParamText(args.at(i - 1)); };
    if (cl.count >= 1)
        cl.pesel = arg(1);
    if (cl.count >= 2)
        cl.firstName = arg(2);
    if (cl.count >= 3)
        cl.surname = arg(3);
    if (cl.count >= 4) {
        cl.doctor = arg(4);
        for (int i = 5; i <= cl.count; ++i)
            cl.doctor += QLatin1Char(' ') + arg(i);
    }
    return cl;
}

bool UpdateVersionMarker(const QString& folder, QString* error)
{
    const QDir dir(folder);
    QSettings ini(dir.filePath(QStringLiteral("solvira.ini")), QSettings::IniFormat);
    const QString version = ini.value(QStringLiteral("MAIN/WERSJA")).toString();
    if (version != kProgramVersion) {
        // Stale index and backup files of the previous version; the store rebuilds what it needs.
        for (const char* mask : {"*.adi", "*.ai", "*.BAK"})
            DeleteMatchingFiles(dir.filePath(QLatin1String(mask)));
    }
    ini.setValue(QStringLiteral("MAIN/WERSJA"), kProgramVersion);
    ini.sync();
    if (ini.status() != QSettings::NoError) {
        if (error)
            *error = QStringLiteral("Nie można zapisać pliku „%1”.").arg(ini.fileName());
        return false;
    }
    return true;
}
