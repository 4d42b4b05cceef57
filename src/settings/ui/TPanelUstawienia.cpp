#include "settings/ui/TPanelUstawienia.h"

#include "document/svLayout.h"
#include "shell/Ask.h"
#include "shell/svGlobals.h"
#include "ui/FilePicker.h"
#include "ui_TPanelUstawienia.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QImageReader>
#include <QLineEdit>
#include <QSaveFile>

const char* const kFontSlotNames[10] = {"ReceptaNapis", "DatyNapis", "NfzNapis", "SwiadczeniodawcaDane",
                                        "ReceptaNumer", "DatyNumer", "ProfilDane", "Stopka",
                                        "Odplatnosc", "PacjentNapis"};

struct TPanelUstawienia::TSlot
{
    QSpinBox* size;
    QComboBox* face;
    QCheckBox* bold;
};

TPanelUstawienia::TPanelUstawienia(TUstawienia& settings, QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::TPanelUstawienia>())
    , m_settings(settings)
{
    ui->setupUi(this);
    // The spins change by their buttons (and arrow keys) only, so a half-typed value never reaches a setting.
    for (QSpinBox* spin : findChildren<QSpinBox*>())
        if (auto* editor = spin->findChild<QLineEdit*>())
            editor->setReadOnly(true);

    QStringList scalable;
    for (const QString& family : QFontDatabase::families(QFontDatabase::Latin))
        if (QFontDatabase::isScalable(family))
            scalable << family;
    for (int i = 0; i < 10; ++i)
        slot(i).face->addItems(scalable);
    QStringList families = QFontDatabase::families();
    families.sort(Qt::CaseInsensitive);
    ui->CBUstawFont->addItems(families);
    ui->CBUstawBoldSwiadczeniodawcaDane->setVisible(false); // slot 04 keeps its value without showing the box

    connect(ui->CbWzorRecepty, &QComboBox::currentIndexChanged, this, &TPanelUstawienia::PatternChanged);
    // These two lists are written into the settings at once.
    connect(ui->cbDrukujRegon, &QComboBox::activated, this, [this](int i) { m_settings.regonDrukuj = i; });
    connect(ui->cbDrukujNrPrawa, &QComboBox::activated, this, [this](int i) { m_settings.nrPrawaDrukuj = i; });
    // The picture controls follow the text as it is typed, as they do when the settings are shown.
    connect(ui->EdSign, &QPlainTextEdit::textChanged, this, &TPanelUstawienia::updateSignatureControls);
    connect(ui->btDefaultSettings, &QPushButton::clicked, this, &TPanelUstawienia::RestoreDefaults);
    connect(ui->BLogoWczytaj, &QPushButton::clicked, this, [this] { LoadPicture(QStringLiteral("logopict")); });
    connect(ui->BLogoUsun, &QPushButton::clicked, this, [this] { RemovePicture(QStringLiteral("logopict")); });
    connect(ui->BWczytaj, &QPushButton::clicked, this, [this] { LoadPicture(QStringLiteral("drukpict")); });
    connect(ui->BUsun, &QPushButton::clicked, this, [this] { RemovePicture(QStringLiteral("drukpict")); });
}

TPanelUstawienia::~TPanelUstawienia() = default;

TPanelUstawienia::TSlot TPanelUstawienia::slot(int index) const
{
    const QString stem = QString::fromLatin1(kFontSlotNames[index]);
    return {findChild<QSpinBox*>(QStringLiteral("spCzcionkaRozmiar") + stem),
            findChild<QComboBox*>(QStringLiteral("CBUstawFont") + stem),
            findChild<QCheckBox*>(QStringLiteral("CBUstawBold") + stem)};
}

void TPanelUstawienia::PatternChanged()
{
    const bool current = ui->CbWzorRecepty->currentText() == QLatin1String("2011-12-23");
    for (int i = 0; i < 10; ++i) {
        const TSlot s = slot(i);
        s.size->setEnabled(current);
        s.face->setEnabled(current);
        s.bold->setEnabled(current);
    }
    ui->cbDrukujNrPrawa->setEnabled(current);
    ui->cbDrukujRegon->setEnabled(current);
    ui->cbStopkaPolozenie->setEnabled(current);
    ui->CBUstawFont->setEnabled(!current);
    ui->CBUstawBoldStale->setEnabled(!current);
}

