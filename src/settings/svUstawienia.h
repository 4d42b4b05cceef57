// The settings of the program: the provider, the doctor, the form, the fonts and the printers,
// persisted in the one row of the settings table (data_109), each field in the column of its
// name.
#pragma once

#include "printing/svFormSettings.h"

#include <QString>
#include <QStringList>

#include <array>
#include <functional>

struct TSwiadczeniodawca
{
    QString swd_nazwa1;
    QString swd_nazwa2;
    QString swd_adres1;
    QString swd_adres2;
    QString swd_dodinfo;
    QString swd_symbolkch; // the first three characters of the branch entry, e.g. "12 "
    QString swd_regon;
};

// What the first-run wizard collects.
struct TFirstRunData
{
    TSwiadczeniodawca provider;
    bool numerowanie = true;
    bool druknrnfz = true;
};

struct TUstawienia
{
    TSwiadczeniodawca provider;
    QString swd_fontname = QStringLiteral("Liberation Sans");
    int swd_framesize = 0;
    int swd_rcwidth = 99;
    int swd_rcheight = 210;
    bool numerowanie = true;
    bool frameexist = true;
    bool drukNrNFZ = true;
    bool boldBase = false;
    QString druk_Tekst = QStringLiteral("Dane podmiotu drukującego");
    QString daneId;
    QString daneId1;
    QString daneId2;
    QString WzorRecepty = QStringLiteral("2011-12-23");
    bool RamkiLekiWl = true;
    int RamkiWewnPrzeryw = 0;
    int regonDrukuj = 0;
    int nrPrawaDrukuj = 0;
    std::array<QString, 10> Czcionka;
    std::array<int, 10> CzcionkaRozmiar{};
    std::array<bool, 10> Pogrub{};
    int StopkaPolozenie = 0;
    QString prn_single_name;
    QString prn_single_format = QStringLiteral("A4");
    int prn_single_align = 0;
    bool prn_single_rotate = false;
    QString prn_seria_name;
    QString prn_seria_format = QStringLiteral("A4");
    int prn_seria_align = 0;
    bool prn_seria_rotate = false;
    bool prn_seria_just_hor = false;
    bool prn_seria_just_vert = false;
    bool prn_seria_swd = true;
    bool prn_seria_nfz = true;
    int prn_seria_nastronie = 1;
    QString prn_dodatkowa_name;
    QString prn_dodatkowa_format = QStringLiteral("A4");

    TUstawienia();

    // The first-run step: called when the settings table has no row; it fills the data (the
    // GUI shows the wizard). Without one the row takes the column defaults.
    using FirstRun = std::function<void(TFirstRunData&)>;
    bool Load(const FirstRun& firstRun = {}, QString* error = nullptr);
    bool Save(QString* error = nullptr);
    void SetDefaults();
    bool LoadProvider();
    bool SaveProvider();
    void ProviderLines(QStringList& lines) const;
    // What every printed form takes from these settings.
    TFormSettings FormSettings() const;
};

// The size each font slot gets from SetDefaults.
inline constexpr std::array<int, 10> kDefaultFontSizes{25, 12, 14, 14, 18, 18, 18, 12, 18, 18};

// Ensures the settings row exists (created with column defaults), for tools without the wizard.
bool EnsureSettingsRow(QString* error = nullptr);
// One column of the settings row as text; false when there is no such column.
bool SettingsValue(const QString& column, QString* value);
bool SetSettingsValue(const QString& column, const QString& value, QString* error = nullptr);
