#include "printing/ui/TFormNrSerPrint.h"

#include "printing/svPrinting.h"
#include "ui_TFormNrSerPrint.h"

#include <QPalette>
#include <QPushButton>

TFormNrSerPrint::TFormNrSerPrint(QWidget* parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::TFormNrSerPrint>())
{
    m_ui->setupUi(this);
    connect(m_ui->BDalej, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->PicBtn1, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ui->EdLiczbaStron, &QSpinBox::valueChanged, this,
            [this](int value) { m_ui->BDalej->setEnabled(value > 0); });
}

TFormNrSerPrint::~TFormNrSerPrint() = default;

void TFormNrSerPrint::Prepare(const QString& countText, int perPage, bool numbering)
{
    const bool blank = countText.trimmed().isEmpty();
    const int pages = blank && numbering ? 0 : ProposedPageCount(countText, perPage, numbering);
    m_ui->EdLiczbaStron->blockSignals(true);
    m_ui->EdLiczbaStron->setValue(pages);
    m_ui->EdLiczbaStron->blockSignals(false);
    m_ui->BDalej->setEnabled(!blank || pages > 0);
    m_ui->EdLiczbaStron->setReadOnly(numbering);
    m_ui->EdLiczbaStron->setFocusPolicy(numbering ? Qt::NoFocus : Qt::StrongFocus);
    QPalette pal = m_ui->EdLiczbaStron->palette();
    pal.setColor(QPalette::Base, numbering ? palette().color(QPalette::Button) : palette().color(QPalette::Base));
    m_ui->EdLiczbaStron->setPalette(pal);
}

int TFormNrSerPrint::Execute(const QString& countText, int perPage, bool numbering)
{
    Prepare(countText, perPage, numbering);
    return exec();
}

int TFormNrSerPrint::Pages() const
{
    return m_ui->EdLiczbaStron->value();
}
