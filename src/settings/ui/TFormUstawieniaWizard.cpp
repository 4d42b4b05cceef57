#include "settings/ui/TFormUstawieniaWizard.h"

#include "shell/svGlobals.h"
#include "shell/ui/TFormMain.h"
#include "ui_TFormUstawieniaWizard.h"

TFormUstawieniaWizard::TFormUstawieniaWizard(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , ui(std::make_unique<Ui::TFormUstawieniaWizard>())
{
    ui->setupUi(this);
    // Without a caption bar the window needs an edge of its own to stand out from the desktop.
    setStyleSheet(QStringLiteral("#FormUstawieniaWizard { border: 1px solid palette(dark); }"));
    ui->CBNFZ->addItems(BranchList());
    ui->CBNFZ->setCurrentIndex(-1);
    for (QPushButton* help : {ui->BtnPomoc1, ui->BtnPomoc2, ui->BtnPomoc3})
        connect(help, &QPushButton::clicked, this, [] { ShowHelpTopic(201); });
    connect(ui->BtnNastepna1, &QPushButton::clicked, this, [this] { go(1); });
    connect(ui->BtnNastepna2, &QPushButton::clicked, this, [this] { go(2); });
    connect(ui->BtnPoprzednia2, &QPushButton::clicked, this, [this] { go(0); });
    connect(ui->BtnPoprzednia3, &QPushButton::clicked, this, [this] { go(1); });
    // Every way of closing (this button, Esc, the window manager) keeps what the pages hold: the wizard
    // has no cancel, and the configuration may be finished later on the settings panel.
    connect(ui->BtnZapisz, &QPushButton::clicked, this, &QDialog::accept);
    go(0);
}

TFormUstawieniaWizard::~TFormUstawieniaWizard() = default;

void TFormUstawieniaWizard::go(int index)
{
    ui->PageControl1->setCurrentIndex(index);
    // Enter presses the page's forward button.
    QPushButton* forward[] = {ui->BtnNastepna1, ui->BtnNastepna2, ui->BtnZapisz};
    for (int i = 0; i < 3; ++i)
        forward[i]->setDefault(i == index);
    QWidget* first[] = {ui->BtnNastepna1, ui->EdNazwa1, ui->CBNFZ};
    first[index]->setFocus();
}

int TFormUstawieniaWizard::Page() const
{
    return ui->PageControl1->currentIndex() + 1;
}

TFirstRunData TFormUstawieniaWizard::Data() const
{
    TFirstRunData data;
    data.provider.swd_nazwa1 = ui->EdNazwa1->text();
    data.provider.swd_nazwa2 = ui->EdNazwa2->text();
    data.provider.swd_adres1 = ui->EdAdres1->text();
    data.provider.swd_adres2 = ui->EdAdres2->text();
    data.provider.swd_dodinfo = ui->EdDodInfo->text();
    data.provider.swd_regon = ui->EdRegon->text();
    data.provider.swd_symbolkch = ui->CBNFZ->currentIndex() < 0 ? QString() : ui->CBNFZ->currentText().left(3);
    data.druknrnfz = ui->CBDrNfz->isChecked();
    data.numerowanie = ui->CBNumerowanie->isChecked();
    return data;
}
