// The printers the program prints on: the system's queues through Qt Print Support (CUPS) and
// the always listed "Plik PDF", which writes the exact document to a PDF file at 600 dpi.
// The canvas's origin is the paper's corner (full page), so the physical offsets are reported
// as the printer's unprintable margins but the drawing needs no shift for them.
#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>

#include <memory>

class QPainter;
class QPagedPaintDevice;

class TSVPrinter
{
public:
    virtual ~TSVPrinter() = default;

    virtual QString Name() const = 0;
    virtual QStringList PaperNames() const = 0;
    virtual QString CurrentPaper() const = 0;
    // False when the printer does not know the paper.
    virtual bool SetPaper(const QString& name) = 0;
    virtual void SetOrientation(int orientation) = 0; // 0 portrait, 1 landscape
    virtual int Orientation() const = 0;
    virtual void SetTitle(const QString& title) = 0;

    // Document calls; false when the device refuses (the job then fails).
    virtual bool BeginDoc() = 0;
    virtual bool NewPage() = 0;
    virtual bool EndDoc() = 0;
    virtual QPainter* Canvas() = 0; // valid between BeginDoc and EndDoc

    // Device values for the current paper and orientation.
    virtual int DpiX() const = 0;
    virtual int DpiY() const = 0;
    virtual QSize PhysicalSize() const = 0;    // the whole paper, pixels
    virtual QPoint PhysicalOffset() const = 0; // left and top unprintable margins, pixels
    virtual QSize PrintableSize() const = 0;   // pixels
};

namespace Printers
{
inline const QString kPdfPrinterName = QStringLiteral("Plik PDF");

// The installed printers (the system's queues), then "Plik PDF".
QStringList Names();
// The system's default printer, else "Plik PDF".
QString DefaultName();
// A printer by name; "Plik PDF" writes to pdfPath. Null when there is no such printer.
std::unique_ptr<TSVPrinter> Open(const QString& name, const QString& pdfPath = QString());
} // namespace Printers
