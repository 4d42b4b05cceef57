// The splash window, the about box and the owner-drawn print-progress panel of the status bar.
#pragma once

#include <QDialog>
#include <QWidget>

class QLabel;

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

class TFormAbout : public QDialog
{
    Q_OBJECT
public:
    explicit TFormAbout(QWidget* parent = nullptr);
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

// The picture of the program drawn from our own SVG artwork at the given size.
QPixmap SolviraArtwork(const QString& name, const QSize& size);
// The web page and e-mail address of the maker.
inline constexpr const char* kWebProgram = "https://solvira.pl/";
inline constexpr const char* kWebMaker = "https://solvira.pl/firma";
inline constexpr const char* kMailMaker = "mailto:kontakt@solvira.pl";
