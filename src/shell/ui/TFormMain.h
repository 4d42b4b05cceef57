// The main window: option bar, menus, the five panels, banner, status bar with the print progress.
#pragma once

#include "settings/svUstawienia.h"
#include "shell/Startup.h"
#include "store/svDBPacjent.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>

class QLabel;
class QTimer;
class TFormSplash;
class TPrintProgressPanel;
class TPanelUstawienia;
class TSVPreview;
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
    // The patient the issue panel works with; empty until one is taken from the register.
    TPacjent& CurrentPatient() { return m_patient; }
    TSVPreview* SerialPreview() const { return m_serialPreview; }
    TSVPreview* IssuePreview() const { return m_issuePreview; }

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

    // The last step of the start-up; the issue panel sets it to start its new prescription.
    std::function<void(TFormMain&)> newPrescription;

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
    void connectStartPage();
    void fillConstantLists();
    void createPreviews();
    void placePreview(QWidget* box);
    void switchTo(Panel panel);
    void numberingToControls();
    void numberingFromControls();
    void previewsFromSettings();
    // The steps of the transfers and of closing for the controls of later panels: each panel extends its own.
    void poolControlsToSettings();
    void issueControlsToSettings();
    void serialControlsToSettings();
    void poolSettingsToControls();
    void issueSettingsToControls();
    void serialSettingsToControls();
    void emptyPanelLists();

    std::unique_ptr<Ui::TFormMain> ui;
    TUstawienia m_settings;
    TPacjent m_patient;
    TCommandLine m_commandLine;
    Panel m_panel = Panel::Start;
    bool m_shown = false;
    QPointer<TFormSplash> m_splash;
    TPrintProgressPanel* m_progress = nullptr;
    QLabel* m_hint = nullptr;
    TPanelUstawienia* m_settingsPanel = nullptr;
    TSVPreview* m_serialPreview = nullptr;
    TSVPreview* m_issuePreview = nullptr;
    QTimer* m_bannerTimer = nullptr;
};

// Opens the page of a help topic (data/help/<topic>.html) in the system's browser.
void ShowHelpTopic(int topic);
// The file of a help topic; empty when it is not shipped.
QString HelpTopicFile(int topic);
