// The settings panel's transfers, pattern switch, defaults and pictures on a real store.
#include "UiTestSupport.h"

#include "settings/ui/TPanelUstawienia.h"
#include "shell/ui/TFormMain.h"
#include "store/svDB.h"
#include "store/svSchema.h"
#include "support/TestSupport.h"
#include "ui/FilePicker.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QTemporaryDir>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace
{
class SettingsPanelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Schema::OpenStore(folder.path()));
        OnModal([](QWidget* w) { qobject_cast<QDialog*>(w)->accept(); });
        window = std::make_unique<TFormMain>();
        ASSERT_TRUE(window->FormCreate());
        panel = window->findChild<TPanelUstawienia*>("PanelUstawienia");
        ASSERT_TRUE(panel);
    }
    void TearDown() override
    {
        StopModalWatchers();
        window.reset();
        FilePicker::clearQueue();
        FreeSharedTables();
        Db::Close();
    }
    template <typename T>
    T* get(const QString& name) { return window->findChild<T*>(name); }
    QStringList pictures() { return QDir(folder.path()).entryList({"drukpict.*"}, QDir::Files); }

    TempDataFolder folder{true};
    AskRecorder boxes;
    std::unique_ptr<TFormMain> window;
    TPanelUstawienia* panel = nullptr;
};
} // namespace

TEST_F(SettingsPanelTest, PatternSwitchEnablesTheSlotControlsOrTheOldFontPair)
{
    auto* pattern = get<QComboBox>("CbWzorRecepty");
    QStringList slotControls;
    for (const char* stem : kFontSlotNames)
        for (const char* prefix : {"spCzcionkaRozmiar", "CBUstawFont", "CBUstawBold"})
            slotControls << QString::fromLatin1(prefix) + QString::fromLatin1(stem);
    ASSERT_EQ(slotControls.size(), 30);
    const QStringList lists{"cbDrukujNrPrawa", "cbDrukujRegon", "cbStopkaPolozenie"};
    for (const bool current : {false, true, false}) {
        pattern->setCurrentText(current ? "2011-12-23" : "2007-05-17");
        for (const QString& name : slotControls + lists)
            EXPECT_EQ(get<QWidget>(name)->isEnabled(), current) << name.toStdString();
        EXPECT_EQ(get<QWidget>("CBUstawFont")->isEnabled(), !current);
        EXPECT_EQ(get<QWidget>("CBUstawBoldStale")->isEnabled(), !current);
    }
}

TEST_F(SettingsPanelTest, WizardRowGetsTheBlankFontDefaultsAndValuesSurviveAReload)
{
    // A settings row without a font name gets the frame, font and bold defaults.
    window->Settings().swd_fontname.clear();
    window->Settings().swd_framesize = 0;
    window->Settings().frameexist = false;
    window->Settings().boldBase = false;
    panel->ToControls();
    EXPECT_EQ(window->Settings().swd_fontname, QStringLiteral("Liberation Sans"));
    EXPECT_EQ(get<QSpinBox>("EdFrameSize")->value(), 2);
    EXPECT_TRUE(get<QCheckBox>("CBObramowanie")->isChecked());
    EXPECT_TRUE(get<QCheckBox>("CBUstawBoldStale")->isChecked());
    get<QSpinBox>("EdRcHeight")->setValue(205);
    get<QComboBox>("cbStopkaPolozenie")->setCurrentIndex(1);
    get<QSpinBox>("spCzcionkaRozmiarStopka")->setValue(11);
    get<QCheckBox>("CBUstawBoldSwiadczeniodawcaDane")->setChecked(true); // hidden box, value still travels
    window->ShowStartPage();
    window.reset();
    OnModal([](QWidget* w) { w->close(); }, 300);
    window = std::make_unique<TFormMain>();
    ASSERT_TRUE(window->FormCreate());
    EXPECT_EQ(get<QSpinBox>("EdRcHeight")->value(), 205);
    EXPECT_EQ(get<QComboBox>("cbStopkaPolozenie")->currentIndex(), 1);
    EXPECT_EQ(get<QSpinBox>("spCzcionkaRozmiarStopka")->value(), 11);
    EXPECT_TRUE(get<QCheckBox>("CBUstawBoldSwiadczeniodawcaDane")->isChecked());
}

