// The data drawn into the form: number, boxes, dates, doctor, provider, patient, annotation
// and drug lines, checked through what the form writes and where.
#include "FormFixture.h"

#include <cmath>

namespace
{
class FormData : public FormTest
{
protected:
    void SetUp() override { form = makeForm({300, 99, 210}); }
    std::vector<DrawnOp> draw()
    {
        ops = record(*form, 300, &image);
        return ops;
    }
    std::vector<DrawnOp> textsOf(const QString& text) const
    {
        std::vector<DrawnOp> out;
        for (const DrawnOp& op : ops)
            if (op.kind == DrawnOp::Text && op.text == text)
                out.push_back(op);
        return out;
    }
    std::vector<DrawnOp> kind(DrawnOp::Kind k) const
    {
        std::vector<DrawnOp> out;
        for (const DrawnOp& op : ops)
            if (op.kind == k)
                out.push_back(op);
        return out;
    }
    // Crosses are two diagonals drawn with the cross pen.
    int crossesAt(int x1, int y1) const
    {
        int n = 0;
        for (const DrawnOp& op : ops)
            n += op.kind == DrawnOp::Line && op.x1 == x1 && op.y1 == y1 && op.x2 > op.x1 && op.y2 > op.y1;
        return n;
    }
    // Texts written in the box column between the levels y and y + s.
    int textsIn(int y, int s) const
    {
        const int H = form->Height;
        int n = 0;
        for (const DrawnOp& op : ops)
            n += op.kind == DrawnOp::Text && !op.text.isEmpty() && op.x1 >= form->Left + R(H * 0.326)
                && op.y1 >= y - 2 && op.y1 <= y + s;
        return n;
    }
    int R(double x) const { return int(std::nearbyint(x)); }

