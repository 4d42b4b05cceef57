// XMZ documents: structure checks with their exact messages, texts, and the cutting of runs.
#include "XmzFixture.h"
#include "import/svXMZFacade.h"
#include "support/TestSupport.h"

#include <QStringEncoder>

namespace
{
const QString k20 = QStringLiteral("07123456789000000152");   // kind 1
const QString k22 = QStringLiteral("0112304500000000012382"); // kind 5

std::unique_ptr<TXMZFacade> load(const QByteArray& xml, TXMZError* error)
{
    TTestNumber test;
    return TXMZFacade::Load(xml, &test, error);
}

TEST(Xmz, ProviderFileWithTwoDoctorsInNestedWrappers)
{
    const QByteArray xml = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
        "<recepty typ=\"S\"><swiad nazwa=\"NZOZ Zdrowie\" adres=\"Kraków, ul. Długa 5\"/>"
        "<grupa><oddzial><lekarz imie_nazw=\"Jan Kowalski\" pr_zawod=\"1234567\" pesel=\"70010112345\" il_rec=\"3\">"
        "<pakiet><n>%1</n><n>%2</n></pakiet><n>%3</n></lekarz></oddzial>"
        "<lekarz imie_nazw=\"Anna Żółć\" pr_zawod=\"7654321\" pesel=\"80020212345\" il_rec=\"1\"><n>%4</n></lekarz></grupa>"
        "</recepty>")
                               .arg(Num(k20, 5), Num(k20, 6), Num(k20, 9), Num(k22, 200))
                               .toUtf8();
    TXMZError error;
    const auto f = load(xml, &error);
    ASSERT_TRUE(f) << qPrintable(error.message);
    EXPECT_EQ(f->ProviderText(), QStringLiteral("NZOZ Zdrowie Kraków, ul. Długa 5"));
    ASSERT_EQ(f->DoctorCount(), 2);
    EXPECT_EQ(f->DoctorText(0), QStringLiteral("Jan Kowalski / PESEL:70010112345 / pr.wyk.zaw: 1234567 / l.recept:3"));
    EXPECT_EQ(f->DoctorText(1).left(9), QStringLiteral("Anna Żółć"));
    EXPECT_EQ(f->DoctorText(2), QString());
    EXPECT_EQ(f->PoolCount(0), 2);
    EXPECT_EQ(f->PoolText(0, 0), Num(k20, 5) + QStringLiteral(" - ") + Num(k20, 6));
    EXPECT_EQ(f->PoolText(0, 1), Num(k20, 9) + QStringLiteral(" - ") + Num(k20, 9));
    EXPECT_EQ(f->PoolText(0, 2), QString());
    EXPECT_EQ(f->PoolText(1, 0), Num(k22, 200) + QStringLiteral(" - ") + Num(k22, 200));
}

TEST(Xmz, RunsAreCutWhereNumbersStopFollowingEachOther)
{
    for (const QString& t : {k20, k22}) {
        QStringList numbers;
        for (int s : {5, 6, 7, 9, 10})
            numbers << Num(t, s);
        TXMZError error;
        const auto f = load(XmzDocument("L", {numbers}, false), &error);
        ASSERT_TRUE(f) << qPrintable(error.message);
        EXPECT_EQ(f->ProviderText(), QStringLiteral("<niekontraktowy>"));
        ASSERT_EQ(f->PoolCount(0), 2);
        EXPECT_EQ(f->Doctors().at(0).pools.at(0).first, Num(t, 5));
        EXPECT_EQ(f->Doctors().at(0).pools.at(0).last, Num(t, 7));
        EXPECT_EQ(f->Doctors().at(0).pools.at(1).first, Num(t, 9));
        EXPECT_EQ(f->Doctors().at(0).pools.at(1).last, Num(t, 10));
    }
}

struct FaultCase
{
    const char* name;
    const char* xml;
    EXMZ kind;
    const char* line;
};

