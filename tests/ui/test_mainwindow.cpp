// The main window and the first-run wizard driven through their widgets on a real store.
#include "UiTestSupport.h"

#include "settings/svUstawienia.h"
#include "settings/ui/TFormUstawieniaWizard.h"
#include "shell/svGlobals.h"
#include "printing/ui/TSVPreview.h"
#include "shell/ui/TFormAbout.h"
#include "shell/ui/TFormMain.h"
#include "shell/ui/svShellWidgets.h"
#include "store/svDB.h"
#include "store/svSchema.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QPointer>
#include <QScreen>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTextEdit>
#include <QToolButton>
#include <QUrl>

#include <gtest/gtest.h>

namespace
{
// A data folder with an open store; the window of each test is built on it.
class MainWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QString error;
        ASSERT_TRUE(Schema::OpenStore(folder.path(), &error)) << error.toStdString();
        SetUrlOpener([this](const QUrl& url) { opened << url; });
    }
    void TearDown() override
    {
        StopModalWatchers();
        m_window.reset();
        SetUrlOpener([](const QUrl&) {});
        FreeSharedTables();
        Db::Close();
    }
    // Answers the wizard with a provider name and a branch.
    static void FinishWizard(QWidget* wizard)
    {
        Click(wizard, "BtnNastepna1");
        TypeText(Child<QLineEdit>(wizard, "EdNazwa1"), QStringLiteral("Przychodnia „Źródło”"));
        TypeText(Child<QLineEdit>(wizard, "EdRegon"), QStringLiteral("123456785"));
        Click(wizard, "BtnNastepna2");
        Child<QComboBox>(wizard, "CBNFZ")->setCurrentIndex(11);
        Child<QCheckBox>(wizard, "CBNumerowanie")->setChecked(false);
        Click(wizard, "BtnZapisz");
    }
    // Answers the wizard, runs the start-up and shows the window.
    bool OpenWindow()
    {
        OnModal(FinishWizard);
        m_window = std::make_unique<TFormMain>();
        if (!m_window->FormCreate())
            return false;
        m_window->show();
        return QTest::qWaitForWindowExposed(m_window.get());
    }
    TempDataFolder folder{true};
    AskRecorder boxes;
    QList<QUrl> opened;
    std::unique_ptr<TFormMain> m_window;
};

QString Stored(const char* column)
{
    QString value;
    SettingsValue(QString::fromLatin1(column), &value);
    return value;
}
} // namespace

TEST_F(MainWindowTest, FirstStartShowsTheWizardOnceAndStoresItsValues)
{
    bool wizardSeen = false;
    OnModal([&](QWidget* modal) {
        wizardSeen = qobject_cast<TFormUstawieniaWizard*>(modal) != nullptr;
        FinishWizard(modal);
    });
    {
        TFormMain window;
        QString error;
        ASSERT_TRUE(window.FormCreate(&error)) << error.toStdString();
        EXPECT_FALSE(window.isVisible());
        EXPECT_TRUE(wizardSeen);
        EXPECT_EQ(window.findChild<QLineEdit*>("EdSwNazwa1")->text(), QStringLiteral("Przychodnia „Źródło”"));
        EXPECT_EQ(window.findChild<QComboBox*>("CBSwKasaCh")->currentText().left(3), BranchList().at(11).left(3));
    }
    EXPECT_EQ(Stored("swd_nazwa1"), QStringLiteral("Przychodnia „Źródło”"));
    EXPECT_EQ(Stored("swd_regon"), QStringLiteral("123456785"));
    EXPECT_EQ(Stored("swd_symbolkch").trimmed(), BranchList().at(11).left(3).trimmed());

    // The next start finds the row and asks nothing.
    bool again = false;
    OnModal([&](QWidget* modal) { again = true; modal->close(); }, 500);
    TFormMain second;
    ASSERT_TRUE(second.FormCreate());
    QTest::qWait(600);
    EXPECT_FALSE(again);
}

