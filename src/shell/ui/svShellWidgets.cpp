#include "shell/ui/svShellWidgets.h"

#include "shell/Paths.h"
#include "shell/svGlobals.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSvgRenderer>
#include <QTabWidget>
#include <QTextEdit>
#include <QUrl>
#include <QVBoxLayout>

QPixmap SolviraArtwork(const QString& name, const QSize& size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(Paths::assetPath(QStringLiteral("icons/") + name + QStringLiteral(".svg")));
    if (renderer.isValid()) {
        QPainter painter(&pixmap);
        renderer.render(&painter);
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
    painter.drawPixmap(rect(), SolviraArtwork(QStringLiteral("splash"), size()));
}

TFormAbout::TFormAbout(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FormAbout"));
    setWindowTitle(QStringLiteral("O programie i autorach"));
    setFixedSize(665, 512);
    auto* layout = new QVBoxLayout(this);
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("PageControl1"));
    layout->addWidget(tabs);

    auto* about = new QWidget;
    about->setObjectName(QStringLiteral("TSOProgramie"));
    auto* aboutLayout = new QVBoxLayout(about);
    auto* picture = new QLabel;
    picture->setObjectName(QStringLiteral("ImageAbout"));
    picture->setPixmap(SolviraArtwork(QStringLiteral("about"), QSize(600, 240)));
    picture->setAlignment(Qt::AlignCenter);
    aboutLayout->addWidget(picture);
    auto* product = new QLabel(kProductWord);
    product->setObjectName(QStringLiteral("LabelProduct"));
    QFont big = product->font();
    big.setPointSize(20);
    big.setBold(true);
    product->setFont(big);
    product->setAlignment(Qt::AlignRight);
    aboutLayout->addWidget(product);
    auto* version = new QLabel(QStringLiteral("4.50"));
    version->setObjectName(QStringLiteral("LabelVersion"));
    version->setAlignment(Qt::AlignRight);
    aboutLayout->addWidget(version);
    auto* link = new QLabel(QStringLiteral("<a href=\"%1\">%1</a>").arg(QString::fromLatin1(kWebMaker)));
    link->setObjectName(QStringLiteral("LinkLabelWww"));
    link->setOpenExternalLinks(false);
    connect(link, &QLabel::linkActivated, this, [](const QString& url) { QDesktopServices::openUrl(QUrl(url)); });
    aboutLayout->addWidget(link);
    aboutLayout->addStretch();
    tabs->addTab(about, QStringLiteral("O programie"));

    auto* changes = new QTextEdit;
    changes->setObjectName(QStringLiteral("RichEditZmiany"));
    changes->setReadOnly(true);
    QFile file(QStringLiteral("zmiany.txt"));
    if (file.open(QIODevice::ReadOnly))
        changes->setPlainText(QString::fromUtf8(file.readAll()));
    tabs->addTab(changes, QStringLiteral("Zmiany"));

    auto* buttons = new QDialogButtonBox(this);
    auto* close = buttons->addButton(QStringLiteral("&Zamknij"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("BtnZamknij"));
    close->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
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
    painter.drawPixmap(4, 2, SolviraArtwork(QStringLiteral("printer"), QSize(13, 13)));
    const QRect textRect(0, 2, width() - 8, height() - 2);
    painter.drawText(textRect, Qt::AlignRight | Qt::AlignTop, text());
}
