#include "shell/svGlobals.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString ProgramTitle()
{
    return kProductWord + QLatin1Char(' ') + kProgramVersion;
}

const QStringList& BranchList()
{
    static const QStringList list{
        QStringLiteral("01 Dolnośląski"),      QStringLiteral("02 Kujawsko-Pomorski"),
        QStringLiteral("03 Lubelski"),         QStringLiteral("04 Lubuski"),
        QStringLiteral("05 Łódzki"),           QStringLiteral("06 Małopolski"),
        QStringLiteral("07 Mazowiecki"),       QStringLiteral("08 Opolski"),
        QStringLiteral("09 Podkarpacki"),      QStringLiteral("10 Podlaski"),
        QStringLiteral("11 Pomorski"),         QStringLiteral("12 Śląski"),
        QStringLiteral("13 Świętokrzyski"),    QStringLiteral("14 Warmińsko-Mazurski"),
        QStringLiteral("15 Wielkopolski"),     QStringLiteral("16 Zachodniopomorski"),
        QStringLiteral("17 Departament d/s służb mundurowych"),
    };
    return list;
}

const QStringList& EntitlementList()
{
    static const QStringList list{
        QStringLiteral(" X"),
        QStringLiteral("AZ z tytułu azbestu"),
        QStringLiteral("CN obyw. PL (ciąża, poród, połóg)"),
        QStringLiteral("DN PL < niż 18 lat"),
        QStringLiteral("IB inwalida wojenny"),
        QStringLiteral("IN skazani"),
        QStringLiteral("IW inwalida wojskowy"),
        QStringLiteral("NB nieubezpieczony bezdomny"),
        QStringLiteral("PO żołnierz"),
        QStringLiteral("SU szersze uprawnienia"),
        QStringLiteral("WP członkowie rodzin żoł., przeszk. wojskowe"),
        QStringLiteral("ZK zasłużony dawca krwi lub przeszczepu"),
    };
    return list;
}

const QStringList& PaymentLevelList()
{
    static const QStringList list{QStringLiteral("B"), QStringLiteral("R"), QStringLiteral("30%"),
                                  QStringLiteral("50%"), QStringLiteral("100%")};
    return list;
}

void FillBranches(QStringList& target)
{
    target = BranchList();
}

void FillEntitlements(QStringList& target)
{
    target = EntitlementList();
}

void FillPaymentLevels(QStringList& target)
{
    target = PaymentLevelList();
}

namespace
{
QFileInfoList matchingFiles(const QString& maskWithFolder)
{
    const QFileInfo mask(maskWithFolder);
    QDir dir = mask.dir();
    // The original system matched file names without regard to case.
    return dir.entryInfoList(QStringList{mask.fileName()},
                             QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                             QDir::Name | QDir::IgnoreCase);
}
} // namespace

void DeleteMatchingFiles(const QString& maskWithFolder)
{
    for (const QFileInfo& info : matchingFiles(maskWithFolder)) {
        QFile file(info.absoluteFilePath());
        file.setPermissions(file.permissions() | QFile::WriteOwner);
        file.remove();
    }
}

void FirstMatchingFileName(const QString& maskWithFolder, QString& name)
{
    const QFileInfoList found = matchingFiles(maskWithFolder);
    if (!found.isEmpty())
        name = found.first().fileName();
}

QString TrimLeftBlanks(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == QLatin1Char(' '))
        ++i;
    return text.mid(i);
}

QString TrimRightBlanks(const QString& text)
{
    qsizetype n = text.size();
    while (n > 0 && text.at(n - 1) == QLatin1Char(' '))
        --n;
    return text.left(n);
}

QString TrimBlanks(const QString& text)
{
    return TrimLeftBlanks(TrimRightBlanks(text));
}

bool IsBlank(const QString& text)
{
    return TrimBlanks(text).isEmpty();
}