void TPanelUstawienia::ToControls()
{
    TUstawienia& s = m_settings;
    if (s.swd_fontname.trimmed().isEmpty()) {
        s.swd_framesize = 2;
        s.swd_fontname = QStringLiteral("Liberation Sans");
        s.frameexist = true;
        s.boldBase = true;
    }
    ui->CBUstawFont->setCurrentIndex(ui->CBUstawFont->findText(s.swd_fontname));
    const TSwiadczeniodawca& p = s.provider;
    ui->EdSwNazwa1->setText(p.swd_nazwa1);
    ui->EdSwNazwa2->setText(p.swd_nazwa2);
    ui->EdSwAdres1->setText(p.swd_adres1);
    ui->EdSwAdres2->setText(p.swd_adres2);
    ui->EdSwDodInfo->setText(p.swd_dodinfo);
    ui->EdRegon->setText(p.swd_regon);
    ui->CbWzorRecepty->setCurrentIndex(ui->CbWzorRecepty->findText(s.WzorRecepty));
    PatternChanged();
    ui->cbDrukujRegon->setCurrentIndex(qBound(0, s.regonDrukuj, 2));
    ui->cbDrukujNrPrawa->setCurrentIndex(qBound(0, s.nrPrawaDrukuj, 2));
    showResettable();
    ui->CbRamkiLekiDrukuj->setChecked(s.RamkiLekiWl);
    ui->EdUstawRamkiWewnPrzeryw->setValue(s.RamkiWewnPrzeryw);
    for (int i = 0; i < 10; ++i) {
        const TSlot c = slot(i);
        c.face->setCurrentIndex(c.face->findText(s.Czcionka[i]));
        c.size->setValue(s.CzcionkaRozmiar[i]);
        c.bold->setChecked(s.Pogrub[i]);
    }
    ui->cbStopkaPolozenie->setCurrentIndex(qBound(0, s.StopkaPolozenie, 1));
    if (s.swd_rcwidth == 0)
        s.swd_rcwidth = 99;
    if (s.swd_rcheight == 0)
        s.swd_rcheight = 210;
    ui->EdRcWidth->setValue(s.swd_rcwidth);
    ui->EdRcHeight->setValue(s.swd_rcheight);
    FormWidthMM = s.swd_rcwidth;
    FormHeightMM = s.swd_rcheight;
    showPicture(QStringLiteral("drukpict"));
    showPicture(QStringLiteral("logopict"));
    int found = -1;
    // The store keeps the symbol without its trailing blank ("12" for "12 ").
    const QString symbol = p.swd_symbolkch.left(3).trimmed();
    for (int i = 0; i < ui->CBSwKasaCh->count() && !symbol.isEmpty(); ++i)
        if (ui->CBSwKasaCh->itemText(i).left(3).trimmed() == symbol)
            found = i;
    ui->CBSwKasaCh->setCurrentIndex(found);
    updateSignatureControls();
}

void TPanelUstawienia::FromControls()
{
    TUstawienia& s = m_settings;
    TSwiadczeniodawca& p = s.provider;
    p.swd_nazwa1 = ui->EdSwNazwa1->text();
    p.swd_nazwa2 = ui->EdSwNazwa2->text();
    p.swd_adres1 = ui->EdSwAdres1->text();
    p.swd_adres2 = ui->EdSwAdres2->text();
    p.swd_dodinfo = ui->EdSwDodInfo->text();
    p.swd_regon = ui->EdRegon->text();
    p.swd_symbolkch = ui->CBSwKasaCh->currentText().left(3);
    s.swd_framesize = ui->EdFrameSize->value();
    s.swd_rcwidth = ui->EdRcWidth->value();
    s.swd_rcheight = ui->EdRcHeight->value();
    s.frameexist = ui->CBObramowanie->isChecked();
    s.boldBase = ui->CBUstawBoldStale->isChecked();
    s.druk_Tekst = ui->EdSign->toPlainText();
    s.daneId = ui->EdIdLekarza->text();
    s.daneId1 = ui->EdProfilDaneId1->text();
    s.daneId2 = ui->EdProfilDaneId2->text();
    s.WzorRecepty = ui->CbWzorRecepty->currentText();
    s.RamkiWewnPrzeryw = ui->EdUstawRamkiWewnPrzeryw->value();
    s.RamkiLekiWl = ui->CbRamkiLekiDrukuj->isChecked();
    s.regonDrukuj = ui->cbDrukujRegon->currentIndex();
    s.nrPrawaDrukuj = ui->cbDrukujNrPrawa->currentIndex();
    for (int i = 0; i < 10; ++i) {
        const TSlot c = slot(i);
        s.Czcionka[i] = c.face->currentText();
        s.CzcionkaRozmiar[i] = c.size->value();
        s.Pogrub[i] = c.bold->isChecked();
    }
    s.StopkaPolozenie = ui->cbStopkaPolozenie->currentIndex();
    const QString font = ui->CBUstawFont->currentText();
    if (!font.trimmed().isEmpty())
        s.swd_fontname = font;
    FormWidthMM = s.swd_rcwidth;
    FormHeightMM = s.swd_rcheight;
}

