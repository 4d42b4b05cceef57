// The first-run wizard: three pages collecting the provider, the NFZ branch and the numbering choice.
#pragma once

#include "settings/svUstawienia.h"

#include <QDialog>

class QStackedWidget;

class TFormUstawieniaWizard : public QDialog
{
    Q_OBJECT
public:
    explicit TFormUstawieniaWizard(QWidget* parent = nullptr);
    // What the pages hold; the branch symbol is the first three characters of the chosen entry.
    TFirstRunData Data() const;
    int Page() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* page(int number, QWidget* body, bool previous, const QString& nextCaption);
    void go(int page);
    QStackedWidget* m_pages = nullptr;
};
