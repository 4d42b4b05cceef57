// Code 128 barcodes (GS1-128, code set C) of the printed forms: the element string of a digit
// text and the one routine that paints bars on a canvas.
#pragma once

#include <QColor>
#include <QRectF>
#include <QString>

#include <functional>

class QPainter;

enum TSVBarcodeType : int {
    bcCode_2_5_interleaved, bcCode_2_5_industrial, bcCode_2_5_matrix, bcCode39, bcCode39Extended,
    bcCode128A, bcCode128B, bcCode128C, bcCode93, bcCode93Extended, bcCodeMSI, bcCodePostNet,
    bcCodeCodabar, bcCodeEAN8, bcCodeEAN13, bcCodeUPC_A, bcCodeUPC_E0, bcCodeUPC_E1, bcCodeUPC_Supp2,
    bcCodeUPC_Supp5, bcCodeEAN128A, bcCodeEAN128B, bcCodeEAN128C,
};

enum TSVCheckSumMethod : int { csmNone, csmModulo10 };

// The outcome of encoding one text. elements holds one character per bar or space, left to
// right: "0".."3" a space, "5".."8" a bar, of the narrowest to the widest of four widths.
struct TBarcodeEncoding
{
    QString text;     // the text as encoded: trimmed, with a leading "0" when it had an odd length
    QString elements; // empty when error is set
    QString error;    // "Barcode must be numeric", or empty
    bool ok() const { return error.isEmpty(); }
};

// GS1-128, code set C: Start C, FNC1, digit pairs, check character, Stop. Blanks and control
// characters around the text are removed; any other non-digit is an error.
TBarcodeEncoding EncodeEAN128C(const QString& text);

// The modulo-10 check digit appended when a barcode's optional Checksum is on (weights 3, 1
// from the right).
QChar Modulo10CheckDigit(const QString& digits);

class TSVBarcode
{
public:
    TSVBarcode() = default;
    virtual ~TSVBarcode() = default;

    int Height() const { return m_height; }
    void SetHeight(int value);
    QString Text() const { return m_text; }
    void SetText(const QString& value);
    int Top() const { return m_top; }
    void SetTop(int value);
    int Left() const { return m_left; }
    void SetLeft(int value);
    int Modul() const { return m_modul; }
    void SetModul(int value); // 1..49; other values are ignored
    double Ratio() const { return m_ratio; }
    void SetRatio(double value);
    TSVBarcodeType Typ() const { return m_typ; }
    void SetTyp(TSVBarcodeType value);
    bool Checksum() const { return m_checksum; }
    void SetChecksum(bool value);
    TSVCheckSumMethod CheckSumMethod() const { return m_checkSumMethod; }
    void SetCheckSumMethod(TSVCheckSumMethod value);
    double Angle() const { return m_angle; }
    void SetAngle(double value);
    QColor Color() const { return m_color; }
    void SetColor(const QColor& value);
    QColor ColorBar() const { return m_colorBar; }
    void SetColorBar(const QColor& value);

    // Encodes the text and answers the symbol's width in canvas units (0 after an error).
    int Width();
    // Rescales Modul so that the symbol gets about the given width.
    void SetWidth(int value);

    // Encodes Text (storing back its trimmed and padded form) into an element string.
    // False with the class's message in *error ("Barcode must be numeric", "TSVBarcode: wrong
    // BarcodeType", "Range check error") when it cannot.
    bool Encode(QString* elements, QString* error = nullptr);
    QString LastError() const { return m_lastError; }

    // Paints the symbol at (Left, Top) in canvas units, rotated by Angle. Font, pen and brush
    // of the painter are left as they were. False (nothing drawn) when the text cannot be encoded.
    bool PaintSymbol(QPainter& painter);
    // Paints the symbol stretched into the target rectangle (independent horizontal and vertical
    // scale, no rounding to device pixels before the stretch), as a picture of the symbol's own
    // size in units would be.
    bool PaintStretched(QPainter& painter, const QRectF& target);

    // Copies every property including OnChange.
    void Assign(const TSVBarcode& other);
    virtual void NotifyChange();
    std::function<void()> OnChange;

private:
    int elementWidth(QChar c) const;
    bool deriveModules(QString* error);

    int m_height = 0;
    QString m_text;
    int m_top = 0;
    int m_left = 0;
    int m_modul = 1;
    double m_ratio = 2.0;
    TSVBarcodeType m_typ = bcCodeEAN13;
    bool m_checksum = false;
    TSVCheckSumMethod m_checkSumMethod = csmModulo10;
    double m_angle = 0;
    QColor m_color = Qt::white;
    QColor m_colorBar = Qt::black;
    qint8 m_m[4] = {1, 2, 3, 4};
    QString m_lastError;
};

// Draws the GS1-128 symbol of the digits stretched into the target rectangle with bars of the
// given height in units (the form's way to print every barcode). False when digits is not numeric.
bool DrawBarcode(QPainter& painter, const QString& digits, int barHeight, const QRectF& target);
