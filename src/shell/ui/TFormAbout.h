// The about box: the program's picture, name and version, the maker's page and the list of changes.
#pragma once

#include <QDialog>

#include <memory>

namespace Ui
{
class TFormAbout;
}

class TFormAbout : public QDialog
{
    Q_OBJECT
public:
    explicit TFormAbout(QWidget* parent = nullptr);
    ~TFormAbout() override;

private:
    std::unique_ptr<Ui::TFormAbout> ui;
};
