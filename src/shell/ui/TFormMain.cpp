#include "shell/ui/TFormMain.h"

#include "numbers/ui/TFormControlSum.h"
#include "printing/ui/TSVPreview.h"
#include "settings/ui/TFormUstawieniaWizard.h"
#include "settings/ui/TPanelUstawienia.h"
#include "shell/Ask.h"
#include "shell/Paths.h"
#include "shell/svGlobals.h"
#include "shell/ui/TFormAbout.h"
#include "shell/ui/svShellWidgets.h"
#include "ui_TFormMain.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QLocale>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QUrl>

#include <algorithm>

namespace
{
void openUrl(const char* url)
{
    OpenShellUrl(QUrl(QString::fromLatin1(url)));
}
} // namespace

QString HelpTopicFile(int topic)
{
    const QString path = Paths::assetPath(QStringLiteral("help/%1.html").arg(topic));
    return QFile::exists(path) ? path : QString();
}

void ShowHelpTopic(int topic)
{
    const QString file = HelpTopicFile(topic);
    if (!file.isEmpty())
        OpenShellUrl(QUrl::fromLocalFile(file));
}

TFormMain::TFormMain(const TCommandLine& commandLine, QWidget* parent)
    : QMainWindow(parent)
    , ui(std::make_unique<Ui::TFormMain>())
    , m_commandLine(commandLine)
{
    ui->setupUi(this);
    setWindowTitle(kProductWord);
    resize(698, 598);
    // Centred on the screen; the first-run wizard, shown before the window, centres over this place.
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    buildActions();
    connectStartPage();
    m_settingsPanel = new TPanelUstawienia(m_settings, ui->PUstawienia);
    ui->PUstawienia->layout()->addWidget(m_settingsPanel);
    connect(m_settingsPanel, &TPanelUstawienia::defaultsRestored, this, &TFormMain::numberingToControls);

    m_hint = new QLabel(this);
    m_hint->setObjectName(QStringLiteral("HintPanel"));
    m_hint->setMinimumWidth(200);
    ui->ToolBar->addWidget(m_hint, 1);
    m_progress = new TPrintProgressPanel(this);
    ui->ToolBar->addPermanentWidget(m_progress);
    // The first panel shows the hint of the control under the mouse.
    connect(ui->ToolBar, &QStatusBar::messageChanged, this, [this](const QString& text) {
        m_hint->setText(text);
        if (!text.isEmpty())
            ui->ToolBar->clearMessage();
    });

    ui->ImageBanner->setPixmap(SolviraArtwork(QStringLiteral("banner"), QSize(550, 95), devicePixelRatioF()));
    connect(ui->ImageBanner, &TLinkLabel::clicked, this, [] { openUrl(kWebMaker); });
    m_bannerTimer = new QTimer(this);
    m_bannerTimer->setObjectName(QStringLiteral("TimerBanner"));
    m_bannerTimer->setInterval(4000);
    connect(m_bannerTimer, &QTimer::timeout, this, &TFormMain::ReloadBanner);
    m_bannerTimer->start();
    ui->Panels->setCurrentWidget(ui->PAbout);
}

TFormMain::~TFormMain() = default;

