// The splash window, link labels, the owner-drawn print-progress panel of the status bar and the
// way out to the system shell for web, e-mail and help addresses.
#pragma once

#include <QLabel>
#include <QWidget>

#include <functional>

class QUrl;

class TFormSplash : public QWidget
{
    Q_OBJECT
public:
    explicit TFormSplash(QWidget* owner);
    void placeOnScreen();
    QLabel* titleLabel() const { return m_title; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* m_title = nullptr;
};

// A label that behaves as a link: hand cursor, underlined while the mouse is over it, clicked on release.
class TLinkLabel : public QLabel
{
    Q_OBJECT
public:
    explicit TLinkLabel(QWidget* parent = nullptr);

signals:
    void hovered(bool inside);
    void clicked();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void setHovered(bool inside);
};

class TPrintProgressPanel : public QWidget
{
    Q_OBJECT
public:
    explicit TPrintProgressPanel(QWidget* parent = nullptr);
    void setProgress(int done, int total);
    int done() const { return m_done; }
    int total() const { return m_total; }
    QString text() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_done = 0;
    int m_total = 0;
};

// The picture of the program drawn from our own SVG artwork at the given size, sharp at the
// given device pixel ratio (the screen's scaling).
QPixmap SolviraArtwork(const QString& name, const QSize& size, qreal ratio = 1.0);

// Hands an address to the system shell (browser, mail program, help pages); tests replace the opener.
void OpenShellUrl(const QUrl& url);
void SetUrlOpener(std::function<void(const QUrl&)> opener);
// The web page and e-mail address of the maker.
inline constexpr const char* kWebProgram = "https://solvira.pl/";
inline constexpr const char* kWebMaker = "https://solvira.pl/firma";
inline constexpr const char* kMailMaker = "mailto:kontakt@solvira.pl";
