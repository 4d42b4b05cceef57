#include "printing/svDrawSheet.h"

#include "document/svLayout.h"
#include "shell/Ask.h"

#include <cmath>

namespace
{
const QString kBadPage = QStringLiteral("nieprawidłowy rozmiar strony");

int widthOf(const TRectL& r)
{
    return r.Right - r.Left;
}

int heightOf(const TRectL& r)
{
    return r.Bottom - r.Top;
}
} // namespace

TSVDrawSheetGeometry::TSVDrawSheetGeometry(int border)
    : Border(border)
{
}

int TSVDrawSheetGeometry::PageWidthMM() const
{
    return Orientation == 0 ? widthOf(PaperMM) : heightOf(PaperMM);
}

int TSVDrawSheetGeometry::PageHeightMM() const
{
    return Orientation == 0 ? heightOf(PaperMM) : widthOf(PaperMM);
}

void TSVDrawSheetGeometry::SetPaperRect(const TRectL& mm)
{
    PaperMM = mm;
    recomputePageRect();
}

void TSVDrawSheetGeometry::recomputePageRect()
{
    const int w = PageWidthMM();
    const int h = PageHeightMM();
    if (h <= 0)
        return;
    const int spaceW = CanvasWidth - 2 * Border;
    const int spaceH = CanvasHeight - 2 * Border;
    const long double ratio = (long double)w / h;
    int width = 0;
    int height = 0;
    if (w > h) {
        width = spaceW;
        height = RoundEven(spaceW / ratio);
        if (height > spaceH) {
            height = spaceH;
            width = RoundEven(spaceH * ratio);
        }
    } else {
        height = spaceH;
        width = RoundEven(spaceH * ratio);
        if (width > spaceW) {
            width = spaceW;
            height = ratio > 0 ? RoundEven(spaceW / ratio) : 0;
        }
    }
    const int left = (CanvasWidth - width) / 2;
    const int top = (CanvasHeight - height) / 2;
    PageRect = {left, top, left + width, top + height};
    recomputePrintableRect();
}

void TSVDrawSheetGeometry::SetPrintableRect(const TRectL& mm)
{
    PrintableMM = mm;
    recomputePrintableRect();
}

void TSVDrawSheetGeometry::recomputePrintableRect()
{
    if (IsEmptyRect(PrintableMM))
        return;
    const int pageW = PageWidthMM();
    if (pageW <= 0) {
        Ask::warning(kBadPage);
        return;
    }
    const long double k = (long double)widthOf(PageRect) / pageW;
    int left = PageRect.Left + RoundEven(PrintableMM.Left * k);
    int top = PageRect.Top + RoundEven(PrintableMM.Top * k);
    const int extentW = Orientation == 0 ? widthOf(PrintableMM) : heightOf(PrintableMM);
    const int extentH = Orientation == 0 ? heightOf(PrintableMM) : widthOf(PrintableMM);
    int right = left + RoundEven(extentW * k);
    int bottom = top + RoundEven(extentH * k);
    // The area stays one unit inside the page's outline.
    left = std::max(left, PageRect.Left + 1);
    top = std::max(top, PageRect.Top + 1);
    right = std::min(right, PageRect.Right - 1);
    bottom = std::min(bottom, PageRect.Bottom - 1);
    PrintableRect = {left, top, right, bottom};
}

void TSVDrawSheetGeometry::SetOrientation(int orientation)
{
    Orientation = orientation;
    recomputePageRect();
}

void TSVDrawSheetGeometry::SetLiczbaRecept(int count)
{
    LiczbaRecept = count;
    recomputePrintableRect();
}

int TSVDrawSheetGeometry::MaxNum() const
{
    const int capacity = PageCapacity(PageWidthMM(), PageHeightMM(), FormWidthMM, FormHeightMM);
    return LiczbaRecept < 0 ? capacity : std::min(capacity, LiczbaRecept);
}

void TSVDrawSheetGeometry::SetAuto(bool on)
{
    Auto = on;
    if (!on)
        return;
    const int kept = LiczbaRecept;
    LiczbaRecept = -1;
    Orientation = 0;
    const int portrait = MaxNum();
    Orientation = 1;
    const int landscape = MaxNum();
    if (landscape <= portrait)
        Orientation = 0;
    LiczbaRecept = kept;
    HAlign = alCenter;
    VAlign = alMiddle;
    EqSpaceH = false;
    EqSpaceV = false;
    recomputePageRect();
}

