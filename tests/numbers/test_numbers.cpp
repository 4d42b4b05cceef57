// Prescription numbers: kinds, check digits, serials, ranges and the calculator arithmetic.
#include "numbers/CheckDigitCalculator.h"
#include "numbers/svNumbers.h"
#include "support/TestSupport.h"

namespace
{
struct KindCase
{
    const char* text;
    bool wellFormed;
    int kind;
};

TEST(Numbers, KindsAndWellFormedness)
{
    const KindCase cases[] = {
        {"0712345678900000015", true, 1},      // 19 digits, no check digit
        {"07123456789000000152", true, 1},
        {"12345678900019000287", true, 2},     // "12", "9" at 14, "8" at 19
        {"12345678900019000277", true, 1},     // no "8" at 19
        {"0007123456789000000152", true, 3},
        {"0012345678900019000287", true, 4},
        {"0112304500000000012382", true, 5},
        {"0112345678900019000286", true, 5},   // Silesian-looking kind 5 stays 5, never 6
        {"0212345678900019000286", false, 0},  // 22 digits, prefix neither 00 nor 01
        {"021234567890001900028", true, 0},    // 21 digits: prefix not examined, kind 0
        {"0112304500000000012372", false, 0},  // 01 with character 21 = 7
        {"011230450000000001238", true, 5},    // 21 digits
        {"071234567890000001", false, 0},      // 18 digits
        {"07123456789000000152000", false, 0}, // 23 digits
        {"0712345678900000015a", false, 0},
        {"", false, 0},
    };
    for (const auto& c : cases) {
        const QString t = QString::fromLatin1(c.text);
        EXPECT_EQ(IsWellFormedNumber(t), c.wellFormed) << c.text;
        EXPECT_EQ(NumberKindOf(t), c.kind) << c.text;
    }
}

TEST(Numbers, CheckDigitsOfTheWorkedExamples)
{
    EXPECT_EQ(CheckDigit(QStringLiteral("0712345678900000015")), 2);
    EXPECT_EQ(AppendCheckDigit(QStringLiteral("0712345678900000015")), QStringLiteral("07123456789000000152"));
    // "00" in front does not change the check digit.
    EXPECT_EQ(CheckDigit(QStringLiteral("000712345678900000015")), 2);
    EXPECT_EQ(CheckDigit(QStringLiteral("011230450000000001238")), 2);
    // Not well-formed: weights 7, 9, 1, 3; non-digits count 0.
    EXPECT_EQ(CheckDigit(QStringLiteral("1a1")), (7 + 0 + 1) % 10);
    EXPECT_TRUE(HasValidCheckDigit(QStringLiteral("07123456789000000152")));
    EXPECT_FALSE(HasValidCheckDigit(QStringLiteral("07123456789000000151")));
    EXPECT_TRUE(HasValidCheckDigit(QStringLiteral("0112304500000000012382")));
    EXPECT_TRUE(HasValidCheckDigit(QStringLiteral("12345678900019000287")));
}

TEST(Numbers, SerialValuesAndRebuilding)
{
    const QString silesian = QStringLiteral("12345678900019000287");
    EXPECT_EQ(SerialValue(silesian), 10002);
    EXPECT_EQ(NumberWithSerial(silesian, 10003), QStringLiteral("12345678900019000380"));
    EXPECT_EQ(NumberWithSerial(silesian, 20000), QStringLiteral("12345678900029000082"));

    const QString k5 = QStringLiteral("0112304500000000012382");
    EXPECT_EQ(SerialValue(k5), 123);
    EXPECT_EQ(NumberWithSerial(k5, 124), QStringLiteral("0112304500000000012485"));
    EXPECT_EQ(BranchText(k5), QStringLiteral("12 Śląski"));
    EXPECT_EQ(CategoryText(k5), QStringLiteral("Rp"));
    EXPECT_EQ(ContractText(k5), QStringLiteral("0 - Opieka zdrowotna"));

    // Kind 5 serials have 12 digits: values beyond 32 bits must survive.
    const qint64 big = 987654321098LL;
    const QString bigNumber = NumberWithSerial(k5, big);
    EXPECT_TRUE(IsWellFormedNumber(bigNumber));
    EXPECT_EQ(SerialValue(bigNumber), big);
    EXPECT_TRUE(IsNextNumber(bigNumber, NumberWithSerial(k5, big + 1)));

    EXPECT_TRUE(NumberWithSerial(QStringLiteral("abc"), 5).isNull());
    // Wider than the field: a longer text that is no longer a number of the kind.
    EXPECT_EQ(NumberWithSerial(silesian, 100000000).size(), 21);
    EXPECT_EQ(NumberKindOf(NumberWithSerial(silesian, 100000000)), 0);
}

TEST(Numbers, WithSerialThenSerialValueRoundTripsForEveryKind)
{
    const QString templates[] = {
        QStringLiteral("07123456789000000152"), QStringLiteral("12345678900019000287"),
        QStringLiteral("0007123456789000000152"), QStringLiteral("0012345678900019000286"),
        QStringLiteral("0112304500000000012382"), QStringLiteral("0712345678900000015"),
    };
    const qint64 serials[] = {0, 1, 9999, 10000, 1234567, 9999999};
    for (const QString& t : templates) {
        const int kind = NumberKindOf(t);
        for (qint64 s : serials) {
            const QString n = NumberWithSerial(t, s);
            EXPECT_EQ(NumberKindOf(n), kind) << qPrintable(t) << " " << s;
            EXPECT_EQ(SerialValue(n), s) << qPrintable(t);
            EXPECT_TRUE(HasValidCheckDigit(n)) << qPrintable(n);
            EXPECT_TRUE(SameConstantPart(t.size() == 19 ? AppendCheckDigit(t) : t, n));
        }
    }
}

TEST(Numbers, ConstantPartsSizesAndSuccession)
{
    const QString a = QStringLiteral("07123456789000000152");
    const QString b = QStringLiteral("07123456789000000255");
    EXPECT_TRUE(SameConstantPart(a, b));
    EXPECT_EQ(PoolSize(a, b), 2);
    EXPECT_TRUE(IsNextNumber(a, b));
    EXPECT_FALSE(IsNextNumber(b, a));
    EXPECT_EQ(PoolSize(b, a), 0); // order is not checked: 1 - 2 + 1

    // Kind 1 across a change of the constant part: the 7-digit serial runs to 9999999.
    const QString c = NumberWithSerial(QStringLiteral("07123456780000000150"), 3);
    EXPECT_FALSE(SameConstantPart(NumberWithSerial(a, 9999998), c));
    EXPECT_EQ(PoolSize(NumberWithSerial(a, 9999998), c), 2 + 4);

    // Two 22-digit numbers always share their constant part.
    EXPECT_EQ(PoolSize(QStringLiteral("0112304500000000012382"), QStringLiteral("0107304500000000020082")), 200 - 123 + 1);
    // Different kinds of 20 digits never do; kind 2 then counts 0.
    EXPECT_FALSE(SameConstantPart(a, QStringLiteral("12345678900019000287")));
    EXPECT_EQ(PoolSize(QStringLiteral("12345678900019000287"), a), 0);
    EXPECT_EQ(PoolSize(QStringLiteral("x"), a), 0);
}

struct RangeCase
{
    const char* first;
    const char* last;
    const char* message; // empty when valid
};

TEST(Numbers, ValidateRangeMessagesAndBoxes)
{
    const RangeCase cases[] = {
        {"07123456789000000152", "07123456789000000255", ""},
        {" 07123456789000000152 ", "07123456789000000255  ", ""}, // blanks are trimmed
        {"0712345678900000015x", "07123456789000000255", "nieprawidłowy numer początkowy"},
        {"07123456789000000152", "123", "nieprawidłowy numer końcowy"},
        {"07123456789000000255", "07123456789000000152", "numer początkowy jest większy niż końcowy"},
        {"07123456789000000152", "12345678900019000287", "niezgodność stałych części numerów"},
        {"07123456789000000152", "07123456789000000251",
         "nieprawidłowy numer; zła cyfra kontrolna w numerze końcowym"},
        {"07123456789000000151", "07123456789000000255",
         "nieprawidłowy numer; zła cyfra kontrolna w numerze początkowym"},
        {"0712345678900000015", "0712345678900000025", "nieprawidłowy numer; brak cyfry kontrolnej"},
        {"021234567890001900028", "021234567890001900029", ""}, // kind 0: no check digit test
        {"0112304500000000012382", "0112304500000000012485", ""},
    };
    for (const auto& c : cases) {
        AskRecorder boxes;
        const QString expected = QString::fromUtf8(c.message);
        const int result = ValidateRange(QString::fromLatin1(c.first), QString::fromLatin1(c.last), false);
        EXPECT_EQ(result, expected.isEmpty() ? 0 : 500) << c.first << " " << c.last;
        if (expected.isEmpty()) {
            EXPECT_TRUE(boxes.shown().isEmpty());
        } else {
            ASSERT_EQ(boxes.shown().size(), 1);
            EXPECT_EQ(boxes.shown().at(0).title, QStringLiteral("Błąd"));
            EXPECT_EQ(boxes.shown().at(0).icon, AskIcon::Error);
            EXPECT_EQ(boxes.shown().at(0).text, expected);
        }
        // Quiet: the same result and no box.
        AskRecorder quiet;
        EXPECT_EQ(ValidateRange(QString::fromLatin1(c.first), QString::fromLatin1(c.last), true), result);
        EXPECT_TRUE(quiet.shown().isEmpty());
    }
}

TEST(Numbers, DescriptiveTexts)
{
    EXPECT_EQ(BranchText(QStringLiteral("12345678900019000287")), QStringLiteral("12 Śląski"));
    EXPECT_EQ(BranchText(QStringLiteral("0107304500000000012382")), QStringLiteral("07 Mazowiecki"));
    EXPECT_EQ(BranchText(QStringLiteral("0117304500000000012382")), QStringLiteral("17 Departament d/s służb mundurowych"));
    EXPECT_EQ(BranchText(QStringLiteral("0100304500000000012382")), QStringLiteral("??"));
    EXPECT_EQ(BranchText(QStringLiteral("0118304500000000012382")), QStringLiteral("??"));
    EXPECT_EQ(BranchText(QStringLiteral("07123456789000000152")), QStringLiteral("??"));
    EXPECT_EQ(CategoryText(QStringLiteral("0112304500000000012392")), QStringLiteral("Rpw"));
    EXPECT_EQ(CategoryText(QStringLiteral("0012345678900019000286")), QStringLiteral("Rp"));
    EXPECT_EQ(CategoryText(QStringLiteral("07123456789000000152")), QStringLiteral("??"));
    EXPECT_EQ(ContractText(QStringLiteral("0112394500000000012382")), QStringLiteral("9 - Lecznictwo uzdrowiskowe"));
    EXPECT_EQ(ContractText(QStringLiteral("0112354500000000012382")), QStringLiteral("??"));
    EXPECT_EQ(ContractText(QStringLiteral("0012345678900019000286")), QStringLiteral("??"));
}

struct CalcCase
{
    const char* input;
    bool rule2012;
    int count;
    const char* weights;
    const char* checkDigit;
    const char* number;
    const char* kind;
    bool prescription;
};

TEST(CheckDigitCalculator, WorkedExamples)
{
    const CalcCase cases[] = {
        {"0712345678900000015", false, 19, "1379137913791379137", "2", "07123456789000000152",
         "1 - Numer 2007-05-17", true},
        {"0712345678900000015", true, 19, "7913791379137913791", "4", "07123456789000000154",
         "1 - Numer 2007-05-17", true},
        {"011230450000000001238", true, 21, "791379137913791379137", "2", "0112304500000000012382",
         "5 - Numer 2012-01-04", true},
        {"07-12 3a", true, 5, "79137", "1", "071231", "??", false}, // letters, blanks, hyphens vanish
        {"", true, 0, "Wprowadź liczbę", "", "", "", false},
        {"1234567890123456789012345678901", true, 0, "Liczba jest za dluga", "", "", "", false},
    };
    for (const auto& c : cases) {
        const TCheckDigitResult r = CalculateCheckDigit(QString::fromLatin1(c.input), c.rule2012);
        EXPECT_EQ(r.count, c.count) << c.input;
        EXPECT_EQ(r.weights, QString::fromUtf8(c.weights)) << c.input;
        EXPECT_EQ(r.checkDigit, QString::fromLatin1(c.checkDigit)) << c.input;
        EXPECT_EQ(r.number, QString::fromLatin1(c.number)) << c.input;
        EXPECT_EQ(r.kind, QString::fromUtf8(c.kind)) << c.input;
        EXPECT_EQ(r.prescriptionNumber, c.prescription) << c.input;
    }
}
} // namespace