TEST_F(MainWindowTest, WizardPagesFollowTheButtonsAndTheKeys)
{
    TFormUstawieniaWizard wizard;
    wizard.show();
    EXPECT_EQ(wizard.Page(), 1);
    Click(&wizard, "BtnNastepna1");
    EXPECT_EQ(wizard.Page(), 2);
    EXPECT_EQ(wizard.focusWidget(), wizard.findChild<QLineEdit*>("EdNazwa1"));
    Click(&wizard, "BtnPoprzednia2");
    EXPECT_EQ(wizard.Page(), 1);
    // Enter goes forward from any page, also from inside an edit.
    QTest::keyClick(wizard.focusWidget(), Qt::Key_Return);
    EXPECT_EQ(wizard.Page(), 2);
    TypeText(wizard.findChild<QLineEdit*>("EdNazwa1"), QStringLiteral("Gabinet"));
    QTest::keyClick(wizard.findChild<QLineEdit*>("EdNazwa1"), Qt::Key_Return);
    EXPECT_EQ(wizard.Page(), 3);
    EXPECT_TRUE(wizard.isVisible());
    EXPECT_EQ(wizard.findChild<QComboBox*>("CBNFZ")->currentIndex(), -1);
    const TFirstRunData data = wizard.Data();
    EXPECT_EQ(data.provider.swd_nazwa1, QStringLiteral("Gabinet"));
    EXPECT_TRUE(data.provider.swd_symbolkch.isEmpty()); // no branch chosen stores an empty symbol
    EXPECT_TRUE(data.numerowanie);
    EXPECT_TRUE(data.druknrnfz);
    Click(&wizard, "BtnPomoc3");
    ASSERT_EQ(opened.size(), 1);
    EXPECT_TRUE(opened[0].toLocalFile().endsWith("help/201.html"));
    EXPECT_TRUE(wizard.isVisible()); // help leaves the wizard open
    Click(&wizard, "BtnPoprzednia3");
    EXPECT_EQ(TabChain(wizard.findChild<QLineEdit*>("EdNazwa1"), 8),
              QStringList({"EdNazwa2", "EdAdres1", "EdAdres2", "EdDodInfo", "EdRegon", "BtnNastepna2",
                           "BtnPoprzednia2", "BtnPomoc2"}));
    Click(&wizard, "BtnNastepna2");
    QTest::keyClick(wizard.findChild<QComboBox*>("CBNFZ"), Qt::Key_Return);
    EXPECT_FALSE(wizard.isVisible());
    EXPECT_EQ(wizard.result(), QDialog::Accepted);
}

TEST_F(MainWindowTest, EscClosesTheWizardAndWhatItHoldsIsStored)
{
    OnModal([](QWidget* wizard) {
        Click(wizard, "BtnNastepna1");
        TypeText(Child<QLineEdit>(wizard, "EdNazwa1"), QStringLiteral("Gabinet Łąka"));
        QTest::keyClick(Child<QLineEdit>(wizard, "EdNazwa1"), Qt::Key_Escape);
    });
    TFormMain window;
    ASSERT_TRUE(window.FormCreate());
    EXPECT_EQ(window.Settings().provider.swd_nazwa1, QStringLiteral("Gabinet Łąka"));
    EXPECT_EQ(window.findChild<QLineEdit*>("EdSwNazwa1")->text(), QStringLiteral("Gabinet Łąka"));
    EXPECT_TRUE(window.Settings().numerowanie);
}

