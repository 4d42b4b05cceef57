// What every printed form takes from the settings: provider lines, branch symbol, frames,
// fonts, the footer text, the doctor's data, REGON and licence printing, the form size.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

class TRecipe;

struct TFormSettings
{
    QStringList providerLines = {QString(), QString()}; // the two name lines, even when empty
    QString symbolKCh;
    bool frameExist = true;
    int frameSize = 0;
    QString fontName = QStringLiteral("Liberation Sans");
    bool boldBase = false;
    QString drukTekst = QStringLiteral("Dane podmiotu drukującego");
    QString daneId, daneId1, daneId2;
    int regonDrukuj = 0;
    int nrPrawaDrukuj = 0;
    QString regon;
    int drugFrameWidth = 0;
    int formWidthMM = 99;
    int formHeightMM = 210;
};

// Hands the settings' part of a form to it. Provider lines, branch symbol and logo are the
// caller's choice (the sheet prints them only when asked), so they are not set here.
void ApplyFormSettings(TRecipe& recipe, const TFormSettings& settings);

// The provider's logo from the current (data) folder: "logopict" with the picture's extension.
QImage LoadLogoPicture();
