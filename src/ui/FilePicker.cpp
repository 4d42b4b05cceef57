#include "ui/FilePicker.h"

#include <QFileDialog>

namespace
{
struct PickerState
{
    QStringList queue;
    QStringList asked;
};

PickerState& state()
{
    static PickerState s;
    return s;
}

template <typename Dialog>
QString pick(const QString& caption, Dialog dialog)
{
    auto& s = state();
    s.asked.append(caption);
    if (!s.queue.isEmpty())
        return s.queue.takeFirst();
    return dialog();
}
} // namespace

namespace FilePicker
{
QString openFile(QWidget* parent, const QString& caption, const QString& folder, const QString& filter)
{
    return pick(caption, [&] { return QFileDialog::getOpenFileName(parent, caption, folder, filter); });
}

QString saveFile(QWidget* parent, const QString& caption, const QString& folder, const QString& filter)
{
    return pick(caption, [&] { return QFileDialog::getSaveFileName(parent, caption, folder, filter); });
}

void queueFileName(const QString& name)
{
    state().queue.append(name);
}

void clearQueue()
{
    state().queue.clear();
}

QStringList asked()
{
    return state().asked;
}

void clearAsked()
{
    state().asked.clear();
}
} // namespace FilePicker
