// The check-digit calculator: computes the check digit of a number while it is typed.
#pragma once

#include <QDialog>

#include <memory>

namespace Ui
{
class TFormControlSum;
}

class TFormControlSum : public QDialog
{
    Q_OBJECT
public:
    explicit TFormControlSum(QWidget* parent = nullptr);
    ~TFormControlSum() override;

    void SetNumber(const QString& text);
    // The number followed by its check digit, as shown.
    QString NumberWithCheckDigit() const;
    void updateForm();

private:
    std::unique_ptr<Ui::TFormControlSum> ui;
};
