// The check-digit calculator dialog: typing, the two weightings, the messages, keys.
#include "UiTestSupport.h"

#include "numbers/ui/TFormControlSum.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace
{
QString text(QWidget& dialog, const char* name)
{
    return Child<QLineEdit>(&dialog, name)->text();
}
} // namespace

TEST(ControlSum, TypedNumbersShowWeightsCheckDigitAndKind)
{
    struct TCase
    {
        const char* typed;
        bool rule2012;
        const char* weights;
        const char* check;
        const char* full;
        const char* kind;
        bool valid;
    };
    const TCase cases[] = {
        {"0712345678900000015", false, "1379137913791379137", "2", "07123456789000000152", "1 - Numer 2007-05-17",
         true},
        {"0712345678900000015", true, "7913791379137913791", "4", "07123456789000000154", nullptr, true},
        {"011230450000000001238", true, "791379137913791379137", "2", "0112304500000000012382",
         "5 - Numer 2012-01-04", true},
        {"07-1234 5678a900000015", false, "1379137913791379137", "2", "07123456789000000152", nullptr, true},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.typed);
        TFormControlSum dialog;
        dialog.show();
        Child<QRadioButton>(&dialog, c.rule2012 ? "RadioButton2012" : "RadioButton2007")->setChecked(true);
        auto* edit = Child<QLineEdit>(&dialog, "EditLiczba");
        TypeText(edit, QString::fromLatin1(c.typed));
        // Everything but digits vanishes as it is typed.
        EXPECT_EQ(edit->text(), QString::fromLatin1(c.full).chopped(1));
        EXPECT_EQ(edit->cursorPosition(), edit->text().size());
        EXPECT_EQ(text(dialog, "EditIloscCyfr"), QString::number(edit->text().size()));
        EXPECT_EQ(text(dialog, "EditWagi"), QString::fromLatin1(c.weights));
        EXPECT_EQ(text(dialog, "EditSumaKontrolna"), QString::fromLatin1(c.check));
        EXPECT_EQ(dialog.NumberWithCheckDigit(), QString::fromLatin1(c.full));
        if (c.kind) {
            EXPECT_EQ(text(dialog, "EditRodzaj"), QString::fromUtf8(c.kind));
        }
        EXPECT_EQ(Child<QCheckBox>(&dialog, "CheckBoxValidRecipeNum")->isChecked(), c.valid);
    }
}

TEST(ControlSum, MessagesRadioSwitchAndKeys)
{
    TFormControlSum dialog;
    dialog.show();
    EXPECT_EQ(text(dialog, "EditWagi"), QStringLiteral("Wprowadź liczbę"));
    EXPECT_EQ(text(dialog, "EditIloscCyfr"), QStringLiteral("0"));
    dialog.SetNumber(QString(31, QLatin1Char('1')));
    EXPECT_EQ(text(dialog, "EditWagi"), QStringLiteral("Liczba jest za dluga"));
    EXPECT_EQ(text(dialog, "EditIloscCyfr"), QStringLiteral("0"));
    EXPECT_TRUE(text(dialog, "EditSumaKontrolna").isEmpty());

    dialog.SetNumber(QStringLiteral("0712345678900000015"));
    EXPECT_EQ(text(dialog, "EditSumaKontrolna"), QStringLiteral("4"));
    QTest::mouseClick(Child<QRadioButton>(&dialog, "RadioButton2007"), Qt::LeftButton);
    EXPECT_EQ(text(dialog, "EditSumaKontrolna"), QStringLiteral("2")); // recomputed at once

    // The read-only results are not Tab stops; Enter keeps the dialog open, Esc closes it.
    EXPECT_EQ(TabChain(Child<QWidget>(&dialog, "EditLiczba"), 4),
              QStringList({"RadioButton2012", "RadioButton2007", "BOk"}));
    QTest::keyClick(Child<QLineEdit>(&dialog, "EditLiczba"), Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    QTest::keyClick(Child<QLineEdit>(&dialog, "EditLiczba"), Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
}
