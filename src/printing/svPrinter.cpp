#include "printing/svPrinter.h"

#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace
{
// QPrinter serves both kinds: a system queue, or a PDF file at 600 dpi.
class TQtPrinter : public TSVPrinter
{
public:
    TQtPrinter(const QString& name, const QString& pdfPath, QList<QPageSize> papers)
        : m_name(name)
        , m_printer(QPrinter::HighResolution)
        , m_papers(std::move(papers))
    {
        if (pdfPath.isEmpty()) {
            m_printer.setPrinterName(name);
        } else {
            m_printer.setOutputFormat(QPrinter::PdfFormat);
            m_printer.setOutputFileName(pdfPath);
            m_printer.setResolution(600);
        }
        m_printer.setFullPage(true);
        if (!m_papers.isEmpty() && !hasPaper(m_printer.pageLayout().pageSize().name()))
            SetPaper(m_papers.first().name());
    }

    QString Name() const override { return m_name; }

    QStringList PaperNames() const override
    {
        QStringList names;
        for (const QPageSize& p : m_papers)
            names << p.name();
        return names;
    }

    QString CurrentPaper() const override { return m_printer.pageLayout().pageSize().name(); }

    bool SetPaper(const QString& name) override
    {
        for (const QPageSize& p : m_papers)
            if (p.name() == name)
                return m_printer.setPageSize(p);
        return false;
    }

    void SetOrientation(int orientation) override
    {
        m_printer.setPageOrientation(orientation == 1 ? QPageLayout::Landscape : QPageLayout::Portrait);
    }

    int Orientation() const override
    {
        return m_printer.pageLayout().orientation() == QPageLayout::Landscape ? 1 : 0;
    }

    void SetTitle(const QString& title) override { m_printer.setDocName(title); }

    bool BeginDoc() override
    {
        m_painter = std::make_unique<QPainter>();
        if (!m_painter->begin(&m_printer)) {
            m_painter.reset();
            return false;
        }
        return true;
    }

    bool NewPage() override { return m_painter && m_printer.newPage(); }

    bool EndDoc() override
    {
        if (!m_painter)
            return false;
        const bool ok = m_painter->end();
        m_painter.reset();
        return ok && m_printer.printerState() != QPrinter::Error;
    }

    QPainter* Canvas() override { return m_painter.get(); }

    int DpiX() const override { return m_printer.logicalDpiX(); }
    int DpiY() const override { return m_printer.logicalDpiY(); }

    QSize PhysicalSize() const override
    {
        return m_printer.pageLayout().fullRectPixels(m_printer.resolution()).size();
    }

    QPoint PhysicalOffset() const override
    {
        const QPageLayout layout = m_printer.pageLayout();
        const int dpi = m_printer.resolution();
        return layout.paintRectPixels(dpi).topLeft() - layout.fullRectPixels(dpi).topLeft();
    }

    QSize PrintableSize() const override
    {
        return m_printer.pageLayout().paintRectPixels(m_printer.resolution()).size();
    }

private:
    bool hasPaper(const QString& name) const
    {
        for (const QPageSize& p : m_papers)
            if (p.name() == name)
                return true;
        return false;
    }

    QString m_name;
    QPrinter m_printer;
    QList<QPageSize> m_papers;
    std::unique_ptr<QPainter> m_painter;
};

QList<QPageSize> pdfPapers()
{
    return {QPageSize(QPageSize::A4), QPageSize(QPageSize::A5), QPageSize(QPageSize::A3), QPageSize(QPageSize::B5),
            QPageSize(QPageSize::Letter), QPageSize(QPageSize::Legal)};
}
} // namespace

namespace Printers
{
QStringList Names()
{
    QStringList names = QPrinterInfo::availablePrinterNames();
    names.removeAll(kPdfPrinterName);
    names << kPdfPrinterName;
    return names;
}

QString DefaultName()
{
    const QString name = QPrinterInfo::defaultPrinterName();
    return name.isEmpty() ? kPdfPrinterName : name;
}

std::unique_ptr<TSVPrinter> Open(const QString& name, const QString& pdfPath)
{
    if (name == kPdfPrinterName)
        return std::make_unique<TQtPrinter>(name, pdfPath, pdfPapers());
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (info.isNull())
        return nullptr;
    QList<QPageSize> papers = info.supportedPageSizes();
    if (papers.isEmpty())
        papers = pdfPapers();
    return std::make_unique<TQtPrinter>(name, QString(), papers);
}
} // namespace Printers
