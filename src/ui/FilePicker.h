// Every file dialog goes through FilePicker so tests can answer it from a queue.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace FilePicker
{
// An empty result means the user cancelled.
QString openFile(QWidget* parent, const QString& caption, const QString& folder, const QString& filter);
QString saveFile(QWidget* parent, const QString& caption, const QString& folder, const QString& filter);

// Tests: the next dialogs answer these names (an empty name cancels) without showing anything.
void queueFileName(const QString& name);
void clearQueue();
// The captions of every dialog asked for, in order.
QStringList asked();
void clearAsked();
} // namespace FilePicker