QString UpperPl(const QString& text)
{
    static const QString small = QStringLiteral("ąćęłńóśźż");
    static const QString capital = QStringLiteral("ĄĆĘŁŃÓŚŹŻ");
    QString result = text;
    for (QChar& c : result) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) {
            c = QChar(c.unicode() - 'a' + 'A');
        } else {
            const qsizetype i = small.indexOf(c);
            if (i >= 0)
                c = capital.at(i);
        }
    }
    return result;
}

QString CharAt(const QString& text, int position)
{
    if (position < 1 || position > text.size())
        return QString();
    return text.mid(position - 1, 1);
}

QString CopyRange(const QString& text, int from, int to)
{
    if (from < 1)
        from = 1;
    if (to > text.size())
        to = int(text.size());
    if (to < from)
        return QString();
    return text.mid(from - 1, to - from + 1);
}

QString LeftPart(const QString& text, int n)
{
    return CopyRange(text, 1, n);
}

QString RightPart(const QString& text, int n)
{
    if (n <= 0)
        return QString();
    return text.right(n);
}

QString ZeroPad(qint64 value, int width)
{
    QString s = QString::number(value);
    while (s.size() < width)
        s.prepend(QLatin1Char('0'));
    return s;
}

qint64 TextToInt64(const QString& text)
{
    bool ok = false;
    const qint64 v = text.toLongLong(&ok, 10);
    return ok ? v : 0;
}

double TextToFloat(const QString& text)
{
    bool ok = false;
    const double v = text.toDouble(&ok); // QString::toDouble always uses "." as decimal point
    return ok ? v : 0.0;
}

bool IsDigit(const QString& text)
{
    return !text.isEmpty() && text.at(0) >= QLatin1Char('0') && text.at(0) <= QLatin1Char('9');
}

QString Choose(bool flag, const QString& a, const QString& b)
{
    return flag ? a : b;
}

QString EnsureSuffix(const QString& text, const QString& suffix)
{
    const QString t = TrimBlanks(text);
    const QString s = TrimBlanks(suffix);
    return t.endsWith(s) ? t : t + s;
}

QString EnsureBackslash(const QString& text)
{
    return EnsureSuffix(text, QStringLiteral("\\"));
}

bool WildcardMatch(const QString& pattern, const QString& text, QChar wildcard)
{
    if (!pattern.contains(wildcard))
        return true;
    // An empty rest matches every text, an empty (null) one too.
    if (pattern.startsWith(wildcard)) {
        const QString rest = pattern.mid(1);
        return rest.isEmpty() || text.endsWith(rest);
    }
    if (pattern.endsWith(wildcard)) {
        const QString rest = pattern.left(pattern.size() - 1);
        return rest.isEmpty() || text.startsWith(rest);
    }
    return false;
}

namespace
{
// Windows-1250 code of a character; characters outside the code page sort after it.
int cp1250Code(QChar c)
{
    const ushort u = c.unicode();
    if (u < 0x80)
        return u;
    static const QString high = QStringLiteral(
        "€\u0081‚\u0083„…†‡\u0088‰Š‹ŚŤŽŹ\u0090‘’“”•–—\u0098™š›śťžź\u00A0ˇ˘Ł¤Ą¦§¨©Ş«¬\u00AD®Ż°±˛ł´µ¶·¸ąş»Ľ˝ľż"
        "ŔÁÂĂÄĹĆÇČÉĘËĚÍÎĎĐŃŇÓÔŐÖ×ŘŮÚŰÜÝŢßŕáâăäĺćçčéęëěíîďđńňóôőö÷řůúűüýţ˙");
    const qsizetype i = high.indexOf(c);
    return i >= 0 ? int(0x80 + i) : 0x100 + u;
}
} // namespace

int CompareCp1250(const QString& a, const QString& b)
{
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const int d = cp1250Code(a.at(i)) - cp1250Code(b.at(i));
        if (d != 0)
            return d < 0 ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}
