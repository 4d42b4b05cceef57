#include "numbers/ui/TFormControlSum.h"

#include "numbers/CheckDigitCalculator.h"
#include "ui_TFormControlSum.h"

#include <QFontDatabase>

TFormControlSum::TFormControlSum(QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TFormControlSum>())
{
    ui->setupUi(this);
    // Digits line up under their weights only in a fixed-pitch font.
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    for (QLineEdit* edit : findChildren<QLineEdit*>())
        edit->setFont(fixed);
    connect(ui->EditLiczba, &QLineEdit::textEdited, this, &TFormControlSum::updateForm);
    connect(ui->RadioButton2012, &QRadioButton::clicked, this, &TFormControlSum::updateForm);
    connect(ui->RadioButton2007, &QRadioButton::clicked, this, &TFormControlSum::updateForm);
    // The only button closes; Esc does the same, Enter leaves the dialog open for the next number.
    connect(ui->BOk, &QPushButton::clicked, this, &QDialog::reject);
    updateForm();
}

TFormControlSum::~TFormControlSum() = default;

void TFormControlSum::SetNumber(const QString& text)
{
    // The edit's length limit would cut a longer text silently; the calculator must see it to say so.
    ui->EditLiczba->setMaxLength(32767);
    ui->EditLiczba->setText(text);
    updateForm();
}

QString TFormControlSum::NumberWithCheckDigit() const
{
    return ui->EditLiczbaZeSuma->text();
}

void TFormControlSum::updateForm()
{
    const TCheckDigitResult r = CalculateCheckDigit(ui->EditLiczba->text(), ui->RadioButton2012->isChecked());
    if (r.digits != ui->EditLiczba->text()) {
        ui->EditLiczba->setText(r.digits);
        ui->EditLiczba->end(false);
    }
    ui->EditIloscCyfr->setText(QString::number(r.count));
    ui->EditWagi->setText(r.weights);
    ui->EditSumaKontrolna->setText(r.checkDigit);
    ui->EditLiczbaZeSuma->setText(r.number);
    ui->EditRodzaj->setText(r.kind);
    if (r.computed)
        ui->CheckBoxValidRecipeNum->setChecked(r.prescriptionNumber);
    ui->EditLiczba->setMaxLength(qMax(30, ui->EditLiczba->text().size()));
}