void TFormMain::buildActions()
{
    struct TDef
    {
        const char* name;
        const char* caption;
        const char* icon;
        QToolButton* button;
    };
    const TDef defs[] = {
        {"APulaNumerow", "&Pula numerów", "pule", ui->LOB1},
        {"AWystawienieRecepty", "Wystawienie &recepty", "recepta", ui->LOB2},
        {"AWydrukSeryjny", "&Wydruk seryjny", "seria", ui->LOB3},
        {"AUstawienia", "&Ustawienia", "ustawienia", ui->LOB4},
        {"APomocCtx", "Pomoc", "pomoc", ui->LOB5},
        {"AZamknij", "&Zamknij", "zamknij", ui->LOB6},
    };
    auto* group = new QActionGroup(this);
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    QList<QAction*> actions;
    for (const TDef& def : defs) {
        QIcon icon;
        // Drawn at two sizes so the buttons stay sharp on a scaled screen.
        for (const int side : {32, 64})
            icon.addPixmap(SolviraArtwork(QString::fromLatin1(def.icon), QSize(side, side)));
        auto* action = new QAction(icon, QString::fromUtf8(def.caption), this);
        action->setObjectName(QString::fromLatin1(def.name));
        const QString hint = QString::fromUtf8(def.caption).remove(QLatin1Char('&'));
        action->setToolTip(hint);
        action->setStatusTip(hint);
        def.button->setDefaultAction(action);
        def.button->setToolButtonStyle(Qt::ToolButtonIconOnly);
        actions << action;
    }
    for (int i = 0; i < 4; ++i) {
        actions[i]->setCheckable(true);
        group->addAction(actions[i]);
    }
    connect(actions[0], &QAction::triggered, this, &TFormMain::ShowPoolPanel);
    connect(actions[1], &QAction::triggered, this, &TFormMain::ShowIssuePanel);
    connect(actions[2], &QAction::triggered, this, [this] { ShowSerialPanel(-1); });
    connect(actions[3], &QAction::triggered, this, &TFormMain::ShowSettingsPanel);
    connect(actions[4], &QAction::triggered, this, &TFormMain::ShowContextHelp);
    connect(actions[5], &QAction::triggered, this, &QWidget::close);

    QMenu* program = ui->MainMenu->addMenu(QStringLiteral("&Solvira"));
    program->setObjectName(QStringLiteral("MSolvira"));
    for (int i = 0; i < 4; ++i)
        program->addAction(actions[i]);
    program->addSeparator();
    QAction* checkDigit = program->addAction(QStringLiteral("Cyfra kontrolna"));
    checkDigit->setObjectName(QStringLiteral("MCyfraKontrolna"));
    connect(checkDigit, &QAction::triggered, this, [this] {
        TFormControlSum calculator(this);
        calculator.exec();
    });
    program->addSeparator();
    program->addAction(actions[5]);

    QMenu* help = ui->MainMenu->addMenu(QStringLiteral("&Pomoc"));
    help->setObjectName(QStringLiteral("MPomoc"));
    auto* start = new QAction(QStringLiteral("Wyświetl &stronę startową"), this);
    start->setObjectName(QStringLiteral("AStronaPoczatkowa"));
    connect(start, &QAction::triggered, this, &TFormMain::ShowStartPage);
    help->addAction(start);
    auto* manual = new QAction(QStringLiteral("&Instrukcja obsługi"), this);
    manual->setObjectName(QStringLiteral("APomoc"));
    manual->setShortcut(QKeySequence(Qt::Key_F1));
    connect(manual, &QAction::triggered, this, [] { ShowHelpTopic(100); });
    help->addAction(manual);
    QMenu* web = help->addMenu(QStringLiteral("I&nternet"));
    web->addAction(QStringLiteral("Witryna &programu Solvira"), this, [] { openUrl(kWebProgram); });
    web->addAction(QStringLiteral("Witryna &naszej firmy"), this, [] { openUrl(kWebMaker); });
    web->addAction(QStringLiteral("Wyślij do nas &maila"), this, [] { openUrl(kMailMaker); });
    help->addSeparator();
    QAction* about = help->addAction(QStringLiteral("&O programie i autorach"));
    about->setObjectName(QStringLiteral("AOProgramie"));
    connect(about, &QAction::triggered, this, [this] {
        TFormAbout box(this);
        box.exec();
    });
}

void TFormMain::connectStartPage()
{
    TLinkLabel* links[] = {ui->LinkLabel1, ui->LinkLabel2, ui->LinkLabel3, ui->LinkLabel4, ui->LinkLabel5};
    QLabel* descriptions[] = {ui->L1, ui->L2, ui->L3, ui->L4, ui->L5};
    for (int i = 0; i < 5; ++i)
        connect(links[i], &TLinkLabel::hovered, descriptions[i], &QWidget::setVisible);
    connect(ui->LinkLabel1, &TLinkLabel::clicked, this, &TFormMain::ShowPoolPanel);
    connect(ui->LinkLabel2, &TLinkLabel::clicked, this, &TFormMain::ShowIssuePanel);
    connect(ui->LinkLabel3, &TLinkLabel::clicked, this, [this] { ShowSerialPanel(-1); });
    connect(ui->LinkLabel4, &TLinkLabel::clicked, this, &TFormMain::ShowSettingsPanel);
    connect(ui->LinkLabel5, &TLinkLabel::clicked, this, &TFormMain::ShowContextHelp);
    connect(ui->LinkLabel6, &TLinkLabel::clicked, this, [] { openUrl(kWebMaker); });
}

void TFormMain::fillConstantLists()
{
    auto* branches = m_settingsPanel->findChild<QComboBox*>(QStringLiteral("CBSwKasaCh"));
    branches->clear();
    branches->addItems(BranchList());
    // The entitlement list is kept sorted, so its empty entry comes first.
    QStringList entitlements = EntitlementList();
    entitlements << QString();
    std::stable_sort(entitlements.begin(), entitlements.end(),
                     [](const QString& a, const QString& b) { return CompareCp1250(a, b) < 0; });
    ui->CBLekiUprawnienia->clear();
    ui->CBLekiUprawnienia->addItems(entitlements);
    ui->CBLekiOdplat->clear();
    ui->CBLekiOdplat->addItems(PaymentLevelList());
    ui->CBLekiOdplat->addItem(QString());
}

