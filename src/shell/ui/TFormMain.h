// The main window: option bar, menus, the five panels, banner, status bar with the print progress.
#pragma once

#include "settings/svUstawienia.h"
#include "shell/Startup.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>

class QLabel;
class QLineEdit;
class QComboBox;
class QTimer;
class QAction;
class TFormSplash;
class TPrintProgressPanel;
class TPanelUstawienia;
namespace Ui
{
class TFormMain;
}

class TFormMain : public QMainWindow
{
    Q_OBJECT
public:
    explicit TFormMain(const TCommandLine& commandLine = {}, QWidget* parent = nullptr);
    ~TFormMain() override;

    // The one settings object of the running program.
    TUstawienia& Settings() { return m_settings; }

    void ShowStartPage();
    void ShowPoolPanel();
    void ShowIssuePanel();
    void ShowSerialPanel(qint64 poolId = -1);
    void ShowSettingsPanel();
    void ShowContextHelp();
    void SetPrintProgress(int done, int total);
    int ContextHelpTopic() const;

    void SettingsToControls();
    void ControlsToSettings();

    // Hooks that later panels fill; each is called at its point of the start-up sequence or a switch.
    std::function<void(TFormMain&)> createPreviews;   // after the lists are filled
    std::function<void(TFormMain&)> newPrescription;  // last step of the start-up

    // Runs the start-up steps that need the window (lists, previews, settings with the wizard).
    bool FormCreate(QString* error = nullptr);
    void FormShow();

    TFormSplash* Splash() const;
    QString BannerFile() const;
    void ReloadBanner();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Panel { Start, Pools, Issue, Serial, Settings };
    void buildActions();
    void buildStartPage();
    void buildSettingsPanel();
    void buildIssueFields();
    void switchTo(Panel panel);
    // The steps of the transfers for the controls of later panels: each issue extends its own.
    void poolControlsToSettings();
    void issueControlsToSettings();
    void serialControlsToSettings();
    void poolSettingsToControls();
    void issueSettingsToControls();
    void serialSettingsToControls();

    std::unique_ptr<Ui::TFormMain> ui;
    TUstawienia m_settings;
    TCommandLine m_commandLine;
    Panel m_panel = Panel::Start;
    bool m_shown = false;
    QPointer<TFormSplash> m_splash;
    TPrintProgressPanel* m_progress = nullptr;
    QLabel* m_hint = nullptr;
    TPanelUstawienia* m_settingsPanel = nullptr;
    QTimer* m_bannerTimer = nullptr;
};

// Opens the page of a help topic (data/help/<topic>.html) in the system's browser.
void ShowHelpTopic(int topic);
// The file of a help topic; empty when it is not shipped.
QString HelpTopicFile(int topic);
// Where the system shell is sent for help and web links; tests replace it.
void SetUrlOpener(std::function<void(const QUrl&)> opener);