    std::unique_ptr<TRecipe> form;
    std::vector<DrawnOp> ops;
    QImage image;
};

TEST_F(FormData, NumberIsPrintedWholeRightAlignedWithItsBarcode)
{
    const int H = form->Height;
    form->Numer = QStringLiteral("0112345678901234567890");
    draw();
    const auto number = textsOf(form->Numer);
    ASSERT_EQ(number.size(), 2u) << "the number and the text under its barcode";
    EXPECT_EQ(number[0].fontHeight, R(H * 0.018));
    EXPECT_EQ(number[0].y1, form->Top + R(H * 0.03));
    const auto codes = kind(DrawnOp::Code);
    ASSERT_EQ(codes.size(), 1u);
    EXPECT_EQ(codes[0].text, form->Numer);
    const int wN = R(22 / 20.0 * (0.469 - 0.15) * H); // 73.69 mm
    EXPECT_EQ(codes[0].rect.Right - codes[0].rect.Left, wN);
    EXPECT_EQ(codes[0].rect.Left, form->Left + (form->Width - wN) / 2);
    EXPECT_NEAR(codes[0].rect.Top - form->Top, H * 165.9 / 210, 1);
    EXPECT_EQ(codes[0].barHeight, R(H * 0.03));

    // Longer texts are cut to 22 characters in print and in the barcode.
    form->Numer = QStringLiteral("0112345678901234567890999");
    draw();
    EXPECT_EQ(textsOf(QStringLiteral("0112345678901234567890")).size(), 2u);
    EXPECT_EQ(kind(DrawnOp::Code).at(0).text, QStringLiteral("0112345678901234567890"));
}

TEST_F(FormData, ANumberReachingRecpetaShrinksButItsBarcodeKeepsItsSize)
{
    const int H = form->Height;
    form->Numer = QString(22, QLatin1Char('W'));
    draw();
    const auto number = textsOf(form->Numer);
    ASSERT_FALSE(number.empty());
    EXPECT_LT(number[0].fontHeight, R(H * 0.018));
    const auto recepta = textsOf(QStringLiteral("Recepta"));
    ASSERT_EQ(recepta.size(), 1u);
    // Clears the caption by 0.01h x H, both measured in the number's font.
    EXPECT_GE(number[0].x1,
              recepta[0].x1 + measureText(QStringLiteral("Recepta"), number[0].fontHeight) + R(H * 0.01));
    EXPECT_EQ(kind(DrawnOp::Code).at(0).rect.Right - kind(DrawnOp::Code).at(0).rect.Left,
              R(22 / 20.0 * (0.469 - 0.15) * H));
}

struct BoxCase
{
    const char* kasa;
    const char* uprawnienia;
    bool kasaCross;
    bool uprawnieniaCross;
};

TEST_F(FormData, BranchAndEntitlementBoxesCrossOrWrite)
{
    const int H = form->Height;
    const int s = R((0.33 - 0.275) * 0.45 * H);
    const int xB = form->Left + CentreIn(s, R(H * 0.326), R(H * (0.469 - 0.06)));
    const int y1 = form->Top + R(H * (0.22 + 0.005 + 3 * 0.008));
    const int y2 = form->Top + R(H * (0.275 + 0.05 + 2 * 0.008));
    const BoxCase cases[] = {
        {"", "", true, true},
        {"x", "X", true, true},
        {"  X", "  X", false, true}, // only the entitlement ignores leading blanks
        {"07", "IB", false, false},
        {"  ", "x ", true, false},
    };
    for (const BoxCase& c : cases) {
        SCOPED_TRACE(std::string(c.kasa) + "|" + c.uprawnienia);
        form->KasaChorych = QString::fromLatin1(c.kasa);
        form->Uprawnienia = QString::fromLatin1(c.uprawnienia);
        draw();
        EXPECT_EQ(crossesAt(xB, y1), c.kasaCross ? 1 : 0);
        EXPECT_EQ(crossesAt(xB, y2), c.uprawnieniaCross ? 1 : 0);
        EXPECT_EQ(textsIn(y1, s), c.kasaCross ? 0 : 1);
        EXPECT_EQ(textsIn(y2, s), c.uprawnieniaCross ? 0 : 1);
    }
    // The cross pen: Round(FrameSize / 900 x H).
    for (const DrawnOp& op : ops) {
        if (op.kind == DrawnOp::Line && op.x1 == xB && op.y1 == y1) {
            EXPECT_EQ(op.penWidth, R(3.0 / 900 * H));
        }
    }
}

TEST_F(FormData, DatesAreDayMonthYearAndAMissingRealisationDateIsCrossed)
{
    const int H = form->Height;
    const int x6 = form->Left + R(H * 0.06);
    const int y3 = form->Top + R(H * (0.885 + 0.018 + 3 * 0.008));
    form->Data = QStringLiteral("2026-12-10");
    draw();
    const auto issued = textsOf(QStringLiteral("10-12-2026"));
    ASSERT_EQ(issued.size(), 1u);
    EXPECT_EQ(issued[0].x1, x6);
    EXPECT_NEAR(issued[0].y1 - form->Top, H * 183.54 / 210, 1);
    EXPECT_FALSE(issued[0].bold);
    EXPECT_EQ(crossesAt(x6, y3), 1);

    form->DataReal = QStringLiteral("2027-01-05");
    draw();
    const auto real = textsOf(QStringLiteral("05-01-2027"));
    ASSERT_EQ(real.size(), 1u);
    EXPECT_EQ(real[0].y1, y3);
    EXPECT_EQ(crossesAt(x6, y3), 0);
}

struct LicenceCase
{
    int print;
    bool line;
    bool code;
};

TEST_F(FormData, LicenceNumberAsTextAndBarcode)
{
    const int H = form->Height;
    form->DaneId = QStringLiteral("lek. Jan Nowak");
    form->DaneId1 = QStringLiteral("internista");
    form->DaneId2 = QStringLiteral("12 345");
    const LicenceCase cases[] = {{0, false, false}, {1, true, false}, {2, true, true}};
    for (const LicenceCase& c : cases) {
        SCOPED_TRACE(c.print);
        form->NrPrawaDrukuj = c.print;
        draw();
        EXPECT_EQ(textsOf(QStringLiteral("prawo wyk. zawodu: 12 345")).size(), c.line ? 1u : 0u);
        const auto names = textsOf(QStringLiteral("lek. Jan Nowak"));
        ASSERT_EQ(names.size(), 1u);
        EXPECT_TRUE(names[0].bold);
        EXPECT_LE(names[0].fontHeight, R(H * 0.012));
        EXPECT_TRUE(textsOf(QStringLiteral("internista")).at(0).bold);
        const auto codes = kind(DrawnOp::Code);
        EXPECT_EQ(codes.size(), c.code ? 1u : 0u);
        if (c.code) {
            EXPECT_EQ(codes[0].text, QStringLiteral("3000123456"));
            EXPECT_EQ(codes[0].rect.Left, form->Left + R(H * 0.25));
            EXPECT_EQ(codes[0].rect.Right, form->Left + form->Width - R(H * 0.06));
            EXPECT_EQ(codes[0].rect.Bottom, form->Top + H - R(H * 0.04));
            const auto text = textsOf(QStringLiteral("3000123456"));
            ASSERT_EQ(text.size(), 1u);
            EXPECT_EQ(text[0].y1, codes[0].rect.Bottom + 2);
            EXPECT_TRUE(text[0].bold);
        }
    }
    // Without a digit there is no code to print: the text line stays, no barcode.
    form->DaneId2 = QStringLiteral("brak");
    form->NrPrawaDrukuj = 2;
    draw();
    EXPECT_EQ(textsOf(QStringLiteral("prawo wyk. zawodu: brak")).size(), 1u);
    EXPECT_TRUE(kind(DrawnOp::Code).empty());
}

TEST_F(FormData, RegonBarcodeOnlyWhenAskedFor)
{
    const int H = form->Height;
    form->Regon = QStringLiteral("012345678");
    form->RegonDrukuj = 1;
    draw();
    EXPECT_TRUE(kind(DrawnOp::Code).empty());
    form->RegonDrukuj = 2;
    draw();
    const auto codes = kind(DrawnOp::Code);
    ASSERT_EQ(codes.size(), 1u);
    EXPECT_EQ(codes[0].text, QStringLiteral("20123456780002"));
    EXPECT_EQ(codes[0].rect.Right - codes[0].rect.Left, R((0.469 - 0.225) * H)); // 51.24 mm
    EXPECT_NEAR(codes[0].rect.Bottom - form->Top, H * 40.99 / 210, 1);
    form->Regon = QStringLiteral("0123");
    draw();
    EXPECT_TRUE(kind(DrawnOp::Code).empty()) << "too short for its check digit";
}

TEST_F(FormData, LogoIsFittedAndTheProviderLinesFollowIt)
{
    form = makeForm({300, 99, 210});
    form->SetFormHeight(975); // an area 120 units high
    form->SetFormWidth(460);
    QImage logo(300, 100, QImage::Format_RGB32);
    logo.fill(Qt::red);
    form->Logotyp = &logo;
    form->Swiadczeniodawca = {QStringLiteral("Przychodnia"), QStringLiteral("NZOZ")};
    draw();
    const int yp = form->Top + R(975 * 0.063);
    const int yq = form->Top + R(975 * 0.186);
    ASSERT_EQ(yq - yp, 120);
    const auto pictures = kind(DrawnOp::Picture);
    ASSERT_EQ(pictures.size(), 1u);
    const TRectL r = pictures[0].rect;
    EXPECT_EQ(r.Right - r.Left, 96);
    EXPECT_EQ(r.Bottom - r.Top, 32);
    EXPECT_EQ(r.Top, yp + 44);
    EXPECT_EQ(r.Left, form->Left + R(975 * 0.06));
    for (const QString& line : form->Swiadczeniodawca)
        EXPECT_GE(textsOf(line).at(0).x1, r.Left + 96 + R(975 * 0.006));
    EXPECT_TRUE(textsOf(QStringLiteral("Przychodnia")).at(0).bold);
    EXPECT_EQ(QColor(image.pixel(r.Left + 48, r.Top + 16)), QColor(Qt::red));
}

TEST_F(FormData, AtMostFiveDrugLinesSeparatedByHashes)
{
    std::vector<TMedicine> drugs;
    for (int i = 0; i < 6; ++i)
        drugs.emplace_back(QStringLiteral("Lek %1").arg(i), 0, QString(), false, false, false, QStringLiteral("op."),
                           1, QStringLiteral("1x1"), QStringLiteral("1 mg"), QStringLiteral("tabl."));
    form->AssignMedicines(drugs);
    draw();
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(textsOf(QStringLiteral("Lek %1").arg(i)).size(), i < 5 ? 1u : 0u) << i;
    const auto hashes = textsOf(QStringLiteral("#"));
    ASSERT_EQ(hashes.size(), 4u);
    // Each separator's cell ends before the next drug line begins.
    for (size_t i = 0; i < hashes.size(); ++i)
        EXPECT_LE(hashes[i].y1 + hashes[i].fontHeight, textsOf(QStringLiteral("Lek %1").arg(i + 1)).at(0).y1) << i;

    form->AssignMedicines({drugs[0]});
    draw();
    EXPECT_TRUE(textsOf(QStringLiteral("#")).empty());
}

TEST_F(FormData, DrugLineLayout)
{
    const int H = form->Height;
    TMedicine both(QStringLiteral("Amoxicillinum Polfarmex forte"), 2, QStringLiteral("16"), false, true, true,
                   QStringLiteral("op."), 2.5, QStringLiteral("1 tabl. co 8 godzin"), QStringLiteral("1000 mg"),
                   QStringLiteral("tabl. powl."));
    TMedicine plain = both;
    plain.Cito = false;
    plain.NieZamieniac = false;
    plain.Nazwa = QStringLiteral("Metformax");
    form->AssignMedicines({both, plain});
    draw();
    const int xl = form->Left + R(H * 0.06);
    const int xr = form->Left + R(H * (0.469 - 0.15));
    const auto name = textsOf(both.Nazwa).at(0);
    const auto right = textsOf(QStringLiteral("tabl. powl.  1000 mg")).at(0);
    EXPECT_EQ(name.x1, xl);
    EXPECT_EQ(name.y1, form->Top + R(H * 0.43));
    EXPECT_LE(name.fontHeight, R(H * 0.02));
    // The name and the form with strength share the line without overlapping.
    EXPECT_LT(name.x1 + measureText(both.Nazwa, name.fontHeight, name.bold), right.x1);
    EXPECT_EQ(right.x1 + measureText(right.text, right.fontHeight, right.bold), xr);

    const auto quantity = textsOf(QStringLiteral("2.5 op."));
    ASSERT_EQ(quantity.size(), 2u);
    EXPECT_TRUE(quantity[0].bold);
    EXPECT_EQ(textsOf(QStringLiteral("30%")).size(), 2u);
    EXPECT_GT(textsOf(QStringLiteral("30%")).at(0).x1, xr);

    const auto marks = textsOf(QStringLiteral("cito | nie zamieniać"));
    ASSERT_EQ(marks.size(), 1u);
    EXPECT_TRUE(marks[0].italic);
    const auto dosage = textsOf(QStringLiteral("1 tabl. co 8 godzin"));
    ASSERT_EQ(dosage.size(), 2u);
    EXPECT_FALSE(dosage[0].italic);
    EXPECT_GT(dosage[0].y1, marks[0].y1 + marks[0].fontHeight) << "the dosage one line lower";
    // Without marks the dosage takes the marks' place in line 2.
    const auto plainName = textsOf(QStringLiteral("Metformax")).at(0);
    EXPECT_EQ(dosage[1].y1 - plainName.y1, marks[0].y1 - name.y1);
}

TEST_F(FormData, AnnotationAndPatient)
{
    const int H = form->Height;
    form->Pacjent = {QStringLiteral("Jan Kowalski"), QStringLiteral("ul. Polna 1"), QStringLiteral("00-001 Warszawa")};
    form->Specjalny = rpNone;
    draw();
    EXPECT_TRUE(textsOf(QStringLiteral("pro familia")).empty());
    EXPECT_TRUE(textsOf(QStringLiteral("pro auctore")).empty());
    for (const QString& line : form->Pacjent) {
        const auto t = textsOf(line);
        ASSERT_EQ(t.size(), 1u);
        EXPECT_GT(t[0].y1, form->Top + R(H * 0.228));
        EXPECT_LT(t[0].y1 + t[0].fontHeight, form->Top + R(H * 0.35));
        EXPECT_LE(t[0].fontHeight, R(H * 0.018));
    }

    // Without a PESEL the annotation stands where the formula puts it (49.56, 75.6 mm).
    form->Specjalny = rpProAuctore;
    draw();
    const auto at = textsOf(QStringLiteral("pro auctore"));
    ASSERT_EQ(at.size(), 1u);
    EXPECT_TRUE(at[0].italic);
    EXPECT_EQ(at[0].x1, form->Left + R(H * 0.326 - 1.5 * 0.06 * H));
    EXPECT_EQ(at[0].y1, form->Top + R(H * 0.36));

    // With a PESEL its code text takes that place: the annotation moves to the PESEL's line and
    // stays clear of the code text and of the PESEL, left of the column line.
    form->Pesel = QStringLiteral("56021512345");
    form->Specjalny = rpProFamilia;
    draw();
    const auto moved = textsOf(QStringLiteral("pro familia"));
    ASSERT_EQ(moved.size(), 1u);
    const auto pesel = textsOf(QStringLiteral("56021512345")).at(0);
    EXPECT_GT(moved[0].x1, pesel.x1 + measureText(pesel.text, pesel.fontHeight, true));
    EXPECT_LE(moved[0].x1 + measureText(QStringLiteral("pro familia"), moved[0].fontHeight, false, true),
              form->Left + R(H * 0.326));
    const auto codeText = textsOf(QStringLiteral("560215123456")).at(0);
    EXPECT_LE(moved[0].y1 + moved[0].fontHeight, codeText.y1);
}
} // namespace

namespace
{
TEST_F(FormTest, TinyAndEmptyFormsDrawWithoutFault)
{
    // The preview draws forms a few pixels high; a zero-sized form must not fail either.
    QImage logo(30, 10, QImage::Format_RGB32);
    logo.fill(Qt::blue);
    for (int height : {0, 1, 7, 23, 60, 140}) {
        SCOPED_TRACE(height);
        auto form = makeForm({150, 99, 210}, 5);
        fillFullPrescription(*form, &logo);
        form->SetFormHeight(height);
        form->SetFormWidth(height * 99 / 210);
        const QImage img = render(*form, 150, 5);
        EXPECT_FALSE(img.isNull());
    }
}
} // namespace