void TFormMain::createPreviews()
{
    struct TDef
    {
        QWidget* box;
        TSVPreview** preview;
        const char* name;
        const char* hint;
    };
    const TDef defs[] = {
        {ui->GroupPreview, &m_serialPreview, "PreviewSerial", "podgląd rozmieszczenia druków recept na arkuszu papieru"},
        {ui->GBLekiPreview, &m_issuePreview, "PreviewLeki", "podgląd rozmieszczenia druku recepty na arkuszu papieru"},
    };
    for (const TDef& def : defs) {
        auto* preview = new TSVPreview(def.box);
        preview->setObjectName(QString::fromLatin1(def.name));
        // The hint goes to the status bar only; the preview shows no tooltip.
        preview->setStatusTip(QString::fromUtf8(def.hint));
        // Painted again when its panel is first shown.
        preview->BeginUpdate();
        // An A4 sheet with a printer's usual margins stands until the panel chooses a printer and paper.
        preview->SetPaperRect({0, 0, 210, 297});
        preview->SetPrintableRect({4, 4, 206, 293});
        *def.preview = preview;
        placePreview(def.box);
        // The box gets its size from the layout later; the preview keeps its place in it.
        def.box->installEventFilter(this);
    }
    m_serialPreview->Sheet().SetAuto(true);
    m_serialPreview->Sheet().SetLiczbaRecept(-1); // as many as the sheet holds
    m_issuePreview->Sheet().SetLiczbaRecept(1);
}

void TFormMain::placePreview(QWidget* box)
{
    TSVPreview* preview = box == ui->GroupPreview ? m_serialPreview : m_issuePreview;
    if (preview)
        preview->SetPlacement(5, 15, box->height() - 20, box->width() - 10);
}

bool TFormMain::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && (watched == ui->GroupPreview || watched == ui->GBLekiPreview))
        placePreview(static_cast<QWidget*>(watched));
    return QMainWindow::eventFilter(watched, event);
}

bool TFormMain::FormCreate(QString* error)
{
    // The store was opened and brought up to date before the window was made (RunProgram).
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    QString markerError;
    // The data folder stands for the program folder: the marker and the discarded index files live there.
    if (!UpdateVersionMarker(QDir::currentPath(), &markerError))
        Ask::error(markerError);
    fillConstantLists();
    createPreviews();
    QString loadError;
    const bool loaded = m_settings.Load(
        [this](TFirstRunData& data) {
            TFormUstawieniaWizard wizard(this);
            wizard.exec();
            data = wizard.Data();
        },
        &loadError);
    if (!loaded) {
        if (error)
            *error = loadError;
        return false;
    }
    SettingsToControls();
    m_patient = TPacjent();
    if (newPrescription)
        newPrescription(*this);
    return true;
}

void TFormMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TFormMain::FormShow()
{
    ShowStartPage();
    QApplication::setApplicationDisplayName(QString());
    setWindowTitle(ProgramTitle());
    if (m_commandLine.count == 0) {
        m_splash = new TFormSplash(this);
        m_splash->placeOnScreen();
        m_splash->show();
        return;
    }
    ui->EdPesel->setText(m_commandLine.pesel);
    if (m_commandLine.hasFirstName())
        ui->EdImie->setText(m_commandLine.firstName);
    if (m_commandLine.hasSurname())
        ui->EdNazwisko->setText(m_commandLine.surname);
    if (m_commandLine.hasDoctor())
        m_settingsPanel->findChild<QLineEdit*>(QStringLiteral("EdIdLekarza"))->setText(m_commandLine.doctor);
    ShowIssuePanel();
}

TFormSplash* TFormMain::Splash() const
{
    return m_splash.data();
}

void TFormMain::closeEvent(QCloseEvent* event)
{
    emptyPanelLists();
    ControlsToSettings();
    if (m_splash)
        m_splash->close();
    event->accept();
}

QString TFormMain::BannerFile() const
{
    return QStringLiteral("logo-bt.bmp");
}

void TFormMain::ReloadBanner()
{
    if (!QFile::exists(BannerFile()))
        return;
    QImageReader reader(BannerFile());
    const QImage image = reader.read();
    if (image.isNull()) {
        // Said in the status bar: a box every four seconds would bury the window.
        m_hint->setText(reader.errorString());
        return;
    }
    const qreal ratio = devicePixelRatioF();
    QPixmap banner = QPixmap::fromImage(image).scaled(QSize(550, 95) * ratio, Qt::KeepAspectRatio,
                                                      Qt::SmoothTransformation);
    banner.setDevicePixelRatio(ratio);
    ui->ImageBanner->setPixmap(banner);
}

