// One sheet of paper with prescription forms on it: how many forms fit, in which orientation,
// where each stands on the canvas. Print jobs and the page preview share it; a sheet whose
// printable area is set (not all zero) works in preview mode.
#pragma once

#include "document/svGraphics.h"
#include "printing/svPageGrid.h"

class TSVDrawSheetGeometry
{
public:
    explicit TSVDrawSheetGeometry(int border = 0);

    // How many forms per page are wanted; -1 = as many as fit.
    int LiczbaRecept = 0;
    int Orientation = 0; // 0 portrait, 1 landscape
    int HAlign = alCenter;
    int VAlign = alMiddle;
    bool EqSpaceH = false;
    bool EqSpaceV = false;
    bool Auto = false;

    // Rectangles are left, top, right, bottom; a width is right - left.
    TRectL PageRect;      // the page on the canvas, canvas units
    TRectL PrintableRect; // the printable area inside PageRect (preview mode only)
    TRectL PaperMM;       // (0, 0, width, height) in portrait shape
    TRectL PrintableMM;   // in portrait coordinates; all zero in print mode
    int Border = 0;
    int CanvasWidth = 0;
    int CanvasHeight = 0;
    int OriginX = 0;
    int OriginY = 0;

    void SetPaperRect(const TRectL& mm);
    void SetPrintableRect(const TRectL& mm);
    void SetOrientation(int orientation);
    void SetAuto(bool on);
    void SetLiczbaRecept(int count);
    int MaxNum() const;
    bool PreviewMode() const { return !IsEmptyRect(PrintableMM); }

    // The page in mm in the current orientation.
    int PageWidthMM() const;
    int PageHeightMM() const;

private:
    void recomputePageRect();
    void recomputePrintableRect();
};

#include "document/svRecipe.h"
#include "printing/svFormSettings.h"
#include "printing/svNumGen.h"

#include <memory>
#include <vector>

class QPainter;

// The sheet that draws: forms with their numbers on a page of a printer or a preview.
class TSVDrawSheet : public TSVDrawSheetGeometry
{
public:
    // The canvas is not owned; the generator is.
    TSVDrawSheet(QPainter* canvas, int border, std::unique_ptr<TSVNumGen> generator);

    QPainter* Canvas = nullptr;
    int FormKind = 0;
    bool DrRamki = true;
    bool DrNumer = true;
    bool DrSwiadcz = true;
    bool DrSymbKCh = true;
    TFormSettings Settings;     // from the settings at creation
    QStringList Swiadczeniodawca;
    QString KasaChorych;
    std::vector<TMedicine> Medicines;
    QStringList Pacjent;
    QString Pesel;
    QString Data;
    QString DataReal;
    QString Przewlekle;
    QString Uprawnienia;
    TrpSpecialKind Specjalny = rpNone;
    const QImage* Logotyp = nullptr;  // not owned
    const QImage* Signpict = nullptr; // not owned

    TSVNumGen& NumGen() { return *m_numGen; }
    void SetSettings(const TFormSettings& settings);
    void ClearMedicines() { Medicines.clear(); }

    // Preview: background, shadow and blank page, then the forms. Print: the forms alone.
    void Draw();
    // One page of forms. Answers how many forms were drawn.
    int DrawPage();
    // The numbers the last page carried, in drawing order.
    QStringList LastNumbers;

private:
    std::unique_ptr<TSVNumGen> m_numGen;
};
