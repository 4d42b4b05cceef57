// The message boxes as the user sees them: Polish buttons, Enter takes the default, Esc the safe answer.
#include "UiTestSupport.h"

#include "shell/Ask.h"
#include "support/TestSupport.h"
#include "ui/AskPresenter.h"

#include <QMessageBox>

#include <gtest/gtest.h>

TEST(AskPresenter, KeysGiveTheExpectedAnswers)
{
    struct TCase
    {
        AskButtons buttons;
        Qt::Key key;
        AskAnswer answer;
        QStringList captions;
    };
    const TCase cases[] = {
        {AskButtons::YesNo, Qt::Key_Return, AskAnswer::Yes, {"&Tak", "&Nie"}},
        {AskButtons::YesNo, Qt::Key_Escape, AskAnswer::No, {"&Tak", "&Nie"}},
        {AskButtons::YesNoCancel, Qt::Key_Escape, AskAnswer::Cancel, {"&Tak", "&Nie", "Anuluj"}},
        {AskButtons::OkCancel, Qt::Key_Return, AskAnswer::Ok, {"OK", "Anuluj"}},
        {AskButtons::OkCancel, Qt::Key_Escape, AskAnswer::Cancel, {"OK", "Anuluj"}},
        {AskButtons::Ok, Qt::Key_Escape, AskAnswer::Ok, {"OK"}},
        {AskButtons::Ok, Qt::Key_Return, AskAnswer::Ok, {"OK"}},
    };
    AskRecorder recorder;
    AskPresenter::install();
    for (const TCase& c : cases) {
        SCOPED_TRACE(int(c.key));
        QString title, text;
        QStringList captions;
        OnModal([&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            ASSERT_TRUE(box);
            title = box->windowTitle();
            text = box->text();
            for (QAbstractButton* b : box->buttons())
                captions << b->text();
            QTest::keyClick(box, c.key);
        });
        const AskAnswer answer = Ask::show({QStringLiteral("Pytanie"), AskIcon::Question,
                                            QStringLiteral("Czy wydruk jest poprawny?"), c.buttons});
        EXPECT_EQ(answer, c.answer);
        EXPECT_EQ(title, QStringLiteral("Pytanie"));
        EXPECT_EQ(text, QStringLiteral("Czy wydruk jest poprawny?"));
        captions.sort();
        QStringList expected = c.captions;
        expected.sort();
        EXPECT_EQ(captions, expected);
    }
    Ask::setPresenter({});
    StopModalWatchers();
}
