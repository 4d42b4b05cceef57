// The first-run wizard: three pages collecting the provider, the NFZ branch and the numbering choice.
#pragma once

#include "settings/svUstawienia.h"

#include <QDialog>

#include <memory>

namespace Ui
{
class TFormUstawieniaWizard;
}

class TFormUstawieniaWizard : public QDialog
{
    Q_OBJECT
public:
    explicit TFormUstawieniaWizard(QWidget* parent = nullptr);
    ~TFormUstawieniaWizard() override;
    // What the pages hold; the branch symbol is the first three characters of the chosen entry.
    TFirstRunData Data() const;
    int Page() const;

private:
    void go(int index);
    std::unique_ptr<Ui::TFormUstawieniaWizard> ui;
};
