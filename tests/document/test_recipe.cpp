// The prescription model: drug lines, their copies, the form's defaults and the code texts of
// the identifier barcodes.
#include "FormFixture.h"

namespace
{
TMedicine sampleDrug(const QString& name)
{
    TMedicine m(name, 2, QStringLiteral("30"), false, true, true, QStringLiteral("op."), 2.5,
                QStringLiteral("1x1"), QStringLiteral("10 mg"), QStringLiteral("tabl."));
    m.IdLeku = 77;
    m.Atc = QStringLiteral("C09AA05");
    m.Receptariusz = true;
    m.Uwagi = QStringLiteral("uwaga");
    return m;
}

TEST(Medicine, CreateClearAndAssign)
{
    const TMedicine empty;
    EXPECT_EQ(empty.IdLeku, 0);
    EXPECT_TRUE(empty.Nazwa.isEmpty());
    EXPECT_EQ(empty.Ilosc, 0.0);
    EXPECT_FALSE(empty.Cito);

    const TMedicine made(QStringLiteral("Ramiprilum"), 3, QStringLiteral("28"), false, true, false,
                         QStringLiteral("op."), 1.5, QStringLiteral("1x dziennie"), QStringLiteral("5 mg"),
                         QStringLiteral("kaps."));
    EXPECT_EQ(made.Nazwa, QStringLiteral("Ramiprilum"));
    EXPECT_EQ(made.Odplatnosc, 3);
    EXPECT_EQ(made.Opakowanie, QStringLiteral("28"));
    EXPECT_TRUE(made.NieZamieniac);
    EXPECT_FALSE(made.Cito);
    EXPECT_EQ(made.Jm, QStringLiteral("op."));
    EXPECT_EQ(made.Ilosc, 1.5);
    EXPECT_EQ(made.Dawkowanie, QStringLiteral("1x dziennie"));
    EXPECT_EQ(made.Dawka, QStringLiteral("5 mg"));
    EXPECT_EQ(made.Postac, QStringLiteral("kaps."));
    EXPECT_EQ(made.IdLeku, 0);
    EXPECT_TRUE(made.Atc.isEmpty());

    TMedicine target;
    target.IdLeku = 5;
    target.Assign(sampleDrug(QStringLiteral("A")));
    EXPECT_EQ(target.IdLeku, 5) << "Assign leaves the target's id";
    EXPECT_EQ(target.Nazwa, QStringLiteral("A"));
    EXPECT_EQ(target.Atc, QStringLiteral("C09AA05"));
    EXPECT_TRUE(target.Receptariusz);
    EXPECT_EQ(target.Uwagi, QStringLiteral("uwaga"));

    target.Clear();
    EXPECT_EQ(target.IdLeku, 0);
    EXPECT_TRUE(target.Nazwa.isEmpty());
    EXPECT_FALSE(target.NieZamieniac);
    EXPECT_EQ(target.Odplatnosc, 0);
}

TEST(Recipe, DefaultsAtConstruction)
{
    TRecipe r;
    EXPECT_EQ(r.Left, 0);
    EXPECT_EQ(r.Width, 0);
    EXPECT_EQ(r.Specjalny, rpNone);
    EXPECT_EQ(r.FrameSize, 3);
    EXPECT_EQ(r.DrugFrameWidth, 0);
    EXPECT_TRUE(r.DrRamki);
    EXPECT_TRUE(r.DrugFrames);
    EXPECT_TRUE(r.FrameExist);
    EXPECT_EQ(r.FontName, QStringLiteral("Liberation Sans"));
    EXPECT_EQ(r.WzorRecepty, QStringLiteral("2011-12-23"));
    EXPECT_EQ(r.RegonDrukuj, 0);
    EXPECT_EQ(r.Logotyp, nullptr);
    const int sizes[10] = {25, 12, 14, 14, 18, 20, 20, 20, 20, 20};
    for (int slot = 1; slot <= 10; ++slot) {
        EXPECT_EQ(r.Font(slot).Size, sizes[slot - 1]);
        EXPECT_EQ(r.Font(slot).Name, QStringLiteral("Liberation Sans"));
        EXPECT_FALSE(r.Font(slot).Bold);
    }
    r.SetFormHeight(1000);
    EXPECT_EQ(r.FontSlotHeight(1), 25);
    EXPECT_EQ(r.FontSlotHeight(2), 12);
}

TEST(Recipe, AssignMedicinesMakesDeepCopies)
{
    TRecipe r;
    r.AssignMedicines({});
    EXPECT_TRUE(r.Medicines.empty());

    std::vector<TMedicine> first = {sampleDrug(QStringLiteral("A")), sampleDrug(QStringLiteral("B"))};
    r.AssignMedicines(first);
    ASSERT_EQ(r.Medicines.size(), 2u);
    EXPECT_EQ(r.Medicines[0].IdLeku, 0) << "copies are made by create and Assign";

    std::vector<TMedicine> second = {sampleDrug(QStringLiteral("C"))};
    r.AssignMedicines(second);
    ASSERT_EQ(r.Medicines.size(), 1u);
    EXPECT_EQ(r.Medicines[0].Nazwa, QStringLiteral("C"));
    second[0].Nazwa = QStringLiteral("changed");
    EXPECT_EQ(r.Medicines[0].Nazwa, QStringLiteral("C"));
    EXPECT_EQ(first[0].IdLeku, 77) << "the given list is not touched";

    r.AssignMedicines(r.Medicines); // its own list
    ASSERT_EQ(r.Medicines.size(), 1u);
    EXPECT_EQ(r.Medicines[0].Nazwa, QStringLiteral("C"));
}

TEST(Recipe, SizedForTheDevicesResolution)
{
    QImage page(10, 10, QImage::Format_RGB32);
    page.setDotsPerMeterX(11811); // 300 dpi
    page.setDotsPerMeterY(11811);
    TRecipe r;
    SizeRecipeForDevice(r, page);
    EXPECT_EQ(r.Width, 1169);  // 99 mm
    EXPECT_EQ(r.Height, 2480); // 210 mm
}

struct CodeCase
{
    const char* what;
    QString (*make)(const QString&);
    const char* input;
    const char* code;
};

TEST(Recipe, IdentifierCodeTexts)
{
    const CodeCase cases[] = {
        // (7*1 + 9*2 + 3 + 3*4 + 7*5 + 9*6 + 7 + 3*8 + 7*9 + 9*0 + 1) mod 10 = 4
        {"PESEL", PeselBarcodeText, "12345678901", "123456789014"},
        {"short PESEL: no barcode", PeselBarcodeText, "1234567890", ""},
        // 12 345 -> 0012345 -> 300012345, check 96 mod 10 = 6
        {"licence with a blank", LicenceBarcodeText, "12 345", "3000123456"},
        {"licence of 7 digits", LicenceBarcodeText, "1234567", "3012345677"},
        {"licence letters dropped", LicenceBarcodeText, "PWZ 1234567", "3012345677"},
        {"licence without digits: no barcode", LicenceBarcodeText, "brak", ""},
        // 2 012345678 000: 7*2+9*0+1*1+3*2+7*3+9*4+1*5+3*6+7*7+9*8 = 222 -> 2
        {"REGON of 9", RegonBarcodeText, "012345678", "20123456780002"},
        {"REGON of 8: no barcode", RegonBarcodeText, "01234567", ""},
    };
    for (const CodeCase& c : cases)
        EXPECT_EQ(c.make(QString::fromLatin1(c.input)), QString::fromLatin1(c.code)) << c.what;
}

TEST(Recipe, QuantityInShortestForm)
{
    EXPECT_EQ(QuantityText(2), QStringLiteral("2"));
    EXPECT_EQ(QuantityText(2.5), QStringLiteral("2.5"));
    EXPECT_EQ(QuantityText(0.1 + 0.2), QStringLiteral("0.3"));
    EXPECT_EQ(QuantityText(120), QStringLiteral("120"));
}
} // namespace