// %N stands for a valid number.
const FaultCase kFaults[] = {
    {"no recepty", "<inne/>", EXMZ::NoTagRecepty, "Brak znacznika: \"recepty\"."},
    {"no typ", "<recepty/>", EXMZ::NoAttrTyp, "Brak atrybutu: \"typ\" w znaczniku: \"recepty\"."},
    {"unknown typ", "<recepty typ=\"X\"/>", EXMZ::UnknownType,
     "Nieprawidłowa wartość atrybutu \"typ\" w znaczniku: \"recepty\"."},
    {"no swiad", "<recepty typ=\"S\"><x><swiad nazwa=\"a\" adres=\"b\"/></x></recepty>", EXMZ::NoTagSwiad,
     "Brak znacznika: \"swiad\"."},
    {"no nazwa", "<recepty typ=\"S\"><swiad adres=\"b\"/></recepty>", EXMZ::NoAttrNazwa,
     "Brak atrybutu: \"nazwa\" w znaczniku: \"swiad\"."},
    {"no adres", "<recepty typ=\"S\"><swiad nazwa=\"a\"/></recepty>", EXMZ::NoAttrAdres,
     "Brak atrybutu: \"adres\" w znaczniku: \"swiad\"."},
    {"no lekarz", "<recepty typ=\"L\"/>", EXMZ::NoTagLekarz, "Brak znacznika: \"lekarz\"."},
    {"no imie_nazw", "<recepty typ=\"L\"><lekarz pr_zawod=\"1\" pesel=\"2\" il_rec=\"3\"><n>%N</n></lekarz></recepty>",
     EXMZ::NoAttrImieNazw, "Brak atrybutu: \"imie_nazw\" w znaczniku: \"lekarz\"."},
    {"no pr_zawod", "<recepty typ=\"L\"><lekarz imie_nazw=\"a\" pesel=\"2\" il_rec=\"3\"><n>%N</n></lekarz></recepty>",
     EXMZ::NoAttrPrZawod, "Brak atrybutu: \"pr_zawod\" w znaczniku: \"lekarz\"."},
    {"no pesel", "<recepty typ=\"L\"><lekarz imie_nazw=\"a\" pr_zawod=\"1\" il_rec=\"3\"><n>%N</n></lekarz></recepty>",
     EXMZ::NoAttrPesel, "Brak atrybutu: \"pesel\" w znaczniku: \"lekarz\"."},
    {"no il_rec", "<recepty typ=\"L\"><lekarz imie_nazw=\"a\" pr_zawod=\"1\" pesel=\"2\"><n>%N</n></lekarz></recepty>",
     EXMZ::NoAttrIlRec, "Brak atrybutu: \"il_rec\" w znaczniku: \"lekarz\"."},
    {"no n", "<recepty typ=\"L\"><lekarz imie_nazw=\"a\" pr_zawod=\"1\" pesel=\"2\" il_rec=\"3\"/></recepty>",
     EXMZ::NoTagN, "Brak znacznika: \"n\"."},
    {"21-digit number",
     "<recepty typ=\"L\"><lekarz imie_nazw=\"a\" pr_zawod=\"1\" pesel=\"2\" il_rec=\"3\"><n>011230450000000001238</n>"
     "</lekarz></recepty>",
     EXMZ::WrongNumber, "Nieprawidłowy numer recepty w znaczniku: \"n\"."},
    {"empty n", "<recepty typ=\"L\"><lekarz imie_nazw=\"a\" pr_zawod=\"1\" pesel=\"2\" il_rec=\"3\"><n/></lekarz></recepty>",
     EXMZ::WrongNumber, "Nieprawidłowy numer recepty w znaczniku: \"n\"."},
    {"bad check digit",
     "<recepty typ=\"L\"><lekarz imie_nazw=\"a\" pr_zawod=\"1\" pesel=\"2\" il_rec=\"3\"><n>07123456789000000151</n>"
     "</lekarz></recepty>",
     EXMZ::WrongNumber, "Nieprawidłowy numer recepty w znaczniku: \"n\"."},
    {"two doctors for typ L",
     "<recepty typ=\"L\"><lekarz imie_nazw=\"a\" pr_zawod=\"1\" pesel=\"2\" il_rec=\"3\"><n>%N</n></lekarz>"
     "<lekarz imie_nazw=\"b\" pr_zawod=\"1\" pesel=\"2\" il_rec=\"3\"><n>%N</n></lekarz></recepty>",
     EXMZ::MoreThanOneLekarz, "Więcej niż jeden wymagany znacznik: \"lekarz\"."},
};

