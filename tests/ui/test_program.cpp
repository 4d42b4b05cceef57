// The whole program's path (RunProgram, as main calls it) on real data folders.
#include "UiTestSupport.h"

#include "settings/svUstawienia.h"
#include "shell/Ask.h"
#include "shell/svGlobals.h"
#include "shell/ui/TFormMain.h"
#include "shell/ui/svShellWidgets.h"
#include "store/svDB.h"
#include "store/svSchema.h"
#include "support/TestSupport.h"
#include "ui/ProgramMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QUrl>

#include <gtest/gtest.h>

namespace
{
// Runs step on the main window once it is visible, then closes it so RunProgram returns.
void OnMainWindow(std::function<void(TFormMain*)> step)
{
    auto* timer = new QTimer(&ModalWatchers());
    QObject::connect(timer, &QTimer::timeout, [timer, step] {
        if (QApplication::activeModalWidget())
            return;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* window = qobject_cast<TFormMain*>(w);
            if (window && window->isVisible()) {
                timer->stop();
                timer->deleteLater();
                step(window);
                window->close();
                return;
            }
        }
    });
    timer->start(20);
}

void FinishWizard(QWidget* wizard)
{
    Click(wizard, "BtnNastepna1");
    TypeText(Child<QLineEdit>(wizard, "EdNazwa1"), QStringLiteral("NZOZ Zdrowie"));
    TypeText(Child<QLineEdit>(wizard, "EdNazwa2"), QStringLiteral("Poradnia ogólna"));
    TypeText(Child<QLineEdit>(wizard, "EdAdres1"), QStringLiteral("ul. Wąska 5"));
    TypeText(Child<QLineEdit>(wizard, "EdAdres2"), QStringLiteral("31-000 Kraków"));
    TypeText(Child<QLineEdit>(wizard, "EdDodInfo"), QStringLiteral("tel. 12 345 67 89"));
    TypeText(Child<QLineEdit>(wizard, "EdRegon"), QStringLiteral("123456785"));
    Click(wizard, "BtnNastepna2");
    Child<QComboBox>(wizard, "CBNFZ")->setCurrentIndex(5);
    Child<QCheckBox>(wizard, "CBDrNfz")->setChecked(false);
    Child<QCheckBox>(wizard, "CBNumerowanie")->setChecked(false);
    Click(wizard, "BtnZapisz");
}

class ProgramTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        qputenv("SOLVIRA_HOME", folder.path().toUtf8());
        SetUrlOpener([](const QUrl&) {});
    }
    void TearDown() override
    {
        StopModalWatchers();
        qunsetenv("SOLVIRA_HOME");
    }
    // Reads a settings column with the store open, as the program left it.
    QString Stored(const char* column)
    {
        QString value;
        if (Schema::OpenStore(folder.path())) {
            SettingsValue(QString::fromLatin1(column), &value);
            FreeSharedTables();
            Db::Close();
        }
        return value;
    }
    TempDataFolder folder{true};
    AskRecorder boxes;
};
} // namespace

TEST_F(ProgramTest, FreshFolderRunsTheWizardBeforeTheWindowThenNeverAgain)
{
    bool windowSeenByWizard = true;
    OnModal([&](QWidget* wizard) {
        windowSeenByWizard = false;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<TFormMain*>(w) && w->isVisible())
                windowSeenByWizard = true;
        FinishWizard(wizard);
    });
    QString caption;
    bool splash = false;
    OnMainWindow([&](TFormMain* window) {
        caption = window->windowTitle();
        splash = window->Splash() != nullptr;
    });
    EXPECT_EQ(RunProgram({}), 0);
    EXPECT_FALSE(windowSeenByWizard);
    EXPECT_EQ(caption, ProgramTitle());
    EXPECT_TRUE(splash);
    struct TStored
    {
        const char* column;
        QString value;
    };
    const TStored nine[] = {
        {"swd_nazwa1", QStringLiteral("NZOZ Zdrowie")},    {"swd_nazwa2", QStringLiteral("Poradnia ogólna")},
        {"swd_adres1", QStringLiteral("ul. Wąska 5")},     {"swd_adres2", QStringLiteral("31-000 Kraków")},
        {"swd_dodinfo", QStringLiteral("tel. 12 345 67 89")}, {"swd_regon", QStringLiteral("123456785")},
        {"swd_symbolkch", BranchList().at(5).left(2)},
    };
    for (const TStored& s : nine)
        EXPECT_EQ(Stored(s.column).trimmed(), s.value) << s.column;
    EXPECT_TRUE(QFile::exists(folder.file("data_100.add")));
    EXPECT_TRUE(QFile::exists(folder.file("solvira.ini")));

    bool wizardAgain = false;
    OnModal([&](QWidget* modal) { wizardAgain = true; modal->close(); }, 3000);
    QString branch;
    OnMainWindow([&](TFormMain* w) { branch = w->findChild<QComboBox*>("CBSwKasaCh")->currentText(); });
    EXPECT_EQ(RunProgram({}), 0);
    EXPECT_FALSE(wizardAgain);
    EXPECT_EQ(branch, BranchList().at(5)); // the stored symbol selects its entry again
    EXPECT_TRUE(boxes.shown().isEmpty());
}

