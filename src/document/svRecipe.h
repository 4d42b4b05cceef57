// One printed prescription form: its drug lines, its data, its place and size on the canvas,
// and the drawing of the whole form (pattern and data) on any painter.
#pragma once

#include "document/svGraphics.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

class QPaintDevice;
class QPainter;

enum TrpSpecialKind : int { rpNone = 0, rpProFamilia = 1, rpProAuctore = 2 };

// One drug line; also carries a drug between the drug bases, the register and the issue panel.
class TMedicine
{
public:
    TMedicine() = default;
    TMedicine(const QString& nazwa, int odplatnosc, const QString& opakowanie, bool thirdFlag, bool nieZamieniac,
              bool cito, const QString& jm, double ilosc, const QString& dawkowanie, const QString& dawka,
              const QString& postac);

    void Clear();
    // Copies every field except IdLeku.
    void Assign(const TMedicine& other);

    qint32 IdLeku = 0;
    QString Nazwa;
    QString Postac;
    QString Dawka;
    QString Dawkowanie;
    double Ilosc = 0;
    QString Jm;
    QString Opakowanie;
    bool Cito = false;
    bool NieZamieniac = false;
    bool ThirdFlag = false; // always false; nothing reads it
    QString Atc;
    bool Receptariusz = false;
    QString Uwagi;
    qint32 Odplatnosc = 0; // position in PaymentLevelList(): "B", "R", "30%", "50%", "100%"
};

// A font slot of the form: face, size in thousandths of the form height, height factor
// (size / 1000 x VerticalScale) and bold.
struct TFontSlot
{
    QString Name = QStringLiteral("Liberation Sans");
    qint32 Size = 0;
    long double HeightFactor = 0;
    bool Bold = false;
};

class TRecipe
{
public:
    // Fields at their defaults; recomputes the layout scale from FormHeightMM / FormWidthMM.
    TRecipe();

    void SetFormWidth(qint32 width) { Width = width; }
    void SetFormHeight(qint32 height) { Height = height; }
    // Replaces the drug lines with copies of the given ones (the list itself is not touched).
    void AssignMedicines(const std::vector<TMedicine>& medicines);

    // Draws this form at (Left, Top): the pattern when DrRamki is set and FormKind is 0, then the
    // data over it. Pen and font of the canvas stay as the last step set them.
    void Draw(TCanvas& canvas);
    // The same on a painter of any device (image, printer, PDF, widget), in its device units.
    void Draw(QPainter& painter);

    // The two diagonals of the square (x1, y1) top-left to (x2, y2) bottom-right, pen width
    // Round(FrameSize / 900 x Height).
    void DrawCross(TCanvas& canvas, int x1, int y1, int x2, int y2);
    // A dashed line in the current pen width w: dashes of 10 + 5 (w - 1) units, as long gaps.
    void DrawDashedLine(TCanvas& canvas, int x1, int y1, int x2, int y2);

    // Font slot 1..10.
    const TFontSlot& Font(int slot) const { return Fonts.at(size_t(slot - 1)); }
    // Cell height of font slot 1..10 on this form: Round(Height x size / 1000 x VerticalScale).
    int FontSlotHeight(int slot) const;

    qint32 Left = 0;
    qint32 Top = 0;
    qint32 Width = 0;
    qint32 Height = 0;
    QString Numer;
    QString KasaChorych;
    QString Uprawnienia;
    QString Przewlekle;
    QString Data;     // yyyy-MM-dd
    QString DataReal; // yyyy-MM-dd or empty
    QStringList Swiadczeniodawca;
    QStringList Pacjent;
    QString Pesel;
    std::vector<TMedicine> Medicines;
    TrpSpecialKind Specjalny = rpNone;
    QString Stopka;
    QString Regon;
    qint32 FormKind = 0;
    bool FrameExist = true;
    bool DrRamki = true;
    qint32 FrameSize = 3;
    bool DrugFrames = true;
    qint32 DrugFrameWidth = 0;
    QString FontName = QStringLiteral("Liberation Sans");
    bool BoldBase = false;
    QString DaneId;
    QString DaneId1;
    QString DaneId2;
    const QImage* Logotyp = nullptr; // not owned
    const QImage* Signpict = nullptr; // not owned; printed by no drawing
    QString WzorRecepty = QStringLiteral("2011-12-23");
    qint32 RegonDrukuj = 0;   // 0 no, 1 text, 2 barcode
    qint32 NrPrawaDrukuj = 0; // 0 no, 1 text, 2 barcode
    std::array<TFontSlot, 10> Fonts;

private:
    void drawPattern20111223(TCanvas& canvas);
    void drawData(TCanvas& canvas);
    int drugFontHeight(TCanvas& canvas);
    void drawDrugLine(TCanvas& canvas, const TMedicine& drug, int xl, int yt, int xr, int fd);
    void drawBarcode(TCanvas& canvas, const QString& digits, int barHeight, const TRectL& r);
    void drawAnnotation(TCanvas& canvas, const QString& text);

    // Where the pattern put the PESEL and the text under its barcode (empty rectangles when
    // not printed): the annotation keeps clear of them.
    TRectL m_peselValueBox;
    TRectL m_peselCodeBox;
};

// Sizes the form from FormWidthMM x FormHeightMM at the device's resolution (truncated device
// units, as the sheet sizes its forms). With Left and Top set, Draw then prints it there:
//     TRecipe form; SizeRecipeForDevice(form, printer); form.Left = x; form.Top = y; form.Draw(painter);
void SizeRecipeForDevice(TRecipe& recipe, const QPaintDevice& device);

// Code texts of the identifier barcodes, with their check digit (weights 7, 9, 1, 3 over the
// characters that count). Empty when the identifier is too short to give one: no barcode then.
QString PeselBarcodeText(const QString& pesel);
QString LicenceBarcodeText(const QString& licence);
QString RegonBarcodeText(const QString& regon);
// The quantity as the form prints it: shortest general decimal form, no exponent.
QString QuantityText(double quantity);