void TPanelUstawienia::RestoreDefaults()
{
    m_settings.SetDefaults();
    showResettable();
    ui->EdRegon->setText(m_settings.provider.swd_regon);
    updateSignatureControls();
    emit defaultsRestored();
}

void TPanelUstawienia::showResettable()
{
    const TUstawienia& s = m_settings;
    ui->EdFrameSize->setValue(s.swd_framesize);
    ui->CBObramowanie->setChecked(s.frameexist);
    ui->CBUstawBoldStale->setChecked(s.boldBase);
    ui->EdSign->setPlainText(s.druk_Tekst);
    ui->EdIdLekarza->setText(s.daneId);
    ui->EdProfilDaneId1->setText(s.daneId1);
    ui->EdProfilDaneId2->setText(s.daneId2);
}

void TPanelUstawienia::showPicture(const QString& stem)
{
    QLabel* image = stem == QLatin1String("drukpict") ? ui->ImgSign : ui->ImgLogo;
    QString name;
    FirstMatchingFileName(QDir::current().filePath(stem + QStringLiteral(".*")), name);
    QPixmap pixmap;
    if (!name.isEmpty())
        pixmap.load(QDir::current().filePath(QFileInfo(name).fileName()));
    const qreal ratio = image->devicePixelRatioF();
    if (!pixmap.isNull()) {
        pixmap = pixmap.scaled(image->size() * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        pixmap.setDevicePixelRatio(ratio);
    }
    image->setPixmap(pixmap);
}

void TPanelUstawienia::LoadPicture(const QString& stem)
{
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    const QString chosen = FilePicker::openFile(this, QStringLiteral("Wskaż plik z obrazem"), QString(),
                                                QStringLiteral("Obrazy (%1)").arg(patterns.join(QLatin1Char(' '))));
    if (chosen.isEmpty())
        return;
    const QString suffix = QFileInfo(chosen).suffix();
    const QString target = QDir::current().filePath(stem + (suffix.isEmpty() ? QString() : QLatin1Char('.') + suffix));
    QString failure;
    // The picture is read into memory and checked before anything is deleted: the chosen file may be the
    // current picture itself, and a file that is no picture must leave the current one in place.
    QFile source(chosen);
    QByteArray bytes;
    if (!source.open(QIODevice::ReadOnly)) {
        failure = source.errorString();
    } else {
        bytes = source.readAll();
        QBuffer buffer(&bytes);
        QImageReader reader(&buffer);
        if (reader.read().isNull())
            failure = reader.errorString();
    }
    if (failure.isEmpty()) {
        DeleteMatchingFiles(QDir::current().filePath(stem + QStringLiteral(".*")));
        QSaveFile copy(target);
        if (!copy.open(QIODevice::WriteOnly) || copy.write(bytes) != bytes.size() || !copy.commit())
            failure = copy.errorString();
    }
    if (!failure.isEmpty())
        Ask::error(QStringLiteral("Nie można załadować obrazka.\r") + failure);
    showPicture(stem);
}

void TPanelUstawienia::RemovePicture(const QString& stem)
{
    DeleteMatchingFiles(QDir::current().filePath(stem + QStringLiteral(".*")));
    showPicture(stem);
}

void TPanelUstawienia::updateSignatureControls()
{
    const bool text = !ui->EdSign->toPlainText().isEmpty();
    ui->ImgSign->setEnabled(!text);
    ui->BWczytaj->setEnabled(!text);
    ui->BUsun->setEnabled(!text);
}
