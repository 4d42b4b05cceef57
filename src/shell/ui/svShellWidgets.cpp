#include "shell/ui/svShellWidgets.h"

#include "shell/Paths.h"
#include "shell/svGlobals.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>
#include <QUrl>

namespace
{
std::function<void(const QUrl&)>& urlOpener()
{
    static std::function<void(const QUrl&)> opener = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    return opener;
}
} // namespace

void OpenShellUrl(const QUrl& url)
{
    urlOpener()(url);
}

void SetUrlOpener(std::function<void(const QUrl&)> opener)
{
    urlOpener() = std::move(opener);
}

QPixmap SolviraArtwork(const QString& name, const QSize& size, qreal ratio)
{
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(Paths::assetPath(QStringLiteral("icons/") + name + QStringLiteral(".svg")));
    if (renderer.isValid()) {
        QPainter painter(&pixmap);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    }
    return pixmap;
}

TFormSplash::TFormSplash(QWidget* owner)
    : QWidget(owner, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("FormSplash"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(639, 256);
    m_title = new QLabel(ProgramTitle(), this);
    m_title->setObjectName(QStringLiteral("LabelTitle"));
    m_title->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont font = m_title->font();
    font.setPointSize(14);
    font.setBold(true);
    m_title->setFont(font);
    m_title->adjustSize();
    m_title->move(0, 256 - m_title->height() - 16);
}

void TFormSplash::placeOnScreen()
{
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    const QSize s = screen ? screen->size() : QSize(1024, 768);
    move((s.width() + 129) / 2 - width() / 2, s.height() / 2 - height() / 2);
    // The title's distance from the right edge equals its distance from the bottom edge.
    const int left = (width() - m_title->width()) - (height() - m_title->y() - m_title->height());
    m_title->move(left, m_title->y());
}

void TFormSplash::mousePressEvent(QMouseEvent*)
{
    close();
}

void TFormSplash::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), SolviraArtwork(QStringLiteral("splash"), size(), devicePixelRatioF()));
}

TLinkLabel::TLinkLabel(QWidget* parent)
    : QLabel(parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, pal.color(QPalette::Link));
    setPalette(pal);
}

void TLinkLabel::setHovered(bool inside)
{
    QFont f = font();
    f.setUnderline(inside);
    setFont(f);
    emit hovered(inside);
}

void TLinkLabel::enterEvent(QEnterEvent* event)
{
    QLabel::enterEvent(event);
    setHovered(true);
}

void TLinkLabel::leaveEvent(QEvent* event)
{
    QLabel::leaveEvent(event);
    setHovered(false);
}

void TLinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void TLinkLabel::keyPressEvent(QKeyEvent* event)
{
    // A link reached with Tab opens with Enter or the space bar, as a button would.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

TPrintProgressPanel::TPrintProgressPanel(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("PrintProgress"));
    setFixedWidth(80);
}

void TPrintProgressPanel::setProgress(int done, int total)
{
    m_done = done;
    m_total = total;
    update();
}

QString TPrintProgressPanel::text() const
{
    return m_total == 0 ? QString() : QStringLiteral("%1/%2").arg(m_done).arg(m_total);
}

void TPrintProgressPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (m_total == 0)
        return;
    painter.drawPixmap(4, 2, SolviraArtwork(QStringLiteral("printer"), QSize(13, 13), devicePixelRatioF()));
    const QRect textRect(0, 2, width() - 8, height() - 2);
    painter.drawText(textRect, Qt::AlignRight | Qt::AlignTop, text());
}