TEST_F(SettingsPanelTest, DefaultsButtonResetsOnlyItsControls)
{
    get<QSpinBox>("EdFrameSize")->setValue(4);
    get<QLineEdit>("EdIdLekarza")->setText("dr Anna Wiśniewska");
    get<QLineEdit>("EdSwNazwa1")->setText("Przychodnia");
    get<QSpinBox>("EdRcWidth")->setValue(101);
    get<QLineEdit>("EdProfilDaneId1")->setText("internista");
    get<QLineEdit>("EdProfilDaneId2")->setText("1234567");
    get<QPlainTextEdit>("EdSign")->setPlainText("NZOZ");
    get<QSpinBox>("spCzcionkaRozmiarStopka")->setValue(9);
    get<QCheckBox>("CBLekiNumerowanie")->setChecked(false);
    get<QCheckBox>("CBWydrSerNumer")->setChecked(false);
    QTest::mouseClick(get<QPushButton>("btDefaultSettings"), Qt::LeftButton);
    EXPECT_EQ(boxes.shown().size(), 0);
    for (const char* doctor : {"EdIdLekarza", "EdProfilDaneId1", "EdProfilDaneId2"})
        EXPECT_TRUE(get<QLineEdit>(doctor)->text().isEmpty()) << doctor;
    EXPECT_EQ(get<QPlainTextEdit>("EdSign")->toPlainText(), QStringLiteral("Dane podmiotu drukującego"));
    EXPECT_EQ(get<QSpinBox>("spCzcionkaRozmiarStopka")->value(), 9); // font sizes stay as shown
    EXPECT_TRUE(get<QCheckBox>("CBLekiNumerowanie")->isChecked());
    EXPECT_TRUE(get<QCheckBox>("CBWydrSerNumer")->isChecked());
    EXPECT_EQ(get<QSpinBox>("EdFrameSize")->value(), window->Settings().swd_framesize);
    EXPECT_EQ(get<QLineEdit>("EdIdLekarza")->text(), window->Settings().daneId);
    EXPECT_EQ(get<QLineEdit>("EdSwNazwa1")->text(), QStringLiteral("Przychodnia"));
    EXPECT_EQ(get<QSpinBox>("EdRcWidth")->value(), 101);
}

TEST_F(SettingsPanelTest, SignatureTextDisablesThePictureControls)
{
    auto* sign = get<QPlainTextEdit>("EdSign");
    for (const QString& text : {QStringLiteral("lek. med."), QString()}) {
        sign->setPlainText(text);
        for (const char* name : {"ImgSign", "BWczytaj", "BUsun"})
            EXPECT_EQ(get<QWidget>(name)->isEnabled(), text.isEmpty()) << name;
    }
}

