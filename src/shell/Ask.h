// Every modal message box of the program goes through Ask, so tests can answer boxes from a
// queue and inspect each one that was shown. The core has no widgets: the GUI installs a
// presenter that shows a real box; without one (CLI, core tests) boxes are only recorded.
#pragma once

#include <QList>
#include <QString>
#include <functional>

enum class AskIcon { Information, Warning, Error, Question, None };

enum class AskButtons { Ok, YesNo, YesNoCancel, OkCancel };

enum class AskAnswer { Ok, Yes, No, Cancel };

struct AskBox
{
    QString title;
    AskIcon icon = AskIcon::Information;
    QString text;
    AskButtons buttons = AskButtons::Ok;
};

namespace Ask
{
// The standard titles of the program's boxes.
inline const QString kTitleError = QStringLiteral("Błąd");
inline const QString kTitleRefused = QStringLiteral("Uwaga");
inline const QString kTitleWarning = QStringLiteral("Ostrzeżenie");
inline const QString kTitleQuestion = QStringLiteral("Pytanie");
inline const QString kTitleInfo = QStringLiteral("Informacja");
inline const QString kTitleMessage = QStringLiteral("Komunikat");

// Shows a box (or takes the next queued answer) and records it.
AskAnswer show(const AskBox& box);

// Shorthands for the fixed kinds of box.
void error(const QString& text);                          // "Błąd", error icon
void refused(const QString& text);                        // "Uwaga", error icon
void warning(const QString& text);                        // "Ostrzeżenie", warning icon
void information(const QString& text);                    // "Informacja", information icon
bool question(const QString& text);                       // "Pytanie", Yes/No; true on Yes

// The GUI installs the function that really shows a box. Without one the answer is the
// box's default: Ok, or Yes for questions.
using Presenter = std::function<AskAnswer(const AskBox&)>;
void setPresenter(Presenter presenter);

// Test hooks: queued answers are used first, one per box, without showing anything.
void queueAnswer(AskAnswer answer);
void clearQueue();
int queuedCount();
QList<AskBox> shown();
void clearShown();
} // namespace Ask
