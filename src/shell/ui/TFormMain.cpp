#include "shell/ui/TFormMain.h"

#include "settings/ui/TFormUstawieniaWizard.h"
#include "settings/ui/TPanelUstawienia.h"
#include "shell/Ask.h"
#include "shell/Paths.h"
#include "shell/svGlobals.h"
#include "shell/ui/svShellWidgets.h"
#include "ui_TFormMain.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFormLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

namespace
{
std::function<void(const QUrl&)>& urlOpener()
{
    static std::function<void(const QUrl&)> opener = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    return opener;
}

void openUrl(const char* url)
{
    urlOpener()(QUrl(QString::fromLatin1(url)));
}

struct TLink
{
    const char* name;
    const char* caption;
    const char* description;
};

const TLink kLinks[] = {
    {"LinkLabel1", "Pula numerów",
     "w tej opcji można zarządzać pulami numerów uzyskanymi z NFZ to znaczy: możesz ręcznie wprowadzić zakres "
     "numerów dla nowowystawianych recept, odczytać automatycznie z pliku, blokować pewne numery itp."},
    {"LinkLabel2", "Wystawianie recepty",
     "dzięki tej opcji programu możesz wystawić pojedynczą receptę - program zadba o nadanie właściwego, kolejnego "
     "numeru; tutaj można skorzystać z dostępnej bazy leków oraz tworzonej przez Ciebie bazy pacjentów"},
    {"LinkLabel3", "Wydruk seryjny",
     "opcja pozwala drukować na drukarce podłączonej do komputera druki recept; jest to bardzo wszechstronne "
     "narzędzie umożliwiające wybór sposobu druku, formatu papieru itp. szczegółowo decydujemy o efekcie końcowym"},
    {"LinkLabel4", "Ustawienia",
     "tutaj możesz wprowadzić istotne informacje, które będą wykorzystywane podczas drukowania recept; w "
     "szczególności dane świadczeniodawcy oraz parametry wpływające na końcowy wygląd recepty"},
    {"LinkLabel5", "Pomoc - szczegółowa instrukcja obsługi",
     "obsługa programu jest intuicyjna, aby jednak maksymalnie wykorzystać możliwości przeczytaj instrukcję obsługi"},
    {"LinkLabel6", "Witryna producenta programu", nullptr},
};

QLineEdit* addEdit(QFormLayout* form, const char* name, const char* label, const char* hint = nullptr)
{
    auto* edit = new QLineEdit;
    edit->setObjectName(QString::fromLatin1(name));
    if (hint) {
        edit->setToolTip(QString::fromUtf8(hint));
        edit->setStatusTip(QString::fromUtf8(hint));
    }
    form->addRow(QString::fromUtf8(label), edit);
    return edit;
}
} // namespace

void SetUrlOpener(std::function<void(const QUrl&)> opener)
{
    urlOpener() = std::move(opener);
}

QString HelpTopicFile(int topic)
{
    const QString path = Paths::assetPath(QStringLiteral("help/%1.html").arg(topic));
    return QFile::exists(path) ? path : QString();
}

void ShowHelpTopic(int topic)
{
    const QString file = HelpTopicFile(topic);
    if (!file.isEmpty())
        urlOpener()(QUrl::fromLocalFile(file));
}

