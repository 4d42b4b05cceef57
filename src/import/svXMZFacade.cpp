#include "import/svXMZFacade.h"

#include "numbers/svNumbers.h"
#include "shell/Ask.h"
#include "shell/svGlobals.h"

#include <QRegularExpression>
#include <QStringDecoder>

#include <cstring>

#include <pugixml.hpp>

namespace
{
struct Fault
{
    EXMZ kind;
};

QString text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

// pugixml reads UTF-8/16/32 and Latin-1; the NFZ also writes Windows-1250 and ISO-8859-2.
// Such documents are decoded here and handed over as UTF-8.
QByteArray toParsable(const QByteArray& xml, bool* converted)
{
    *converted = false;
    static const QRegularExpression decl(QStringLiteral("^\\s*<\\?xml[^>]*encoding\\s*=\\s*[\"']([A-Za-z0-9_.:-]+)[\"']"));
    const QRegularExpressionMatch m = decl.match(QString::fromLatin1(xml.left(200)));
    if (!m.hasMatch())
        return xml;
    const QString enc = m.captured(1).toLower();
    if (enc.startsWith(QLatin1String("utf")) || enc == QLatin1String("iso-8859-1") || enc == QLatin1String("latin1"))
        return xml;
    QStringDecoder decoder(enc.toLatin1().constData());
    if (!decoder.isValid())
        return xml;
    const QString decoded = decoder.decode(xml);
    *converted = true;
    return decoded.toUtf8();
}

// Every element below root named tag, in document order, at any depth. Iterative: documents
// may be deep, the stack must not be.
std::vector<pugi::xml_node> descendants(const pugi::xml_node& root, const char* tag)
{
    std::vector<pugi::xml_node> out;
    pugi::xml_node node = root.first_child();
    while (node) {
        if (node.type() == pugi::node_element && std::strcmp(node.name(), tag) == 0)
            out.push_back(node);
        if (node.first_child()) {
            node = node.first_child();
            continue;
        }
        while (node && node != root && !node.next_sibling())
            node = node.parent();
        if (!node || node == root)
            break;
        node = node.next_sibling();
    }
    return out;
}

QString attr(const pugi::xml_node& node, const char* name, EXMZ missing)
{
    const pugi::xml_attribute a = node.attribute(name);
    if (!a)
        throw Fault{missing};
    return text(a.value());
}

// A number's text held without allocation; a text longer than any prescription number is
// kept whole in a QString.
class NumberText
{
public:
    void assign(const char* utf8)
    {
        const size_t n = std::strlen(utf8);
        bool ascii = n <= sizeof(m_buf) / sizeof(m_buf[0]);
        for (size_t i = 0; ascii && i < n; ++i) {
            ascii = static_cast<unsigned char>(utf8[i]) < 0x80;
            m_buf[i] = char16_t(utf8[i]);
        }
        if (ascii) {
            m_view = QStringView(m_buf, qsizetype(n));
        } else {
            m_long = QString::fromUtf8(utf8);
            m_view = m_long;
        }
    }
    QStringView view() const { return m_view; }

private:
    char16_t m_buf[32] = {};
    QString m_long;
    QStringView m_view;
};

} // namespace

bool TTestNumber::Test(QStringView number) const
{
    const qsizetype n = number.size();
    return (n == 20 || n == 22) && IsWellFormedNumber(number) && HasValidCheckDigit(number);
}

QString XmzMessage(EXMZ kind)
{
    const char* line = "";
    switch (kind) {
    case EXMZ::NoTagRecepty: line = "Brak znacznika: \"recepty\"."; break;
    case EXMZ::NoAttrTyp: line = "Brak atrybutu: \"typ\" w znaczniku: \"recepty\"."; break;
    case EXMZ::UnknownType: line = "Nieprawidłowa wartość atrybutu \"typ\" w znaczniku: \"recepty\"."; break;
    case EXMZ::NoTagSwiad: line = "Brak znacznika: \"swiad\"."; break;
    case EXMZ::NoAttrNazwa: line = "Brak atrybutu: \"nazwa\" w znaczniku: \"swiad\"."; break;
    case EXMZ::NoAttrAdres: line = "Brak atrybutu: \"adres\" w znaczniku: \"swiad\"."; break;
    case EXMZ::NoTagLekarz: line = "Brak znacznika: \"lekarz\"."; break;
    case EXMZ::NoAttrImieNazw: line = "Brak atrybutu: \"imie_nazw\" w znaczniku: \"lekarz\"."; break;
    case EXMZ::NoAttrPrZawod: line = "Brak atrybutu: \"pr_zawod\" w znaczniku: \"lekarz\"."; break;
    case EXMZ::NoAttrPesel: line = "Brak atrybutu: \"pesel\" w znaczniku: \"lekarz\"."; break;
    case EXMZ::NoAttrIlRec: line = "Brak atrybutu: \"il_rec\" w znaczniku: \"lekarz\"."; break;
    case EXMZ::NoTagN: line = "Brak znacznika: \"n\"."; break;
    case EXMZ::WrongNumber: line = "Nieprawidłowy numer recepty w znaczniku: \"n\"."; break;
    case EXMZ::MoreThanOneLekarz: line = "Więcej niż jeden wymagany znacznik: \"lekarz\"."; break;
    default: return QString();
    }
    return QStringLiteral("Błąd struktury pliku XMZ.\r\n") + QString::fromUtf8(line);
}

