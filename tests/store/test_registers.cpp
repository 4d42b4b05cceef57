// Patients, drugs and settings on a real database file.
#include "settings/svUstawienia.h"
#include "store/btPesel.h"
#include "store/svDB.h"
#include "store/svDBLeki.h"
#include "store/svDBPacjent.h"
#include "store/svSchema.h"
#include "support/TestSupport.h"

namespace
{
using StoreTest = StoreFixture;

TEST(Pesel, RulesAndBirthDates)
{
    // 02210812345: yy 02, mm 21, dd 08.
    struct Case
    {
        const char* pesel;
        bool valid;
        int sex;
        QDate birth;
    } cases[] = {
        {"44051401359", true, 0, QDate(1944, 5, 14)},
        {"44051401358", false, 0, QDate(1944, 5, 14)},
        {"02210812343", false, 1, QDate(2002, 1, 8)},
        {"88041212345", true, 1, QDate(1988, 4, 12)},
        {"02821212345", false, 1, QDate(1802, 2, 12)},
        {"02451212345", false, 1, QDate()},
        {"4405140135", false, 0, QDate(1944, 5, 14)},
        {"440514013", false, 2, QDate(1944, 5, 14)},
        {"", false, 2, QDate()},
    };
    for (const Case& c : cases) {
        const QString p = QString::fromLatin1(c.pesel);
        EXPECT_EQ(PeselValid(p), c.valid) << c.pesel;
        EXPECT_EQ(PeselSex(p), c.sex) << c.pesel;
        EXPECT_EQ(PeselBirthDate(p), c.birth) << c.pesel;
    }
}

TEST(Patients, SummaryAndAges)
{
    const QDateTime now(QDate(2026, 12, 10), QTime(12, 0));
    TPacjent p;
    p.imie = QStringLiteral(" Jan ");
    p.nazwisko = QStringLiteral("Kowalski");
    p.ulica = QStringLiteral("Długa");
    p.nrDomu = QStringLiteral("5");
    p.kodPocztowy = QStringLiteral("00-001");
    p.miasto = QStringLiteral("Warszawa");
    struct
    {
        QDate born;
        QString suffix;
    } ages[] = {{QDate(2024, 10, 1), " (26 mies.)"}, {QDate(2022, 6, 1), " (4 lata)"}, {QDate(2014, 1, 1), " (12 lat)"},
                {QDate(1986, 1, 1), ""}, {QDate(1956, 1, 1), " (70 lat)"}, {QDate(), ""}};
    for (const auto& a : ages) {
        p.dataUr = a.born;
        QStringList lines;
        p.Summary(lines, now);
        EXPECT_EQ(lines, (QStringList{QStringLiteral("Jan Kowalski") + a.suffix, "Długa 5", "00-001 Warszawa"}));
    }
    p.nrMieszk = QStringLiteral("12");
    QStringList lines;
    p.Summary(lines, now);
    EXPECT_EQ(lines.at(1), QStringLiteral("Długa 5/12"));
    EXPECT_EQ(AgeYears(QDate(2000, 5, 10), QDate(2026, 5, 10)), 26);
    EXPECT_EQ(AgeYears(QDate(2000, 5, 11), QDate(2026, 5, 10)), 25);
    EXPECT_EQ(AgeYears(QDate(2026, 5, 10), QDate(2000, 5, 10)), -26);
    EXPECT_EQ(AgeMonths(QDate(2026, 1, 31), QDate(2026, 3, 30)), 1);
}

TEST_F(StoreTest, PatientsAreSavedSearchedAndDeleted)
{
    TPacjent a;
    a.imie = QStringLiteral("Łukasz");
    a.nazwisko = QStringLiteral("Żak");
    a.pesel = QStringLiteral("44051401359");
    a.dataUr = QDate(1944, 5, 14);
    a.przewlekle = true;
    ASSERT_TRUE(SavePatient(a));
    EXPECT_GT(a.idPacjenta, 0);
    a.miasto = QStringLiteral("Łódź");
    ASSERT_TRUE(SavePatient(a)); // the same row again
    TPacjent b;
    b.imie = QStringLiteral("Anna");
    b.nazwisko = QStringLiteral("Żakowska");
    ASSERT_TRUE(SavePatient(b));
    EXPECT_EQ(ListPatients().size(), 2);

    TPacjent filter;
    EXPECT_EQ(ListPatients(&filter).size(), 2);
    EXPECT_EQ(filter.nazwisko, QStringLiteral("*"));
    filter.Clear();
    filter.nazwisko = QStringLiteral("żak");
    EXPECT_EQ(ListPatients(&filter).size(), 2); // a prefix in any letter case
    filter.Clear();
    filter.nazwisko = QStringLiteral("*ska");
    const QList<TPacjent> found = ListPatients(&filter);
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(found.first().imie, QStringLiteral("Anna"));
    const TPacjent stored = ListPatients().first();
    EXPECT_EQ(stored.miasto, QStringLiteral("Łódź"));
    EXPECT_EQ(stored.dataUr, QDate(1944, 5, 14));
    EXPECT_TRUE(stored.przewlekle);

    EXPECT_TRUE(DeletePatient(a));
    EXPECT_FALSE(DeletePatient(a)); // already gone
    EXPECT_TRUE(DeletePatient(TPacjent()));
    TPacjent ghost = a;
    EXPECT_FALSE(SavePatient(ghost));
}

TEST_F(StoreTest, MainDrugBaseLookupAndOwnBase)
{
    TMedicine filter;
    filter.Nazwa = QStringLiteral("biso");
    const QList<TMedicine> found = ListMainDrugs(filter);
    ASSERT_FALSE(found.isEmpty());
    for (const TMedicine& m : found)
        EXPECT_TRUE(m.Nazwa.startsWith(QStringLiteral("Biso"), Qt::CaseInsensitive)) << qPrintable(m.Nazwa);
    TMedicine nothing;
    nothing.Nazwa = QStringLiteral("Qqqq");
    EXPECT_TRUE(ListMainDrugs(nothing).isEmpty());

    TMedicine own;
    own.Nazwa = QStringLiteral("Maść własna");
    own.Odplatnosc = 4;
    ASSERT_TRUE(SaveOwnDrug(own));
    const qint32 id = own.IdLeku;
    own.Dawka = QStringLiteral("2%");
    ASSERT_TRUE(SaveOwnDrug(own));
    EXPECT_EQ(own.IdLeku, id);
    const QList<TMedicine> mine = ListOwnDrugs();
    ASSERT_EQ(mine.size(), 1);
    EXPECT_EQ(mine.first().Dawka, QStringLiteral("2%"));
    EXPECT_EQ(mine.first().Odplatnosc, 4);
    EXPECT_TRUE(DeleteOwnDrug(own));
    EXPECT_FALSE(DeleteOwnDrug(own));
    ASSERT_TRUE(DeleteMainDrug(found.first()));
    EXPECT_EQ(ListMainDrugs(filter).size(), found.size() - 1);
}

TEST_F(StoreTest, SettingsFirstRunLoadSave)
{
    int wizardRuns = 0;
    auto wizard = [&](TFirstRunData& d) {
        ++wizardRuns;
        d.provider.swd_nazwa1 = QStringLiteral("NZOZ Zdrowie");
        d.provider.swd_symbolkch = QStringLiteral("12 Śląski");
        d.numerowanie = false;
    };
    TUstawienia s;
    ASSERT_TRUE(s.Load(wizard));
    EXPECT_EQ(wizardRuns, 1);
    EXPECT_EQ(s.provider.swd_symbolkch, QStringLiteral("12 "));
    EXPECT_FALSE(s.numerowanie);
    EXPECT_EQ(s.CzcionkaRozmiar[8], 15); // the column default, not SetDefaults' size
    QStringList lines;
    s.ProviderLines(lines);
    EXPECT_EQ(lines, (QStringList{"NZOZ Zdrowie", ""}));
    s.daneId = QStringLiteral("Jan Kowalski lekarz");
    s.prn_seria_name = QStringLiteral("Plik PDF");
    s.SetDefaults();
    EXPECT_EQ(s.prn_seria_name, QStringLiteral("Plik PDF"));
    EXPECT_EQ(s.provider.swd_nazwa1, QStringLiteral("NZOZ Zdrowie"));
    s.daneId = QStringLiteral("Jan Kowalski lekarz");
    ASSERT_TRUE(s.Save());

    TUstawienia again;
    ASSERT_TRUE(again.Load(wizard));
    EXPECT_EQ(wizardRuns, 1); // the row exists: no wizard
    EXPECT_EQ(again.daneId, QStringLiteral("Jan Kowalski lekarz"));
    EXPECT_EQ(again.prn_seria_name, QStringLiteral("Plik PDF"));
    EXPECT_EQ(again.CzcionkaRozmiar[0], 25);
}

TEST(SettingsCli, GetSetAndPesel)
{
    TempDataFolder dir;
    EXPECT_EQ(runCli({"settings", "get", "swd_rcwidth"}, dir.path()).out, QStringLiteral("99\n"));
    EXPECT_EQ(runCli({"settings", "set", "daneId", "Jan Kowalski"}, dir.path()).exitCode, 0);
    EXPECT_EQ(runCli({"settings", "get", "DANEID"}, dir.path()).out, QStringLiteral("Jan Kowalski\n"));
    EXPECT_EQ(runCli({"settings", "get", "nie_ma"}, dir.path()).exitCode, 1);
    const CliRun p = runCli({"pesel", "02210812343"});
    EXPECT_EQ(p.lines(), (QStringList{"valid\t0", "sex\t1", "birth-date\t2002-01-08"}));
    EXPECT_EQ(runCli({"pesel", "02451212345"}).value("birth-date"), QStringLiteral("0"));
}
} // namespace