TFormMain::TFormMain(const TCommandLine& commandLine, QWidget* parent)
    : QMainWindow(parent)
    , ui(std::make_unique<Ui::TFormMain>())
    , m_commandLine(commandLine)
{
    ui->setupUi(this);
    setWindowTitle(kProductWord);
    resize(698, 598);
    buildActions();
    buildStartPage();
    buildSettingsPanel();
    buildIssueFields();

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

    ui->ImageBanner->setPixmap(SolviraArtwork(QStringLiteral("banner"), QSize(550, 95)));
    ui->ImageBanner->installEventFilter(this);
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
        auto* action = new QAction(QIcon(SolviraArtwork(QString::fromLatin1(def.icon), QSize(64, 64))),
                                   QString::fromUtf8(def.caption), this);
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
    checkDigit->setEnabled(false); // the calculator dialog comes with the numbers' window
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

void TFormMain::buildStartPage()
{
    auto* layout = qobject_cast<QVBoxLayout*>(ui->PAbout->layout());
    auto* welcome = new QPlainTextEdit;
    welcome->setObjectName(QStringLiteral("MemoWitaj"));
    welcome->setReadOnly(true);
    // The sentences wrap with the box's width; only the greeting keeps a line of its own.
    welcome->setPlainText(QStringLiteral(
        "Lekarzu !\nWitaj w programie do kompleksowej obsługi procesu wystawiania RECEPT lekarskich. Narzędzie to "
        "na pewno ułatwi Ci pracę niezależnie od tego czy posiadasz komputer w swoim gabinecie, na zapleczu, czy "
        "korzystasz z komputera sporadycznie. Jeżeli po raz pierwszy uruchomiłeś program zapoznaj się z instrukcją "
        "w menu \"pomoc\"."));
    welcome->setMaximumHeight(110);
    layout->addWidget(welcome);
    auto* choose = new QPlainTextEdit;
    choose->setObjectName(QStringLiteral("MemoOpcje"));
    choose->setReadOnly(true);
    choose->setPlainText(QStringLiteral(
        "Interesującą Cię opcję programu możesz wybrać z poniższej listy, lub naciskając odpowiednią ikonę z listy "
        "opcji (lewy obszar okna), lub też posługując się menu znajdującym się w górnej części okna."));
    choose->setMaximumHeight(70);
    layout->addWidget(choose);
    int index = 0;
    for (const TLink& link : kLinks) {
        ++index;
        auto* label = new QLabel(QString::fromUtf8(link.caption));
        label->setObjectName(QString::fromLatin1(link.name));
        label->setCursor(Qt::PointingHandCursor);
        QPalette pal = label->palette();
        pal.setColor(QPalette::WindowText, QColor(0, 0, 160));
        label->setPalette(pal);
        label->installEventFilter(this);
        layout->addWidget(label);
        if (link.description) {
            auto* panel = new QLabel(QString::fromUtf8(link.description));
            panel->setObjectName(QStringLiteral("L%1").arg(index));
            panel->setWordWrap(true);
            panel->setAutoFillBackground(true);
            panel->setStyleSheet(QStringLiteral("background:#ffffe1; padding:3px;"));
            panel->setMinimumHeight(48);
            panel->setVisible(false);
            layout->addWidget(panel);
        }
    }
    layout->addStretch();
}

void TFormMain::buildSettingsPanel()
{
    m_settingsPanel = new TPanelUstawienia(m_settings, ui->PUstawienia);
    ui->PUstawienia->layout()->addWidget(m_settingsPanel);
}

void TFormMain::buildIssueFields()
{
    // The patient's search fields that the command line fills; the rest of the panel comes with its issue.
    auto* layout = qobject_cast<QVBoxLayout*>(ui->PWystawienie->layout());
    auto* form = new QFormLayout;
    addEdit(form, "EdPesel", "PESEL");
    addEdit(form, "EdImie", "imię");
    addEdit(form, "EdNazwisko", "nazwisko");
    layout->addLayout(form);
    layout->addStretch();
}

bool TFormMain::FormCreate(QString* error)
{
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    QString markerError;
    // The data folder stands for the program folder: the marker and the discarded index files live there.
    if (!UpdateVersionMarker(QDir::currentPath(), &markerError))
        Ask::error(markerError);
    auto* branch = findChild<QComboBox*>(QStringLiteral("CBSwKasaCh"));
    branch->clear();
    branch->addItems(BranchList());
    if (createPreviews)
        createPreviews(*this);
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
    findChild<QLineEdit*>(QStringLiteral("EdPesel"))->setText(m_commandLine.pesel);
    if (m_commandLine.hasFirstName())
        findChild<QLineEdit*>(QStringLiteral("EdImie"))->setText(m_commandLine.firstName);
    if (m_commandLine.hasSurname())
        findChild<QLineEdit*>(QStringLiteral("EdNazwisko"))->setText(m_commandLine.surname);
    if (m_commandLine.hasDoctor())
        findChild<QLineEdit*>(QStringLiteral("EdIdLekarza"))->setText(m_commandLine.doctor);
    ShowIssuePanel();
}

TFormSplash* TFormMain::Splash() const
{
    return m_splash.data();
}

void TFormMain::closeEvent(QCloseEvent* event)
{
    ControlsToSettings();
    if (m_splash)
        m_splash->close();
    event->accept();
}

bool TFormMain::eventFilter(QObject* watched, QEvent* event)
{
    auto* label = qobject_cast<QLabel*>(watched);
    if (label && (event->type() == QEvent::Enter || event->type() == QEvent::Leave)) {
        const bool inside = event->type() == QEvent::Enter;
        QFont font = label->font();
        font.setUnderline(inside);
        label->setFont(font);
        const QString name = label->objectName();
        if (name.startsWith(QLatin1String("LinkLabel"))) {
            if (auto* panel = findChild<QLabel*>(QLatin1Char('L') + name.mid(9)))
                panel->setVisible(inside);
        }
    }
    if (label && event->type() == QEvent::MouseButtonRelease) {
        const QString name = label->objectName();
        if (name == QLatin1String("ImageBanner") || name == QLatin1String("LinkLabel6"))
            openUrl(kWebMaker);
        else if (name == QLatin1String("LinkLabel1"))
            ShowPoolPanel();
        else if (name == QLatin1String("LinkLabel2"))
            ShowIssuePanel();
        else if (name == QLatin1String("LinkLabel3"))
            ShowSerialPanel(-1);
        else if (name == QLatin1String("LinkLabel4"))
            ShowSettingsPanel();
        else if (name == QLatin1String("LinkLabel5"))
            ShowContextHelp();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
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
        m_hint->setText(reader.errorString());
        return;
    }
    ui->ImageBanner->setPixmap(QPixmap::fromImage(image).scaled(550, 95, Qt::KeepAspectRatio, Qt::SmoothTransformation));
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
    poolSettingsToControls();
    issueSettingsToControls();
    serialSettingsToControls();
}

void TFormMain::ControlsToSettings()
{
    m_settingsPanel->FromControls();
    poolControlsToSettings();
    issueControlsToSettings();
    serialControlsToSettings();
    QString error;
    if (!m_settings.Save(&error))
        m_hint->setText(error);
}

// The pool, issue and serial panels add their controls' settings here when they are built.
void TFormMain::poolControlsToSettings() {}
void TFormMain::issueControlsToSettings() {}
void TFormMain::serialControlsToSettings() {}
void TFormMain::poolSettingsToControls() {}
void TFormMain::issueSettingsToControls() {}
void TFormMain::serialSettingsToControls() {}
