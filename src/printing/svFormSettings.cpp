#include "printing/svFormSettings.h"

#include "document/svRecipe.h"
#include "shell/svGlobals.h"

#include <QDir>

void ApplyFormSettings(TRecipe& r, const TFormSettings& s)
{
    r.FrameExist = s.frameExist;
    r.FrameSize = s.frameSize;
    r.FontName = s.fontName;
    r.BoldBase = s.boldBase;
    r.Stopka = s.drukTekst;
    r.DaneId = s.daneId;
    r.DaneId1 = s.daneId1;
    r.DaneId2 = s.daneId2;
    r.RegonDrukuj = s.regonDrukuj;
    r.NrPrawaDrukuj = s.nrPrawaDrukuj;
    r.Regon = s.regon;
    r.DrugFrameWidth = s.drugFrameWidth;
}

QImage LoadLogoPicture()
{
    QString name;
    FirstMatchingFileName(QDir::currentPath() + QStringLiteral("/logopict.*"), name);
    return name.isEmpty() ? QImage() : QImage(QDir::current().filePath(name));
}
