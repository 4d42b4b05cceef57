// Code 128 code set C with FNC1 (GS1-128) and the painting of its bars.
#include "printing/svBarcode.h"

#include <QPainter>
#include <QPolygon>

#include <cmath>

namespace
{
const QString kClassName = QStringLiteral("TSVBarcode");

// Bar and space widths of the Code 128 symbol values 0..105, bar first; Stop separately.
const char* const kPatterns[106] = {
    "212222", "222122", "222221", "121223", "121322", "131222", "122213", "122312", "132212", "221213",
    "221312", "231212", "112232", "122132", "122231", "113222", "123122", "123221", "223211", "221132",
    "221231", "213212", "223112", "312131", "311222", "321122", "321221", "312212", "322112", "322211",
    "212123", "212321", "232121", "111323", "131123", "131321", "112313", "132113", "132311", "211313",
    "231113", "231311", "112133", "112331", "132131", "113123", "113321", "133121", "313121", "211331",
    "231131", "213113", "213311", "213131", "311123", "311321", "331121", "312113", "312311", "332111",
    "314111", "221411", "431111", "111224", "111422", "121124", "121421", "141122", "141221", "112214",
    "112412", "122114", "122411", "142112", "142211", "241211", "221114", "413111", "241112", "134111",
    "111242", "121142", "121241", "114212", "124112", "124211", "411212", "421112", "421211", "212141",
    "214121", "412121", "111143", "111341", "131141", "114113", "114311", "411113", "411311", "113141",
    "114131", "311141", "411131", "211412", "211214", "211232",
};
const char kStop[] = "2331112";
constexpr int kStartC = 105;
constexpr int kFnc1 = 102;

// Widths 1..4 become "5".."8" for a bar and "0".."3" for a space, alternating from a bar.
void appendPattern(QString& out, const char* widths)
{
    for (int i = 0; widths[i]; ++i) {
        const int w = widths[i] - '0';
        out += QChar((i % 2 == 0 ? '5' : '0') + w - 1);
    }
}

bool isBlankOrControl(QChar c)
{
    return c.unicode() <= 0x20;
}

QString trimmedForNumeric(const QString& text)
{
    int from = 0;
    int to = int(text.size());
    while (from < to && isBlankOrControl(text.at(from)))
        ++from;
    while (to > from && isBlankOrControl(text.at(to - 1)))
        --to;
    return text.mid(from, to - from);
}

bool allDigits(const QString& text)
{
    for (QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

// Data of the symbol: the pairs after Start C and FNC1. Assumes digits only, even length.
QString elementsOfPairs(const QString& digits)
{
    QString out;
    out.reserve(6 * (int(digits.size()) / 2 + 3) + 7);
    appendPattern(out, kPatterns[kStartC]);
    int sum = kStartC;
    int weight = 1;
    appendPattern(out, kPatterns[kFnc1]);
    sum += kFnc1 * weight;
    weight = 2;
    for (int i = 0; i + 1 < digits.size(); i += 2) {
        const int value = (digits.at(i).unicode() - '0') * 10 + (digits.at(i + 1).unicode() - '0');
        appendPattern(out, kPatterns[value]);
        sum += value * weight;
        ++weight;
    }
    appendPattern(out, kPatterns[sum % 103]);
    appendPattern(out, kStop);
    return out;
}

int roundHalfEven(double x)
{
    return int(std::nearbyint(x));
}
} // namespace

TBarcodeEncoding EncodeEAN128C(const QString& text)
{
    TBarcodeEncoding result;
    result.text = trimmedForNumeric(text);
    if (!allDigits(result.text)) {
        result.error = QStringLiteral("Barcode must be numeric");
        return result;
    }
    if (result.text.size() % 2 == 1)
        result.text.prepend(QLatin1Char('0'));
    result.elements = elementsOfPairs(result.text);
    return result;
}

QChar Modulo10CheckDigit(const QString& digits)
{
    int sum = 0;
    int weight = 3;
    for (int i = int(digits.size()) - 1; i >= 0; --i) {
        const QChar c = digits.at(i);
        const int d = (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ? c.unicode() - '0' : 0;
        sum += d * weight;
        weight = weight == 3 ? 1 : 3;
    }
    return QChar('0' + (10 - sum % 10) % 10);
}

#define SV_SETTER(Name, member, Type)                                                                             \
    void TSVBarcode::Set##Name(Type value)                                                                        \
    {                                                                                                             \
        if (member == value)                                                                                      \
            return;                                                                                               \
        member = value;                                                                                           \
        NotifyChange();                                                                                           \
    }

SV_SETTER(Height, m_height, int)
SV_SETTER(Text, m_text, const QString&)
SV_SETTER(Top, m_top, int)
SV_SETTER(Left, m_left, int)
SV_SETTER(Ratio, m_ratio, double)
SV_SETTER(Typ, m_typ, TSVBarcodeType)
SV_SETTER(Checksum, m_checksum, bool)
SV_SETTER(CheckSumMethod, m_checkSumMethod, TSVCheckSumMethod)
SV_SETTER(Angle, m_angle, double)
SV_SETTER(Color, m_color, const QColor&)
SV_SETTER(ColorBar, m_colorBar, const QColor&)
#undef SV_SETTER

void TSVBarcode::SetModul(int value)
{
    if (value < 1 || value > 49)
        return;
    m_modul = value;
    NotifyChange();
}

void TSVBarcode::NotifyChange()
{
    if (OnChange)
        OnChange();
}

void TSVBarcode::Assign(const TSVBarcode& other)
{
    if (&other == this)
        return;
    m_height = other.m_height;
    m_text = other.m_text;
    m_top = other.m_top;
    m_left = other.m_left;
    m_modul = other.m_modul;
    m_ratio = other.m_ratio;
    m_typ = other.m_typ;
    m_checksum = other.m_checksum;
    m_checkSumMethod = other.m_checkSumMethod;
    m_angle = other.m_angle;
    m_color = other.m_color;
    m_colorBar = other.m_colorBar;
    OnChange = other.OnChange;
}

bool TSVBarcode::deriveModules(QString* error)
{
    const int m1 = roundHalfEven(double(m_modul) * m_ratio);
    const long long widths[4] = {m_modul, m1, (long long)m1 * 3 / 2, 2LL * m1};
    for (int i = 0; i < 4; ++i) {
        if (widths[i] < -128 || widths[i] > 127) {
            *error = QStringLiteral("Range check error");
            return false;
        }
        m_m[i] = qint8(widths[i]);
    }
    return true;
}

bool TSVBarcode::Encode(QString* elements, QString* error)
{
    QString message;
    QString out;
    bool ok = deriveModules(&message);
    if (ok && (m_typ < bcCode_2_5_interleaved || m_typ > bcCodeEAN128C)) {
        message = kClassName + QStringLiteral(": wrong BarcodeType");
        ok = false;
    }
    if (ok && m_typ != bcCodeEAN128C) {
        // Only GS1-128 code set C is printed by this program; the other symbologies are not built.
        message = kClassName + QStringLiteral(": wrong BarcodeType");
        ok = false;
    }
    if (ok) {
        const QString trimmed = trimmedForNumeric(m_text);
        if (!allDigits(trimmed)) {
            message = QStringLiteral("Barcode must be numeric");
            ok = false;
        } else {
            QString data = trimmed;
            if (m_checksum && m_checkSumMethod == csmModulo10)
                data += Modulo10CheckDigit(data);
            const TBarcodeEncoding enc = EncodeEAN128C(data);
            m_text = enc.text; // stored back without a notification, as the encoder does
            out = enc.elements;
        }
    }
    m_lastError = message;
    if (error)
        *error = message;
    if (elements)
        *elements = ok ? out : QString();
    return ok;
}

int TSVBarcode::elementWidth(QChar c) const
{
    const ushort u = c.unicode();
    if (u >= '0' && u <= '3')
        return m_m[u - '0'];
    if (u >= '5' && u <= '8')
        return m_m[u - '5'];
    return -1;
}

int TSVBarcode::Width()
{
    QString elements;
    if (!Encode(&elements))
        return 0;
    int total = 0;
    for (QChar c : elements) {
        const int w = elementWidth(c);
        if (w < 0) {
            m_lastError = kClassName + QStringLiteral(": internal Error");
            return 0;
        }
        total += w;
    }
    return total;
}

void TSVBarcode::SetWidth(int value)
{
    const int total = Width();
    if (total > 0)
        SetModul(int((long long)m_modul * value / total));
}

bool TSVBarcode::PaintSymbol(QPainter& painter)
{
    QString elements;
    if (!Encode(&elements))
        return false;
    int total = 0;
    for (QChar c : elements) {
        if (elementWidth(c) < 0) {
            m_lastError = kClassName + QStringLiteral(": internal Error");
            return false;
        }
        total += elementWidth(c);
    }

    const double a = m_angle * M_PI / 180.0;
    const double sa = std::sin(a);
    const double ca = std::cos(a);
    // Keeps the turned symbol to the right of and below (Left, Top).
    int offX = 0;
    int offY = 0;
    if (sa >= 0 && ca >= 0) {
        offY = roundHalfEven(total * sa);
    } else if (sa >= 0) {
        offX = -roundHalfEven(total * ca);
        offY = roundHalfEven(total * sa - m_height * ca);
    } else if (ca >= 0) {
        offX = -roundHalfEven(m_height * sa);
    } else {
        offX = -roundHalfEven(total * ca) - roundHalfEven(m_height * sa);
        offY = -roundHalfEven(m_height * ca);
    }
    const int ox = m_left + offX;
    const int oy = m_top + offY;
    auto turned = [&](int x, int y) {
        return QPoint(ox + roundHalfEven(x * ca + y * sa), oy + roundHalfEven(-x * sa + y * ca));
    };

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    int x = 0;
    for (QChar c : elements) {
        const int w = elementWidth(c);
        const bool bar = c.unicode() >= '5';
        painter.setBrush(bar ? m_colorBar : m_color);
        // A rectangle outlined with a one-unit pen through the columns x .. x+w-1 covers exactly
        // the area from x to x+w: fill that area without a pen.
        const QPoint pts[4] = {turned(x, 0), turned(x, m_height), turned(x + w, m_height), turned(x + w, 0)};
        painter.drawPolygon(pts, 4);
        x += w;
    }
    painter.restore();
    return true;
}

bool TSVBarcode::PaintStretched(QPainter& painter, const QRectF& target)
{
    const int w = Width();
    if (!m_lastError.isEmpty())
        return false;
    if (w <= 0 || m_height <= 0 || target.width() <= 0 || target.height() <= 0)
        return true;
    painter.save();
    painter.translate(target.left(), target.top());
    painter.scale(target.width() / w, target.height() / m_height);
    painter.translate(-m_left, -m_top);
    const bool ok = PaintSymbol(painter);
    painter.restore();
    return ok;
}

bool DrawBarcode(QPainter& painter, const QString& digits, int barHeight, const QRectF& target)
{
    TSVBarcode code;
    code.SetTyp(bcCodeEAN128C);
    code.SetText(digits);
    code.SetLeft(0);
    code.SetTop(0);
    code.SetHeight(barHeight);
    return code.PaintStretched(painter, target);
}
