#include "settings/ui/TFormUstawieniaWizard.h"

#include "shell/svGlobals.h"
#include "shell/ui/TFormMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

TFormUstawieniaWizard::TFormUstawieniaWizard(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("FormUstawieniaWizard"));
    setWindowTitle(QStringLiteral("Konfiguracja programu"));
    setMinimumSize(492, 282);
    setStyleSheet(QStringLiteral("#FormUstawieniaWizard { border: 1px solid palette(dark); }"));
    auto* layout = new QVBoxLayout(this);
    m_pages = new QStackedWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    layout->addWidget(m_pages);

    auto* intro = new QLabel(QStringLiteral(
        "Po raz pierwszy został uruchomiony program Solvira. Zalecamy abyś\n"
        "starannie wypełnił wszystkie istotne dla Ciebie pola. Ułatwi to szybkie\n"
        "rozpoczęcie korzystania z programu. Jakkolwiek konfigurację programu\n"
        "możesz odłożyć na później."));
    intro->setObjectName(QStringLiteral("LabelWstep"));
    intro->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    intro->setContentsMargins(0, 16, 0, 0);
    m_pages->addWidget(page(1, intro, false, QStringLiteral("&Następna strona")));

    auto* provider = new QWidget;
    auto* form = new QFormLayout(provider);
    auto* caption = new QLabel(QStringLiteral("dane świadczeniodawcy"));
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    form->addRow(caption);
    const char* edits[][2] = {{"EdNazwa1", "nazwa (wiersz 1)"}, {"EdNazwa2", "nazwa (wiersz 2)"},
                              {"EdAdres1", "adres (wiersz 3)"}, {"EdAdres2", "adres (wiersz 4)"},
                              {"EdDodInfo", "dodatk. inf. (wiersz 5)"}, {"EdRegon", "REGON"}};
    for (const auto& e : edits) {
        auto* edit = new QLineEdit;
        edit->setObjectName(QString::fromLatin1(e[0]));
        form->addRow(QString::fromUtf8(e[1]), edit);
    }
    form->addRow(new QLabel(QStringLiteral("drukowane na recepcie")));
    m_pages->addWidget(page(2, provider, true, QStringLiteral("&Następna strona")));

    auto* more = new QWidget;
    auto* moreForm = new QFormLayout(more);
    auto* moreCaption = new QLabel(QStringLiteral("informacje uzupełniające"));
    moreCaption->setFont(bold);
    moreForm->addRow(moreCaption);
    auto* branch = new QComboBox;
    branch->setObjectName(QStringLiteral("CBNFZ"));
    branch->addItems(BranchList());
    branch->setCurrentIndex(-1);
    // The long caption gets its own line so the list keeps its full width at any scaling.
    auto* branchLabel = new QLabel(QStringLiteral("&oddział NFZ świadczeniodawcy"));
    branchLabel->setBuddy(branch);
    moreForm->addRow(branchLabel);
    moreForm->addRow(branch);
    auto* printBranch = new QCheckBox(QStringLiteral("drukowanie numeru oddziału NFZ na recepcie"));
    printBranch->setObjectName(QStringLiteral("CBDrNfz"));
    printBranch->setChecked(true);
    moreForm->addRow(printBranch);
    auto* numbering = new QCheckBox(QStringLiteral("numerowanie recept / recepty z kodem kreskowym"));
    numbering->setObjectName(QStringLiteral("CBNumerowanie"));
    numbering->setChecked(true);
    moreForm->addRow(numbering);
    m_pages->addWidget(page(3, more, true, QStringLiteral("&Zapisz i zakończ")));
    go(0);
}

QWidget* TFormUstawieniaWizard::page(int number, QWidget* body, bool previous, const QString& nextCaption)
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet%1").arg(number));
    auto* layout = new QVBoxLayout(page);
    auto* head = new QHBoxLayout;
    auto* title = new QLabel(QStringLiteral("Konfiguracja programu"));
    QFont font = title->font();
    font.setPointSize(font.pointSize() + 4);
    font.setBold(true);
    title->setFont(font);
    head->addWidget(title);
    head->addStretch();
    head->addWidget(new QLabel(QStringLiteral("STRONA %1/3").arg(number)));
    layout->addLayout(head);
    layout->addWidget(body, 1);
    auto* buttons = new QHBoxLayout;
    auto* help = new QPushButton(QStringLiteral("Pomoc"));
    help->setObjectName(QStringLiteral("BtnPomoc%1").arg(number));
    help->setAutoDefault(false);
    connect(help, &QPushButton::clicked, this, [] { ShowHelpTopic(201); });
    buttons->addWidget(help);
    buttons->addStretch();
    if (previous) {
        auto* back = new QPushButton(QStringLiteral("&Poprzednia strona"));
        back->setObjectName(QStringLiteral("BtnPoprzednia%1").arg(number));
        back->setAutoDefault(false);
        connect(back, &QPushButton::clicked, this, [this, number] { go(number - 2); });
        buttons->addWidget(back);
    }
    auto* next = new QPushButton(nextCaption);
    next->setObjectName(number == 3 ? QStringLiteral("BtnZapisz") : QStringLiteral("BtnNastepna%1").arg(number));
    next->setAutoDefault(true);
    connect(next, &QPushButton::clicked, this, [this, number] {
        if (number == 3)
            accept();
        else
            go(number);
    });
    buttons->addWidget(next);
    layout->addLayout(buttons);
    return page;
}

void TFormUstawieniaWizard::go(int index)
{
    m_pages->setCurrentIndex(index);
    QWidget* current = m_pages->currentWidget();
    // Enter presses the page's forward button.
    const auto next = current->findChildren<QPushButton*>();
    for (QPushButton* b : next)
        b->setDefault(b->objectName().startsWith(QLatin1String("BtnNastepna"))
                      || b->objectName() == QLatin1String("BtnZapisz"));
    if (auto* first = current->findChild<QLineEdit*>())
        first->setFocus();
    else if (auto* combo = current->findChild<QComboBox*>())
        combo->setFocus();
}

int TFormUstawieniaWizard::Page() const
{
    return m_pages->currentIndex() + 1;
}

void TFormUstawieniaWizard::keyPressEvent(QKeyEvent* event)
{
    // Esc would close the wizard without a settings row being written; the wizard ends only by saving.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

TFirstRunData TFormUstawieniaWizard::Data() const
{
    TFirstRunData data;
    auto text = [this](const char* name) { return findChild<QLineEdit*>(QString::fromLatin1(name))->text(); };
    data.provider.swd_nazwa1 = text("EdNazwa1");
    data.provider.swd_nazwa2 = text("EdNazwa2");
    data.provider.swd_adres1 = text("EdAdres1");
    data.provider.swd_adres2 = text("EdAdres2");
    data.provider.swd_dodinfo = text("EdDodInfo");
    data.provider.swd_regon = text("EdRegon");
    const auto* branch = findChild<QComboBox*>(QStringLiteral("CBNFZ"));
    data.provider.swd_symbolkch = branch->currentIndex() < 0 ? QString() : branch->currentText().left(3);
    data.druknrnfz = findChild<QCheckBox*>(QStringLiteral("CBDrNfz"))->isChecked();
    data.numerowanie = findChild<QCheckBox*>(QStringLiteral("CBNumerowanie"))->isChecked();
    return data;
}