void TFormMain::switchTo(Panel panel)
{
    ControlsToSettings();
    QToolButton* buttons[] = {nullptr, ui->LOB1, ui->LOB2, ui->LOB3, ui->LOB4};
    for (QToolButton* b : buttons)
        if (b)
            b->defaultAction()->setChecked(false);
    if (buttons[int(panel)])
        buttons[int(panel)]->defaultAction()->setChecked(true);
    static const char* suffixes[] = {"", "  [Pula numerów]", "  [Wystawienie recepty]", "  [Wydruk seryjny]",
                                     "  [Ustawienia]"};
    setWindowTitle(ProgramTitle() + QString::fromUtf8(suffixes[int(panel)]));
    // The previews were held back at start-up; their panels paint them from the first showing on.
    if (panel == Panel::Serial && m_serialPreview && !m_serialPreview->IsPainting())
        m_serialPreview->EndUpdate();
    if (panel == Panel::Issue && m_issuePreview && !m_issuePreview->IsPainting())
        m_issuePreview->EndUpdate();
    QWidget* pages[] = {ui->PAbout, ui->PPulaNumerow, ui->PWystawienie, ui->PWydrukSeryjny, ui->PUstawienia};
    m_panel = panel;
    ui->Panels->setCurrentWidget(pages[int(panel)]);
}

void TFormMain::ShowStartPage() { switchTo(Panel::Start); }
void TFormMain::ShowPoolPanel() { switchTo(Panel::Pools); }
void TFormMain::ShowIssuePanel() { switchTo(Panel::Issue); }
void TFormMain::ShowSerialPanel(qint64) { switchTo(Panel::Serial); }
void TFormMain::ShowSettingsPanel() { switchTo(Panel::Settings); }

int TFormMain::ContextHelpTopic() const
{
    switch (m_panel) {
    case Panel::Settings: return 304;
    case Panel::Serial: return 303;
    case Panel::Issue: return 302;
    case Panel::Pools: return 301;
    default: return 100;
    }
}

void TFormMain::ShowContextHelp()
{
    ShowHelpTopic(ContextHelpTopic());
}

void TFormMain::SetPrintProgress(int done, int total)
{
    m_progress->setProgress(done, total);
}

void TFormMain::SettingsToControls()
{
    m_settingsPanel->ToControls();
    numberingToControls();
    poolSettingsToControls();
    issueSettingsToControls();
    serialSettingsToControls();
    previewsFromSettings();
}

void TFormMain::ControlsToSettings()
{
    m_settingsPanel->FromControls();
    poolControlsToSettings();
    issueControlsToSettings();
    serialControlsToSettings();
    numberingFromControls();
    previewsFromSettings();
    QString error;
    if (!m_settings.Save(&error))
        Ask::error(QStringLiteral("Nie można zapisać ustawień.\r") + error);
}

void TFormMain::numberingToControls()
{
    ui->CBLekiNumerowanie->setChecked(m_settings.numerowanie);
    ui->CBWydrSerNumer->setChecked(m_settings.numerowanie);
}

void TFormMain::numberingFromControls()
{
    // The box changed since the last transfer wins; when both changed, the issue panel's.
    const bool issue = ui->CBLekiNumerowanie->isChecked();
    m_settings.numerowanie = issue == m_settings.numerowanie ? ui->CBWydrSerNumer->isChecked() : issue;
}

void TFormMain::previewsFromSettings()
{
    QStringList lines;
    m_settings.ProviderLines(lines);
    for (TSVPreview* preview : {m_serialPreview, m_issuePreview}) {
        if (!preview)
            continue;
        preview->Sheet().SetSettings(m_settings.FormSettings());
        preview->Sheet().Swiadczeniodawca = lines;
        preview->Sheet().KasaChorych = TrimRightBlanks(m_settings.provider.swd_symbolkch);
        preview->update();
    }
}

// The pool, issue and serial panels add their controls' settings here when they are built.
void TFormMain::poolControlsToSettings() {}
void TFormMain::issueControlsToSettings() {}
void TFormMain::serialControlsToSettings() {}
void TFormMain::poolSettingsToControls() {}
void TFormMain::issueSettingsToControls() {}
void TFormMain::serialSettingsToControls() {}
// Closing empties the pool panel's list and the issue panel's drug lines; those panels add theirs here.
void TFormMain::emptyPanelLists() {}
