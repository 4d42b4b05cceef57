#include "ui/AskPresenter.h"

#include "shell/Ask.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace
{
AskAnswer present(const AskBox& box)
{
    QMessageBox::Icon icon = QMessageBox::Information;
    switch (box.icon) {
    case AskIcon::Warning: icon = QMessageBox::Warning; break;
    case AskIcon::Error: icon = QMessageBox::Critical; break;
    case AskIcon::Question: icon = QMessageBox::Question; break;
    case AskIcon::None: icon = QMessageBox::NoIcon; break;
    default: break;
    }
    QMessageBox mb(icon, box.title, box.text, QMessageBox::NoButton, QApplication::activeWindow());
    switch (box.buttons) {
    case AskButtons::YesNo:
        mb.setDefaultButton(mb.addButton(QStringLiteral("&Tak"), QMessageBox::YesRole));
        mb.setEscapeButton(mb.addButton(QStringLiteral("&Nie"), QMessageBox::NoRole));
        break;
    case AskButtons::YesNoCancel:
        mb.setDefaultButton(mb.addButton(QStringLiteral("&Tak"), QMessageBox::YesRole));
        mb.addButton(QStringLiteral("&Nie"), QMessageBox::NoRole);
        mb.setEscapeButton(mb.addButton(QStringLiteral("Anuluj"), QMessageBox::RejectRole));
        break;
    case AskButtons::OkCancel:
        mb.setDefaultButton(mb.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole));
        mb.setEscapeButton(mb.addButton(QStringLiteral("Anuluj"), QMessageBox::RejectRole));
        break;
    default:
        mb.setEscapeButton(mb.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole));
        break;
    }
    mb.exec();
    const auto role = mb.buttonRole(mb.clickedButton());
    switch (role) {
    case QMessageBox::YesRole: return AskAnswer::Yes;
    case QMessageBox::NoRole: return AskAnswer::No;
    case QMessageBox::RejectRole: return AskAnswer::Cancel;
    default: return box.buttons == AskButtons::YesNo ? AskAnswer::No : AskAnswer::Ok;
    }
}
} // namespace

namespace AskPresenter
{
void install()
{
    Ask::setPresenter(present);
}
} // namespace AskPresenter
