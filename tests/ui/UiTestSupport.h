// Helpers for driving modal windows and the main window in the widget tests.
#pragma once

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

#include <functional>

// Owner of the pending watchers, so a test can stop the ones that never fired before the next test runs.
inline QObject& ModalWatchers()
{
    static QObject owner;
    return owner;
}

inline void StopModalWatchers()
{
    qDeleteAll(ModalWatchers().findChildren<QTimer*>(Qt::FindDirectChildrenOnly));
}

// Runs step on the first modal window that appears (polling), so a test can drive an exec()'d dialog.
inline void OnModal(std::function<void(QWidget*)> step, int timeoutMs = 10000)
{
    auto* timer = new QTimer(&ModalWatchers());
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    QObject::connect(timer, &QTimer::timeout, [timer, step, started, timeoutMs] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            step(modal);
        } else if (started->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(20);
}

template <typename T>
T* Child(QWidget* parent, const char* name)
{
    return parent->findChild<T*>(QString::fromLatin1(name));
}

inline void Click(QWidget* parent, const char* name)
{
    auto* button = Child<QPushButton>(parent, name);
    if (button)
        QTest::mouseClick(button, Qt::LeftButton);
}

// Types text key by key; letters outside ASCII go as key events carrying their text, as an input method sends them.
inline void TypeText(QWidget* widget, const QString& text)
{
    for (const QChar ch : text) {
        if (ch.unicode() < 128) {
            QTest::keyClick(widget, ch.toLatin1());
        } else {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(widget, &press);
            QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(widget, &release);
        }
    }
}

// The names of the widgets Tab visits after from, in order, as far as count widgets.
inline QStringList TabChain(QWidget* from, int count)
{
    QStringList names;
    QWidget* w = from;
    while (names.size() < count) {
        w = w->nextInFocusChain();
        if (w == from)
            break;
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(from->window()) && w->isEnabled()
            && !w->objectName().startsWith(QLatin1String("qt_")))
            names << w->objectName();
    }
    return names;
}
