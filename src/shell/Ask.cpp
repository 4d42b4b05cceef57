#include "shell/Ask.h"

namespace
{
struct AskState
{
    Ask::Presenter presenter;
    QList<AskAnswer> queue;
    QList<AskBox> shown;
};

AskState& state()
{
    static AskState s;
    return s;
}

AskAnswer defaultAnswer(AskButtons buttons)
{
    switch (buttons) {
    case AskButtons::YesNo:
    case AskButtons::YesNoCancel:
        return AskAnswer::Yes;
    default:
        return AskAnswer::Ok;
    }
}
} // namespace

namespace Ask
{
AskAnswer show(const AskBox& box)
{
    auto& s = state();
    s.shown.append(box);
    if (!s.queue.isEmpty())
        return s.queue.takeFirst();
    if (s.presenter)
        return s.presenter(box);
    return defaultAnswer(box.buttons);
}

void error(const QString& text)
{
    show({kTitleError, AskIcon::Error, text, AskButtons::Ok});
}

void refused(const QString& text)
{
    show({kTitleRefused, AskIcon::Error, text, AskButtons::Ok});
}

void warning(const QString& text)
{
    show({kTitleWarning, AskIcon::Warning, text, AskButtons::Ok});
}

void information(const QString& text)
{
    show({kTitleInfo, AskIcon::Information, text, AskButtons::Ok});
}

bool question(const QString& text)
{
    return show({kTitleQuestion, AskIcon::Question, text, AskButtons::YesNo}) == AskAnswer::Yes;
}

void setPresenter(Presenter presenter)
{
    state().presenter = std::move(presenter);
}

void queueAnswer(AskAnswer answer)
{
    state().queue.append(answer);
}

void clearQueue()
{
    state().queue.clear();
}

int queuedCount()
{
    return int(state().queue.size());
}

QList<AskBox> shown()
{
    return state().shown;
}

void clearShown()
{
    state().shown.clear();
}
} // namespace Ask