TEST_F(SettingsPanelTest, LoadingPicturesLeavesExactlyOneAndBadFilesAreRefused)
{
    QTemporaryDir source;
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::blue);
    ASSERT_TRUE(image.save(source.filePath("podpis.bmp")));
    ASSERT_TRUE(image.save(source.filePath("podpis.jpg")));
    QFile bad(source.filePath("zepsuty.png"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("to nie jest obraz");
    bad.close();
    get<QPlainTextEdit>("EdSign")->clear();

    FilePicker::queueFileName(source.filePath("podpis.bmp"));
    QTest::mouseClick(get<QPushButton>("BWczytaj"), Qt::LeftButton);
    EXPECT_EQ(pictures(), QStringList{"drukpict.bmp"});
    FilePicker::queueFileName(source.filePath("podpis.jpg"));
    QTest::mouseClick(get<QPushButton>("BWczytaj"), Qt::LeftButton);
    EXPECT_EQ(pictures(), QStringList{"drukpict.jpg"});
    EXPECT_FALSE(get<QLabel>("ImgSign")->pixmap().isNull());
    // The picture in use, chosen again, is kept rather than deleted before its copy.
    FilePicker::queueFileName(folder.file("drukpict.jpg"));
    QTest::mouseClick(get<QPushButton>("BWczytaj"), Qt::LeftButton);
    EXPECT_EQ(pictures(), QStringList{"drukpict.jpg"});
    EXPECT_FALSE(QImage(folder.file("drukpict.jpg")).isNull());
    EXPECT_TRUE(boxes.shown().isEmpty());

    Ask::queueAnswer(AskAnswer::Ok);
    FilePicker::queueFileName(source.filePath("zepsuty.png"));
    QTest::mouseClick(get<QPushButton>("BWczytaj"), Qt::LeftButton);
    ASSERT_EQ(boxes.shown().size(), 1);
    EXPECT_EQ(boxes.shown()[0].title, QStringLiteral("Błąd"));
    EXPECT_EQ(boxes.shown()[0].icon, AskIcon::Error);
    EXPECT_TRUE(boxes.shown()[0].text.startsWith(QStringLiteral("Nie można załadować obrazka.\r")));
    EXPECT_EQ(pictures(), QStringList{"drukpict.jpg"}); // the picture in use stays

    FilePicker::queueFileName(QString()); // cancelled
    QTest::mouseClick(get<QPushButton>("BWczytaj"), Qt::LeftButton);
    EXPECT_EQ(pictures(), QStringList{"drukpict.jpg"});
    QTest::mouseClick(get<QPushButton>("BUsun"), Qt::LeftButton);
    EXPECT_TRUE(pictures().isEmpty());
    EXPECT_TRUE(get<QLabel>("ImgSign")->pixmap().isNull());

    // The logo works the same way with its own file, and leaves the signature's alone.
    FilePicker::queueFileName(source.filePath("podpis.bmp"));
    QTest::mouseClick(get<QPushButton>("BWczytaj"), Qt::LeftButton);
    FilePicker::queueFileName(source.filePath("podpis.jpg"));
    QTest::mouseClick(get<QPushButton>("BLogoWczytaj"), Qt::LeftButton);
    const QStringList logos = QDir(folder.path()).entryList({"logopict.*"}, QDir::Files);
    EXPECT_EQ(logos, QStringList{"logopict.jpg"});
    EXPECT_FALSE(get<QLabel>("ImgLogo")->pixmap().isNull());
    QTest::mouseClick(get<QPushButton>("BLogoUsun"), Qt::LeftButton);
    EXPECT_TRUE(QDir(folder.path()).entryList({"logopict.*"}, QDir::Files).isEmpty());
    EXPECT_TRUE(get<QLabel>("ImgLogo")->pixmap().isNull());
    EXPECT_EQ(pictures(), QStringList{"drukpict.bmp"});
}

TEST_F(SettingsPanelTest, TheNumberingBoxChangedSinceTheLastTransferWins)
{
    struct TCase
    {
        const char* name;
        bool start;  // the setting and both boxes before the change
        bool issue;  // the boxes after the change
        bool serial;
        bool stored;
    };
    const TCase cases[] = {
        {"issue box unchecked", true, false, true, false},
        {"serial box checked", false, false, true, true},
        {"both changed", false, true, true, true},
        {"serial box unchecked", true, true, false, false},
    };
    auto* issue = get<QCheckBox>("CBLekiNumerowanie");
    auto* serial = get<QCheckBox>("CBWydrSerNumer");
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        window->Settings().numerowanie = c.start;
        issue->setChecked(c.issue);
        serial->setChecked(c.serial);
        window->ShowSettingsPanel();
        EXPECT_EQ(window->Settings().numerowanie, c.stored);
        QString value;
        SettingsValue(QStringLiteral("numerowanie"), &value);
        EXPECT_EQ(value == QLatin1String("1") || value == QLatin1String("true"), c.stored) << value.toStdString();
    }

    // Unchecked on the issue panel: after the next start the serial panel's box shows it too.
    window->Settings().numerowanie = true;
    issue->setChecked(true);
    serial->setChecked(true);
    issue->setChecked(false);
    window->ShowSerialPanel();
    window.reset();
    window = std::make_unique<TFormMain>();
    ASSERT_TRUE(window->FormCreate());
    EXPECT_FALSE(get<QCheckBox>("CBWydrSerNumer")->isChecked());
    EXPECT_FALSE(get<QCheckBox>("CBLekiNumerowanie")->isChecked());
}

TEST_F(SettingsPanelTest, TabFollowsTheFieldsOfEachTab)
{
    window->show();
    window->ShowSettingsPanel();
    auto* tabs = get<QTabWidget>("PCUstawienia");
    struct TCase
    {
        int tab;
        const char* from;
        QStringList next;
    };
    const TCase cases[] = {
        {0, "CbWzorRecepty",
         {"EdFrameSize", "CBObramowanie", "EdUstawRamkiWewnPrzeryw", "CbRamkiLekiDrukuj", "cbDrukujRegon",
          "cbDrukujNrPrawa", "EdRcWidth", "EdRcHeight"}},
        {1, "spCzcionkaRozmiarReceptaNapis",
         {"CBUstawFontReceptaNapis", "CBUstawBoldReceptaNapis", "spCzcionkaRozmiarDatyNapis"}},
        {2, "EdSwNazwa1",
         {"EdSwNazwa2", "EdSwAdres1", "EdSwAdres2", "EdSwDodInfo", "EdIdLekarza", "CBSwKasaCh", "EdRegon",
          "EdProfilDaneId1", "EdProfilDaneId2", "btDefaultSettings"}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.from);
        tabs->setCurrentIndex(c.tab);
        EXPECT_EQ(TabChain(get<QWidget>(c.from), int(c.next.size())), c.next);
    }
}

TEST_F(SettingsPanelTest, PicturesOfTheDataFolderAreShownAtStart)
{
    EXPECT_TRUE(get<QLabel>("ImgLogo")->pixmap().isNull()); // none at the first start
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    ASSERT_TRUE(image.save(folder.file("logopict.png")));
    ASSERT_TRUE(image.save(folder.file("drukpict.bmp")));
    window.reset();
    window = std::make_unique<TFormMain>();
    ASSERT_TRUE(window->FormCreate());
    EXPECT_FALSE(get<QLabel>("ImgLogo")->pixmap().isNull());
    EXPECT_FALSE(get<QLabel>("ImgSign")->pixmap().isNull());
}
