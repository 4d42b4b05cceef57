#include "shell/ui/TFormAbout.h"

#include "shell/ui/svShellWidgets.h"
#include "ui_TFormAbout.h"

#include <QFile>
#include <QUrl>

TFormAbout::TFormAbout(QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TFormAbout>())
{
    ui->setupUi(this);
    setFixedSize(665, 512);
    ui->ImageAbout->setPixmap(SolviraArtwork(QStringLiteral("about"), QSize(600, 240), devicePixelRatioF()));
    ui->LinkLabelWww->setText(QString::fromLatin1(kWebMaker));
    connect(ui->LinkLabelWww, &TLinkLabel::clicked, this, [] { OpenShellUrl(QUrl(QString::fromLatin1(kWebMaker))); });
    connect(ui->BtnZamknij, &QPushButton::clicked, this, &QDialog::reject);
    // The list of changes is read from the working folder; without the file the tab stays empty.
    QFile changes(QStringLiteral("zmiany.txt"));
    if (changes.open(QIODevice::ReadOnly))
        ui->RichEditZmiany->setPlainText(QString::fromUtf8(changes.readAll()));
}

TFormAbout::~TFormAbout() = default;