std::unique_ptr<TXMZFacade> TXMZFacade::Load(const QByteArray& xml, const IXMZTestNumber* test, TXMZError* error)
{
    bool converted = false;
    const QByteArray bytes = toParsable(xml, &converted);
    pugi::xml_document doc;
    // No DTD, no entity expansion beyond the predefined ones.
    const unsigned options = pugi::parse_default & ~pugi::parse_doctype;
    const pugi::xml_parse_result parsed = doc.load_buffer(bytes.constData(), size_t(bytes.size()), options,
                                                          converted ? pugi::encoding_utf8 : pugi::encoding_auto);
    if (!parsed) {
        if (error)
            *error = {EXMZ::Parse, QStringLiteral("Błąd składni XML (pozycja %1): %2")
                                       .arg(qint64(parsed.offset))
                                       .arg(QString::fromUtf8(parsed.description()))};
        return nullptr;
    }

    std::unique_ptr<TXMZFacade> f(new TXMZFacade);
    try {
        const pugi::xml_node recepty = doc.child("recepty");
        if (!recepty)
            throw Fault{EXMZ::NoTagRecepty};
        const QString typ = attr(recepty, "typ", EXMZ::NoAttrTyp);
        const pugi::xml_node swiad = recepty.child("swiad");
        if (typ == QLatin1String("S")) {
            if (!swiad)
                throw Fault{EXMZ::NoTagSwiad};
            attr(swiad, "nazwa", EXMZ::NoAttrNazwa);
            attr(swiad, "adres", EXMZ::NoAttrAdres);
        } else if (typ != QLatin1String("L")) {
            throw Fault{EXMZ::UnknownType};
        }
        if (swiad) {
            f->m_hasProvider = true;
            f->m_providerName = text(swiad.attribute("nazwa").value());
            f->m_providerAddress = text(swiad.attribute("adres").value());
        }
        const std::vector<pugi::xml_node> doctors = descendants(recepty, "lekarz");
        if (doctors.empty())
            throw Fault{EXMZ::NoTagLekarz};
        for (const pugi::xml_node& lekarz : doctors) {
            TXMZDoctor d;
            d.imieNazw = attr(lekarz, "imie_nazw", EXMZ::NoAttrImieNazw);
            d.prZawod = attr(lekarz, "pr_zawod", EXMZ::NoAttrPrZawod);
            d.pesel = attr(lekarz, "pesel", EXMZ::NoAttrPesel);
            d.ilRec = attr(lekarz, "il_rec", EXMZ::NoAttrIlRec);
            const std::vector<pugi::xml_node> ns = descendants(lekarz, "n");
            if (ns.empty())
                throw Fault{EXMZ::NoTagN};
            // Runs are cut while the numbers are checked; only the ends of runs become texts.
            NumberText texts[2];
            int cur = 0;
            bool first = true;
            for (const pugi::xml_node& n : ns) {
                texts[cur].assign(n.first_child().value());
                const QStringView number = texts[cur].view();
                const QStringView previous = texts[1 - cur].view();
                if (test && !test->Test(number))
                    throw Fault{EXMZ::WrongNumber};
                if (first || !IsNextNumber(previous, number)) {
                    if (!first)
                        d.pools.last().last = previous.toString();
                    d.pools.append({number.toString(), QString()});
                }
                first = false;
                cur = 1 - cur;
            }
            d.pools.last().last = texts[1 - cur].view().toString();
            f->m_doctors.append(std::move(d));
        }
        if (typ == QLatin1String("L") && f->m_doctors.size() > 1)
            throw Fault{EXMZ::MoreThanOneLekarz};
    } catch (const Fault& fault) {
        if (error)
            *error = {fault.kind, XmzMessage(fault.kind)};
        return nullptr;
    }
    if (error)
        *error = {};
    return f;
}

QString TXMZFacade::ProviderText() const
{
    if (!m_hasProvider)
        return QStringLiteral("<niekontraktowy>");
    return m_providerName + QLatin1Char(' ') + m_providerAddress;
}

QString TXMZFacade::DoctorText(int i) const
{
    if (i < 0 || i >= m_doctors.size())
        return QString();
    const TXMZDoctor& d = m_doctors.at(i);
    return d.imieNazw + QStringLiteral(" / PESEL:") + d.pesel + QStringLiteral(" / pr.wyk.zaw: ") + d.prZawod
        + QStringLiteral(" / l.recept:") + d.ilRec;
}

int TXMZFacade::PoolCount(int i) const
{
    return i >= 0 && i < m_doctors.size() ? int(m_doctors.at(i).pools.size()) : 0;
}

QString TXMZFacade::PoolText(int i, int j) const
{
    if (j < 0 || j >= PoolCount(i))
        return QString();
    const TXMZPool& p = m_doctors.at(i).pools.at(j);
    return p.first + QStringLiteral(" - ") + p.last;
}

void ShowXmzError(const TXMZError& error)
{
    Ask::show({kProductWord, AskIcon::None, error.message, AskButtons::Ok});
}