#include <QPainter>

TSVDrawSheet::TSVDrawSheet(QPainter* canvas, int border, std::unique_ptr<TSVNumGen> generator)
    : TSVDrawSheetGeometry(border)
    , Canvas(canvas)
    , m_numGen(generator ? std::move(generator) : std::make_unique<TSVNumGen>())
{
    SetSettings(TFormSettings());
}

void TSVDrawSheet::SetSettings(const TFormSettings& settings)
{
    Settings = settings;
    Swiadczeniodawca = settings.providerLines;
    KasaChorych = settings.symbolKCh;
}

void TSVDrawSheet::Draw()
{
    if (!Canvas)
        return;
    if (PreviewMode()) {
        QPainter& p = *Canvas;
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRect(0, 0, CanvasWidth, CanvasHeight);
        p.setBrush(QColor(192, 192, 192));
        p.drawRect(PageRect.Left + 3, PageRect.Top + 3, widthOf(PageRect), heightOf(PageRect));
        p.setBrush(Qt::white);
        p.setPen(QPen(Qt::black, 1));
        p.drawRect(PageRect.Left, PageRect.Top, widthOf(PageRect) - 1, heightOf(PageRect) - 1);
        p.restore();
    }
    DrawPage();
}

int TSVDrawSheet::DrawPage()
{
    if (!Canvas)
        return 0;
    int n = MaxNum();
    QStringList numbers;
    LastNumbers.clear();
    if (DrNumer && n > 0) {
        for (int i = 0; i < n; ++i) {
            const QString number = m_numGen->NextNumber();
            if (number.isEmpty())
                break;
            numbers << number;
        }
        n = int(numbers.size());
    }
    const int pageW = PageWidthMM();
    if (pageW <= 0)
        return 0;
    FormWidthMM = Settings.formWidthMM;
    FormHeightMM = Settings.formHeightMM;
    const long double k = (long double)widthOf(PageRect) / pageW;
    TRecipe form;
    form.SetFormWidth(int(FormWidthMM * k));
    form.SetFormHeight(int(FormHeightMM * k));
    form.FormKind = FormKind;
    form.DrRamki = DrRamki;
    ApplyFormSettings(form, Settings);
    form.Data = Data;
    form.DataReal = DataReal;
    form.Przewlekle = Przewlekle;
    form.Uprawnienia = Uprawnienia;
    form.Specjalny = Specjalny;
    form.Signpict = Signpict;
    if (DrSymbKCh)
        form.KasaChorych = KasaChorych;
    if (DrSwiadcz) {
        form.Swiadczeniodawca = Swiadczeniodawca;
        form.Logotyp = Logotyp;
    }
    form.Pacjent = Pacjent;
    form.Pesel = Pesel;
    if (!Medicines.empty())
        form.AssignMedicines(Medicines);

    QPainter& p = *Canvas;
    p.save();
    int shiftX = OriginX;
    int shiftY = OriginY;
    if (PreviewMode()) {
        // The clip includes the right and bottom edges of the printable area.
        p.setClipRect(QRect(QPoint(PrintableRect.Left, PrintableRect.Top), QPoint(PrintableRect.Right, PrintableRect.Bottom)));
        shiftX = 0;
        shiftY = 0;
    }
    int drawn = 0;
    if (n > 0) {
        const QList<QPoint> corners = PageGrid(HAlign, VAlign, widthOf(PageRect), heightOf(PageRect), form.Width,
                                               form.Height, n, EqSpaceH, EqSpaceV);
        for (const QPoint& c : corners) {
            form.Left = PageRect.Left + c.x() + shiftX;
            form.Top = PageRect.Top + c.y() + shiftY;
            form.Numer = DrNumer && drawn < numbers.size() ? numbers.at(drawn) : QString();
            if (!form.Numer.isEmpty())
                LastNumbers << form.Numer;
            p.save();
            form.Draw(p);
            p.restore();
            ++drawn;
        }
    }
    if (PreviewMode()) {
        p.setClipping(false);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(PageRect.Left, PageRect.Top, widthOf(PageRect) - 1, heightOf(PageRect) - 1);
    }
    p.restore();
    return drawn;
}
