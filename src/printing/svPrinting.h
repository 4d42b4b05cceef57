// Print jobs: a serial printout of a pool's numbers (mode 0), of forms without numbers
// (mode 1), or one prescription (mode 2). The job writes nothing to the store; its callers
// record the printout after the user confirmed it.
#pragma once

#include "document/svRecipe.h"
#include "printing/svDrawSheet.h"
#include "printing/svFormSettings.h"
#include "printing/svNumGen.h"
#include "printing/svPrinter.h"

#include <functional>
#include <memory>

struct TPrintingData
{
    TSVPrinter* Printer = nullptr; // not owned
    int Mode = 0;                  // 0 serial with numbers, 1 serial without, 2 one prescription
    // The pool, as the caller read it from the store. PoolFound false: the pool is gone.
    bool PoolFound = false;
    QString PoolStart;
    QString PoolEnd;
    QString LastPrinted;
    QList<TSerialRange> Blocks;
    qint64 FirstSerial = 0;        // mode 0
    int Pages = 0;                 // modes 0 and 1
    int PerPage = 0;               // modes 0 and 1
    bool Auto = false;
    int Orientation = 0;
    int HAlign = alCenter;
    int VAlign = alMiddle;
    int FormKind = 0;
    bool DrSwiadcz = true;
    bool DrRamki = true;
    bool DrSymbKCh = true;
    TFormSettings Settings;
    // Mode 2.
    QStringList PacjentLines; // the patient's Summary
    QString Pesel;
    std::vector<TMedicine> Medicines;
    QString Przewlekle;
    QString Uprawnienia;
    QString DataReal;
    TrpSpecialKind Specjalny = rpNone;
    const QImage* Logotyp = nullptr;
    const QImage* Signpict = nullptr;
};

class TSVPrinting
{
public:
    using Progress = std::function<void(int page, int pages)>;

    TSVPrinting(TPrintingData data, Progress progress = {});
    TSVPrinting(const TSVPrinting&) = delete;
    TSVPrinting& operator=(const TSVPrinting&) = delete;

    // Prints the whole job; Failed() tells whether anything went wrong. Nothing is shown.
    void Print();
    bool Failed() const { return m_failed; }
    // The numbers the job printed, in order (the single job's one number, or none).
    QStringList Printed() const { return m_printed; }

private:
    bool configureSheet(TSVDrawSheet& sheet);
    bool drawCounted(TSVDrawSheet& sheet);

    TPrintingData m_data;
    Progress m_progress;
    bool m_failed = false;
    QStringList m_printed;
};

// The page count the page-count dialog proposes: the count text of the serial panel ("120",
// or "120-5" when 5 of the 120 are blocked), forms per page, and whether numbers are printed.
int ProposedPageCount(const QString& countText, int perPage, bool numbering);
