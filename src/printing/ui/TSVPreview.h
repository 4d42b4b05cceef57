// The page preview: one sheet of paper drawn in preview mode, with the printable area as a clip
// and the forms placed exactly as the print job will place them, each with a sample number.
#pragma once

#include "printing/svDrawSheet.h"

#include <QWidget>

class TSVPreview : public QWidget
{
    Q_OBJECT
public:
    explicit TSVPreview(QWidget* parent = nullptr);

    // The sheet behind the preview; callers set its fields between BeginUpdate and EndUpdate.
    TSVDrawSheet& Sheet() { return m_sheet; }

    void BeginUpdate() { m_painting = false; }
    void EndUpdate();
    bool IsPainting() const { return m_painting; }

    // Bounds on the parent; the sheet's canvas is the control's own area.
    void SetPlacement(int left, int top, int height, int width);
    void SetPaperRect(const TRectL& mm) { m_sheet.SetPaperRect(mm); }
    void SetPrintableRect(const TRectL& mm) { m_sheet.SetPrintableRect(mm); }
    void ClearMedicines() { m_sheet.ClearMedicines(); }

    // The four switches that repaint by themselves.
    void SetDrRamki(bool on);
    void SetDrNumer(bool on);
    void SetDrSwiadcz(bool on);
    void SetDrSymbKCh(bool on);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    TSVDrawSheet m_sheet;
    bool m_painting = true;
};