TEST(Xmz, EachStructuralFaultHasItsExactMessage)
{
    for (const FaultCase& c : kFaults) {
        const QByteArray xml = QString::fromUtf8(c.xml).replace(QStringLiteral("%N"), k20).toUtf8();
        TXMZError error;
        EXPECT_FALSE(load(xml, &error)) << c.name;
        EXPECT_EQ(error.kind, c.kind) << c.name;
        EXPECT_EQ(error.message, QStringLiteral("Błąd struktury pliku XMZ.\r\n") + QString::fromUtf8(c.line)) << c.name;
    }
}

TEST(Xmz, SameFileAsProviderPassesAndAsDoctorFails)
{
    const QByteArray asProvider = XmzDocument("S", {{k20}, {k22}});
    TXMZError error;
    EXPECT_TRUE(load(asProvider, &error));
    QByteArray asDoctor = asProvider;
    asDoctor.replace("typ=\"S\"", "typ=\"L\"");
    EXPECT_FALSE(load(asDoctor, &error));
    EXPECT_EQ(error.kind, EXMZ::MoreThanOneLekarz);
}

TEST(Xmz, ParserErrorsAndForeignEncodings)
{
    TXMZError error;
    EXPECT_FALSE(load("to nie jest <xml", &error));
    EXPECT_EQ(error.kind, EXMZ::Parse);
    EXPECT_FALSE(error.message.isEmpty());

    // Entities declared in a DTD are not expanded: the document is refused or the text stays.
    const QByteArray withDtd = "<!DOCTYPE recepty [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>"
                               "<recepty typ=\"L\"><lekarz imie_nazw=\"&x;\" pr_zawod=\"1\" pesel=\"2\" il_rec=\"3\"><n>"
        + k20.toUtf8() + "</n></lekarz></recepty>";
    const auto f = load(withDtd, &error);
    if (f) {
        EXPECT_FALSE(f->DoctorText(0).contains(QStringLiteral("root")));
    }

    // A Windows-1250 document keeps its Polish letters.
    const QString text = QString::fromUtf8(XmzDocument("S", {{k20}})).replace(QStringLiteral("UTF-8"), QStringLiteral("windows-1250"));
    QStringEncoder cp1250("windows-1250");
    const QByteArray encoded = cp1250.encode(text);
    ASSERT_NE(encoded, text.toUtf8());
    const auto g = load(encoded, &error);
    ASSERT_TRUE(g) << qPrintable(error.message);
    EXPECT_EQ(g->ProviderText(), QStringLiteral("Przychodnia Zdrowie Łódź, ul. Piotrkowska 1"));
}

TEST(Xmz, ErrorsAreShownAsPlainBoxesWithTheProgramTitle)
{
    AskRecorder boxes;
    TXMZError error;
    load("<recepty/>", &error);
    ShowXmzError(error);
    ASSERT_EQ(boxes.shown().size(), 1);
    EXPECT_EQ(boxes.shown().at(0).title, QStringLiteral("Solvira"));
    EXPECT_EQ(boxes.shown().at(0).icon, AskIcon::None);
    EXPECT_EQ(boxes.shown().at(0).text, error.message);
}
} // namespace