TEST_F(ProgramTest, SixArgumentsLandDecodedAndTheDoctorSurvivesARestart)
{
    OnModal(FinishWizard);
    QString pesel, first, surname, doctor, caption;
    bool splash = true;
    OnMainWindow([&](TFormMain* w) {
        pesel = w->findChild<QLineEdit*>("EdPesel")->text();
        first = w->findChild<QLineEdit*>("EdImie")->text();
        surname = w->findChild<QLineEdit*>("EdNazwisko")->text();
        doctor = w->findChild<QLineEdit*>("EdIdLekarza")->text();
        caption = w->windowTitle();
        splash = w->Splash() != nullptr;
    });
    EXPECT_EQ(RunProgram({"44051401359", "Pawe&#322;", "Ma&#322;ecki", "Jan", "Kowalski", "lekarz", "nadmiar"}), 0);
    EXPECT_EQ(pesel, QStringLiteral("44051401359"));
    EXPECT_EQ(first, QStringLiteral("Paweł"));
    EXPECT_EQ(surname, QStringLiteral("Małecki"));
    EXPECT_EQ(doctor, QStringLiteral("Jan Kowalski lekarz"));
    EXPECT_EQ(caption, ProgramTitle() + QStringLiteral("  [Wystawienie recepty]"));
    EXPECT_FALSE(splash);

    OnMainWindow([&](TFormMain* w) { doctor = w->findChild<QLineEdit*>("EdIdLekarza")->text(); });
    EXPECT_EQ(RunProgram({}), 0);
    EXPECT_EQ(doctor, QStringLiteral("Jan Kowalski lekarz"));
}

TEST_F(ProgramTest, AStoreThatCannotBeOpenedEndsTheProgramWithOneBox)
{
    QFile file(folder.file("data_100.add"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(8192, 'x'));
    file.close();
    Ask::queueAnswer(AskAnswer::Ok);
    EXPECT_EQ(RunProgram({}), 1);
    ASSERT_EQ(boxes.shown().size(), 1);
    const AskBox box = boxes.shown().first();
    EXPECT_EQ(box.title, QStringLiteral("Błąd"));
    EXPECT_EQ(box.icon, AskIcon::Error);
    EXPECT_TRUE(box.text.contains(folder.file("data_100.add"))) << box.text.toStdString();
    EXPECT_FALSE(Db::IsOpen());
}

TEST_F(ProgramTest, ClosingTheWindowStoresWhatThePanelsShow)
{
    OnModal(FinishWizard);
    OnMainWindow([](TFormMain* w) {
        // Typed on the settings panel and never switched away from: only the closing stores it.
        w->ShowSettingsPanel();
        w->findChild<QLineEdit*>("EdSwAdres1")->setText(QStringLiteral("ul. Źródlana 7"));
        // The wizard left numbering off; the serial panel's box turns it on again.
        w->findChild<QCheckBox*>("CBWydrSerNumer")->setChecked(true);
    });
    EXPECT_EQ(RunProgram({}), 0);
    EXPECT_EQ(Stored("swd_adres1").trimmed(), QStringLiteral("ul. Źródlana 7"));
    QString adres;
    bool numbering = false;
    OnMainWindow([&](TFormMain* w) {
        adres = w->findChild<QLineEdit*>("EdSwAdres1")->text();
        numbering = w->findChild<QCheckBox*>("CBLekiNumerowanie")->isChecked();
    });
    EXPECT_EQ(RunProgram({}), 0);
    EXPECT_EQ(adres, QStringLiteral("ul. Źródlana 7"));
    EXPECT_TRUE(numbering);
}
