// One XML document of an XMZ archive: the provider, the doctors and the runs of consecutive
// prescription numbers (pools) each doctor was assigned, after the structure and every number
// were checked. The runs are cut once, when the document is loaded.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>

// Decides whether a number text taken from the document is acceptable.
class IXMZTestNumber
{
public:
    virtual ~IXMZTestNumber() = default;
    virtual bool Test(QStringView number) const = 0;
};

// Accepts exactly the numbers with a correct check digit (20 or 22 characters).
class TTestNumber : public IXMZTestNumber
{
public:
    bool Test(QStringView number) const override;
};

// The structural faults; Parse is the parser's own error (its text is in the message).
enum class EXMZ {
    None,
    Parse,
    NoTagRecepty,
    NoAttrTyp,
    UnknownType,
    NoTagSwiad,
    NoAttrNazwa,
    NoAttrAdres,
    NoTagLekarz,
    NoAttrImieNazw,
    NoAttrPrZawod,
    NoAttrPesel,
    NoAttrIlRec,
    NoTagN,
    WrongNumber,
    MoreThanOneLekarz,
};

struct TXMZError
{
    EXMZ kind = EXMZ::None;
    QString message; // "Błąd struktury pliku XMZ.\r\n" + the fault's line, or the parser's text
};

// The message of a structural fault.
QString XmzMessage(EXMZ kind);

struct TXMZPool
{
    QString first;
    QString last;
};

struct TXMZDoctor
{
    QString imieNazw;
    QString prZawod;
    QString pesel;
    QString ilRec;
    QList<TXMZPool> pools;
};

class TXMZFacade
{
public:
    // Parses and checks one document. On a fault answers nothing and fills *error; the caller
    // shows the message (ShowXmzError). The number test may be null (no number is checked).
    static std::unique_ptr<TXMZFacade> Load(const QByteArray& xml, const IXMZTestNumber* test, TXMZError* error);

    QString ProviderText() const;
    int DoctorCount() const { return int(m_doctors.size()); }
    QString DoctorText(int i) const;
    int PoolCount(int i) const;
    QString PoolText(int i, int j) const;
    const QList<TXMZDoctor>& Doctors() const { return m_doctors; }

private:
    TXMZFacade() = default;
    bool m_hasProvider = false;
    QString m_providerName;
    QString m_providerAddress;
    QList<TXMZDoctor> m_doctors;
};

// Shows the message as the program does: a plain box with the program's title, no icon.
void ShowXmzError(const TXMZError& error);