TEST_F(MainWindowTest, PanelSwitchesSetCaptionButtonsHelpAndStoreSettings)
{
    ASSERT_TRUE(OpenWindow());
    TFormMain& window = *m_window;
    EXPECT_EQ(window.windowTitle(), ProgramTitle());
    if (window.Splash())
        window.Splash()->close();

    struct TCase
    {
        const char* button;
        const char* suffix;
        const char* page;
        int topic;
    };
    const TCase cases[] = {
        {"LOB1", "  [Pula numerów]", "PPulaNumerow", 301},
        {"LOB2", "  [Wystawienie recepty]", "PWystawienie", 302},
        {"LOB3", "  [Wydruk seryjny]", "PWydrukSeryjny", 303},
        {"LOB4", "  [Ustawienia]", "PUstawienia", 304},
    };
    auto* panels = window.findChild<QStackedWidget*>("Panels");
    auto* doctor = window.findChild<QLineEdit*>("EdIdLekarza");
    int n = 0;
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.button);
        doctor->setText(QStringLiteral("lek. Łucja Żółć %1").arg(++n));
        QTest::mouseClick(window.findChild<QToolButton*>(c.button), Qt::LeftButton);
        EXPECT_EQ(window.windowTitle(), ProgramTitle() + QString::fromUtf8(c.suffix));
        EXPECT_EQ(panels->currentWidget()->objectName(), QLatin1String(c.page));
        for (const char* other : {"LOB1", "LOB2", "LOB3", "LOB4"})
            EXPECT_EQ(window.findChild<QToolButton*>(other)->isChecked(), QByteArray(other) == c.button) << other;
        EXPECT_EQ(Stored("daneId"), doctor->text());
        opened.clear();
        QTest::mouseClick(window.findChild<QToolButton*>("LOB5"), Qt::LeftButton);
        ASSERT_EQ(opened.size(), 1);
        EXPECT_TRUE(opened[0].toLocalFile().endsWith(QStringLiteral("help/%1.html").arg(c.topic)));
    }
    window.findChild<QAction*>("AStronaPoczatkowa")->trigger();
    EXPECT_EQ(window.windowTitle(), ProgramTitle());
    EXPECT_EQ(window.ContextHelpTopic(), 100);
    for (const char* other : {"LOB1", "LOB2", "LOB3", "LOB4"})
        EXPECT_FALSE(window.findChild<QToolButton*>(other)->isChecked());

    // The menu's two dialogs open modally and close again.
    for (const char* action : {"MCyfraKontrolna", "AOProgramie"}) {
        QString shown;
        OnModal([&](QWidget* w) {
            shown = w->objectName();
            QTest::keyClick(w, Qt::Key_Escape);
        });
        window.findChild<QAction*>(action)->trigger();
        EXPECT_EQ(shown, QLatin1String(QByteArray(action) == "AOProgramie" ? "FormAbout" : "FormControlSum"));
    }

    // Settings to the start page and back: stored twice, shown unchanged.
    window.ShowSettingsPanel();
    window.ShowStartPage();
    window.ShowSettingsPanel();
    EXPECT_EQ(doctor->text(), QStringLiteral("lek. Łucja Żółć 4"));
    EXPECT_EQ(window.findChild<QLineEdit*>("EdSwNazwa1")->text(), QStringLiteral("Przychodnia „Źródło”"));
}

TEST_F(MainWindowTest, StartUpFillsTheListsAndHoldsThePreviewsUntilTheirPanelsShow)
{
    ASSERT_TRUE(OpenWindow());
    TFormMain& window = *m_window;

    auto* entitlements = window.findChild<QComboBox*>("CBLekiUprawnienia");
    ASSERT_EQ(entitlements->count(), EntitlementList().size() + 1);
    EXPECT_TRUE(entitlements->itemText(0).isEmpty()); // the sorted list puts its empty entry first
    for (int i = 2; i < entitlements->count(); ++i)
        EXPECT_LE(CompareCp1250(entitlements->itemText(i - 1), entitlements->itemText(i)), 0);
    auto* payment = window.findChild<QComboBox*>("CBLekiOdplat");
    ASSERT_EQ(payment->count(), PaymentLevelList().size() + 1);
    EXPECT_EQ(payment->itemText(0), PaymentLevelList().first());
    EXPECT_TRUE(payment->itemText(payment->count() - 1).isEmpty());

    struct TCase
    {
        TSVPreview* preview;
        const char* box;
        const char* hint;
    };
    const TCase cases[] = {
        {window.SerialPreview(), "GroupPreview", "podgląd rozmieszczenia druków recept na arkuszu papieru"},
        {window.IssuePreview(), "GBLekiPreview", "podgląd rozmieszczenia druku recepty na arkuszu papieru"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.box);
        ASSERT_TRUE(c.preview);
        QWidget* box = window.findChild<QWidget*>(c.box);
        EXPECT_EQ(c.preview->parentWidget(), box);
        EXPECT_EQ(c.preview->statusTip(), QString::fromUtf8(c.hint));
        EXPECT_TRUE(c.preview->toolTip().isEmpty());
        EXPECT_EQ(c.preview->geometry(), QRect(5, 15, box->width() - 10, box->height() - 20));
        EXPECT_FALSE(c.preview->IsPainting());
    }
    window.ShowSerialPanel();
    EXPECT_TRUE(window.SerialPreview()->IsPainting());
    EXPECT_FALSE(window.IssuePreview()->IsPainting());
    window.ShowIssuePanel();
    EXPECT_TRUE(window.IssuePreview()->IsPainting());
    // The serial preview draws the provider block from the settings.
    EXPECT_EQ(window.SerialPreview()->Sheet().Swiadczeniodawca.value(0), QStringLiteral("Przychodnia „Źródło”"));
    EXPECT_EQ(window.SerialPreview()->Sheet().KasaChorych, BranchList().at(11).left(2));
}

