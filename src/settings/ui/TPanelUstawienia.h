// The settings panel: four tabs of settings and the defaults button; transfers to and from TUstawienia.
#pragma once

#include "settings/svUstawienia.h"

#include <QWidget>

#include <memory>

namespace Ui
{
class TPanelUstawienia;
}

class TPanelUstawienia : public QWidget
{
    Q_OBJECT
public:
    explicit TPanelUstawienia(TUstawienia& settings, QWidget* parent = nullptr);
    ~TPanelUstawienia() override;

    // The panel's share of SettingsToControls / ControlsToSettings (the caller loads and saves).
    void ToControls();
    void FromControls();
    void PatternChanged();
    void RestoreDefaults();
    // Loads or removes the signature ("drukpict") or logo ("logopict") picture of the program folder.
    void LoadPicture(const QString& stem);
    void RemovePicture(const QString& stem);

signals:
    // The defaults were put into the panel; the numbering boxes of the printing panels show them too.
    void defaultsRestored();

private:
    // The controls that both the settings and the defaults button fill.
    void showResettable();
    struct TSlot;
    TSlot slot(int index) const;
    void showPicture(const QString& stem);
    void updateSignatureControls();
    std::unique_ptr<Ui::TPanelUstawienia> ui;
    TUstawienia& m_settings;
};

// The font slots' control names, in slot order (01..10), without their prefixes.
extern const char* const kFontSlotNames[10];
