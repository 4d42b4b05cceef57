// "Rozpoczęcie drukowania": how many pages a serial printout will take; without numbering the
// user chooses the count.
#pragma once

#include <QDialog>

#include <memory>

namespace Ui
{
class TFormNrSerPrint;
}

class TFormNrSerPrint : public QDialog
{
    Q_OBJECT
public:
    explicit TFormNrSerPrint(QWidget* parent = nullptr);
    ~TFormNrSerPrint() override;

    // Proposes the page count for the count text ("120" or "120-5") and shows the dialog.
    int Execute(const QString& countText, int perPage, bool numbering);
    // Fills the dialog as Execute does, without showing it (Execute uses it; tests too).
    void Prepare(const QString& countText, int perPage, bool numbering);
    int Pages() const;

private:
    std::unique_ptr<Ui::TFormNrSerPrint> m_ui;
};