TEST_F(MainWindowTest, SplashSitsWhereItsRuleSaysAndGoesOnAClick)
{
    ASSERT_TRUE(OpenWindow());
    TFormMain& window = *m_window;
    QPointer<TFormSplash> splash = window.Splash();
    ASSERT_TRUE(splash);
    EXPECT_EQ(splash->size(), QSize(639, 256));
    const QSize screen = splash->screen()->size();
    EXPECT_EQ(splash->pos(), QPoint((screen.width() + 129) / 2 - 639 / 2, screen.height() / 2 - 256 / 2));
    const QLabel* title = splash->titleLabel();
    EXPECT_EQ(title->text(), ProgramTitle());
    // As far from the right edge as from the bottom edge.
    EXPECT_EQ(splash->width() - title->geometry().right() - 1, splash->height() - title->geometry().bottom() - 1);
    QTest::mouseClick(splash, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(splash.isNull());
    EXPECT_TRUE(window.isVisible());
}

TEST_F(MainWindowTest, StartPageLinksHoverAndSwitch)
{
    ASSERT_TRUE(OpenWindow());
    TFormMain& window = *m_window;
    auto* link = window.findChild<QLabel*>("LinkLabel3");
    auto* panel = window.findChild<QLabel*>("L3");
    ASSERT_TRUE(link && panel);
    EXPECT_FALSE(panel->isVisible());
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(link, &enter);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_TRUE(link->font().underline());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(link, &leave);
    EXPECT_FALSE(panel->isVisible());
    QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_EQ(window.windowTitle(), ProgramTitle() + QStringLiteral("  [Wydruk seryjny]"));
    QTest::mouseClick(window.findChild<QLabel*>("ImageBanner"), Qt::LeftButton);
    ASSERT_FALSE(opened.isEmpty());
    EXPECT_EQ(opened.last().scheme(), QStringLiteral("https"));
}

TEST_F(MainWindowTest, PrintProgressAndBannerReload)
{
    OnModal(FinishWizard);
    TFormMain window;
    ASSERT_TRUE(window.FormCreate());
    auto* progress = window.findChild<TPrintProgressPanel*>("PrintProgress");
    window.SetPrintProgress(3, 12);
    EXPECT_EQ(progress->text(), QStringLiteral("3/12"));
    window.SetPrintProgress(0, 0);
    EXPECT_TRUE(progress->text().isEmpty());

    auto* banner = window.findChild<QLabel*>("ImageBanner");
    const QImage before = banner->pixmap().toImage();
    window.ReloadBanner(); // no file: the picture stays
    EXPECT_EQ(banner->pixmap().toImage(), before);
    QImage red(550, 95, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(folder.file("logo-bt.bmp"), "BMP"));
    window.ReloadBanner();
    EXPECT_EQ(banner->pixmap().toImage().pixelColor(10, 10), QColor(Qt::red));
}

TEST(HelpPages, EveryTopicHasItsPolishPage)
{
    for (int topic : {100, 201, 301, 302, 303, 304, 30201, 30202}) {
        const QString file = HelpTopicFile(topic);
        ASSERT_FALSE(file.isEmpty()) << topic;
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(f.readAll());
        EXPECT_TRUE(html.contains(QStringLiteral("lang=\"pl\""))) << topic;
        EXPECT_GT(html.size(), 400) << topic;
    }
    EXPECT_TRUE(HelpTopicFile(999).isEmpty());
}

TEST(AboutBox, ShowsChangesFileAndClosesOnEsc)
{
    TempDataFolder folder(true);
    QFile changes(folder.file("zmiany.txt"));
    ASSERT_TRUE(changes.open(QIODevice::WriteOnly));
    changes.write("4.50: wydruk seryjny – poprawki\n");
    changes.close();
    TFormAbout about;
    about.show();
    EXPECT_EQ(about.windowTitle(), QStringLiteral("O programie i autorach"));
    EXPECT_TRUE(about.findChild<QTextEdit*>("RichEditZmiany")->toPlainText().contains(QStringLiteral("poprawki")));
    QTest::keyClick(&about, Qt::Key_Escape);
    EXPECT_FALSE(about.isVisible());
}
