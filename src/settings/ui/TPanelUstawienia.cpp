#include "settings/ui/TPanelUstawienia.h"

#include "shell/Ask.h"
#include "shell/svGlobals.h"
#include "ui/FilePicker.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

const char* const kFontSlotNames[10] = {"ReceptaNapis", "DatyNapis", "NfzNapis", "SwiadczeniodawcaDane",
                                        "ReceptaNumer", "DatyNumer", "ProfilDane", "Stopka",
                                        "Odplatnosc", "PacjentNapis"};

namespace
{
const char* const kSlotLabels[10] = {"napis \"Recepta\"", "napiy \"Data\", \"Dane lekarza\"",
                                     "napisy \"Oddział NFZ\", \"Uprawnienia dod.\"", "dane świadczeniodawcy i pacjenta",
                                     "numer recepty", "dane lekarza", "numer NFZ, uprawnienia",
                                     "stopka (dane drukarni)", "napisy \"Rp\", \"Odpłatność\"",
                                     "napisy \"Świadczeniodawca\", \"Pacjent\""};

template <typename T>
T* named(T* w, const char* name, const char* hint = nullptr)
{
    w->setObjectName(QString::fromLatin1(name));
    if (hint) {
        w->setToolTip(QString::fromUtf8(hint));
        w->setStatusTip(QString::fromUtf8(hint));
    }
    return w;
}

QSpinBox* spin(const char* name, int lo, int hi)
{
    auto* s = named(new QSpinBox, name);
    s->setRange(lo, hi);
    s->setKeyboardTracking(false);
    return s;
}

QString tr8(const char* text)
{
    return QString::fromUtf8(text);
}
} // namespace

TPanelUstawienia::TPanelUstawienia(TUstawienia& settings, QWidget* parent)
    : QWidget(parent)
    , m_settings(settings)
{
    setObjectName(QStringLiteral("PanelUstawienia"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* tabs = named(new QTabWidget, "PCUstawienia");
    tabs->addTab(buildGeneral(), QStringLiteral("Ogolne"));
    tabs->addTab(buildFonts(), QStringLiteral("Czcionki"));
    tabs->addTab(buildProvider(), QStringLiteral("Swiadczeniodawca"));
    tabs->addTab(buildAuthoring(), QStringLiteral("Autoring"));
    layout->addWidget(tabs);
    auto* defaults = named(new QPushButton(QStringLiteral("Domyslne ustawienia")), "btDefaultSettings");
    connect(defaults, &QPushButton::clicked, this, &TPanelUstawienia::RestoreDefaults);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(defaults);
    layout->addLayout(row);
}

QWidget* TPanelUstawienia::buildGeneral()
{
    auto* page = named(new QWidget, "TSOgolne");
    auto* form = new QFormLayout(page);
    auto* pattern = named(new QComboBox, "CbWzorRecepty");
    pattern->addItems({QStringLiteral("2007-05-17"), QStringLiteral("2011-12-23")});
    connect(pattern, &QComboBox::currentIndexChanged, this, &TPanelUstawienia::PatternChanged);
    form->addRow(QStringLiteral("wzór recepty"), pattern);
    form->addRow(tr8("grubość ramek wewn."), spin("EdFrameSize", 0, 4));
    form->addRow(named(new QCheckBox(tr8("obramowanie wewnętrzne")), "CBObramowanie"));
    form->addRow(tr8("grubość ramek na leki"), spin("EdUstawRamkiWewnPrzeryw", 0, 4));
    form->addRow(named(new QCheckBox(tr8("obramowanie leków")), "CbRamkiLekiDrukuj"));
    const QStringList modes{QStringLiteral("nie"), QStringLiteral("tekst"), QStringLiteral("kod kreskowy")};
    auto* regon = named(new QComboBox, "cbDrukujRegon");
    regon->addItems(modes);
    // These two lists are written into the settings at once.
    connect(regon, &QComboBox::activated, this, [this](int i) { m_settings.regonDrukuj = i; });
    form->addRow(QStringLiteral("drukuj REGON"), regon);
    auto* right = named(new QComboBox, "cbDrukujNrPrawa");
    right->addItems(modes);
    connect(right, &QComboBox::activated, this, [this](int i) { m_settings.nrPrawaDrukuj = i; });
    form->addRow(QStringLiteral("drukuj nr prawa"), right);
    auto* size = new QHBoxLayout;
    size->addWidget(spin("EdRcWidth", 98, 103));
    size->addWidget(new QLabel(QStringLiteral("x")));
    size->addWidget(spin("EdRcHeight", 203, 211));
    size->addWidget(named(new QLabel(QStringLiteral("mm")), "LabelMm",
                          "wysokość blankietu recepty w zakresie dopuszczalnym ustawowo (203 do 211 mm)"));
    size->addStretch();
    form->addRow(tr8("szerokość x wysokość recepty"), size);
    return page;
}

QWidget* TPanelUstawienia::buildFonts()
{
    auto* page = named(new QWidget, "TSCzcionki");
    auto* grid = new QGridLayout(page);
    const char* heads[] = {"element", "rozmiar", "krój", "pogrubienie"};
    for (int c = 0; c < 4; ++c) {
        auto* head = new QLabel(tr8(heads[c]));
        QFont f = head->font();
        f.setBold(true);
        head->setFont(f);
        grid->addWidget(head, 0, c);
    }
    QStringList scalable;
    for (const QString& family : QFontDatabase::families(QFontDatabase::Latin))
        if (QFontDatabase::isScalable(family))
            scalable << family;
    const char* fontHint = "wybierz krój czcionki wykorzystywanej podczas drukowania tekstów na recepcie";
    for (int i = 0; i < 10; ++i) {
        const QByteArray stem = kFontSlotNames[i];
        grid->addWidget(new QLabel(tr8(kSlotLabels[i])), i + 1, 0);
        grid->addWidget(spin(("spCzcionkaRozmiar" + stem).constData(), 1, 999), i + 1, 1);
        auto* face = named(new QComboBox, ("CBUstawFont" + stem).constData(), fontHint);
        face->addItems(scalable);
        // Long family names must not squeeze the row captions out of sight.
        face->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        face->setMinimumContentsLength(8);
        grid->addWidget(face, i + 1, 2);
        auto* bold = named(new QCheckBox, ("CBUstawBold" + stem).constData());
        bold->setVisible(i != 3); // slot 04 keeps its value without showing the box
        grid->addWidget(bold, i + 1, 3);
    }
    auto* old = new QLabel(QStringLiteral("stary wzór recepty"));
    grid->addWidget(old, 11, 0);
    auto* all = named(new QComboBox, "CBUstawFont");
    QStringList families = QFontDatabase::families();
    families.sort();
    all->addItems(families);
    all->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    all->setMinimumContentsLength(8);
    grid->addWidget(all, 11, 2);
    grid->addWidget(named(new QCheckBox(QStringLiteral("pogrubienie")), "CBUstawBoldStale"), 11, 3);
    grid->setRowStretch(12, 1);
    grid->setColumnStretch(2, 1);
    return page;
}

QWidget* TPanelUstawienia::buildProvider()
{
    auto* page = named(new QWidget, "TSSwiadczeniodawca");
    auto* form = new QFormLayout(page);
    auto edit = [form](const char* name, const char* label, const char* hint = nullptr) {
        form->addRow(tr8(label), named(new QLineEdit, name, hint));
    };
    edit("EdSwNazwa1", "nazwa (wiersz 1)");
    edit("EdSwNazwa2", "nazwa (wiersz 2)");
    edit("EdSwAdres1", "adres (wiersz 3)");
    edit("EdSwAdres2", "adres (wiersz 4)");
    edit("EdSwDodInfo", "inne inf. (wiersz 5)");
    edit("EdIdLekarza", "dane id. lekarza", "imię i nazwisko lekarza");
    auto* branch = named(new QComboBox, "CBSwKasaCh");
    form->addRow(tr8("oddział NFZ"), branch);
    edit("EdRegon", "REGON");
    edit("EdProfilDaneId1", "specjalizacja", "nazwa specjalizacji");
    edit("EdProfilDaneId2", "prawo wyk. zawodu", "numer prawa wykonywania zawodu");
    return page;
}

QWidget* TPanelUstawienia::buildAuthoring()
{
    auto* page = named(new QWidget, "TSAutoring");
    auto* grid = new QGridLayout(page);
    auto picture = [&](int row, const char* img, const char* load, const char* remove, const char* caption,
                       const char* hints[3], const QString& stem) {
        grid->addWidget(new QLabel(tr8(caption)), row, 0);
        auto* image = named(new QLabel, img, hints[0]);
        image->setFixedSize(160, 80);
        image->setFrameShape(QFrame::StyledPanel);
        image->setAlignment(Qt::AlignCenter);
        grid->addWidget(image, row, 1);
        auto* buttons = new QVBoxLayout;
        auto* l = named(new QPushButton(QStringLiteral("Wczytaj")), load, hints[1]);
        auto* r = named(new QPushButton(tr8("Usuń")), remove, hints[2]);
        connect(l, &QPushButton::clicked, this, [this, stem] { LoadPicture(stem); });
        connect(r, &QPushButton::clicked, this, [this, stem] { RemovePicture(stem); });
        buttons->addWidget(l);
        buttons->addWidget(r);
        buttons->addStretch();
        grid->addLayout(buttons, row, 2);
    };
    const char* logoHints[3] = {"logotyp świadczeniodawcy drukowany na recepcie", "wczytanie pliku z logotypem",
                                "usunięcie logotypu"};
    picture(0, "ImgLogo", "BLogoWczytaj", "BLogoUsun", "logotyp\nświadczeniodawcy", logoHints,
            QStringLiteral("logopict"));
    const char* signHints[3] = {"obraz drukowany w narożniku recepty (jeśli tekst jest pusty)",
                                "wczytanie pliku z obrazem", "usunięcie obrazu"};
    picture(1, "ImgSign", "BWczytaj", "BUsun", " sygnatura \nobraz", signHints, QStringLiteral("drukpict"));
    grid->addWidget(new QLabel(QStringLiteral("tekst")), 2, 0);
    auto* sign = named(new QPlainTextEdit, "EdSign");
    sign->setMaximumHeight(70);
    connect(sign, &QPlainTextEdit::textChanged, this, &TPanelUstawienia::updateSignatureControls);
    grid->addWidget(sign, 2, 1, 1, 2);
    auto* footer = named(new QComboBox, "cbStopkaPolozenie");
    footer->addItems({QStringLiteral("Cała szerokość"), QStringLiteral("Pod danymi lekarza")});
    grid->addWidget(footer, 3, 1);
    grid->setRowStretch(4, 1);
    grid->setColumnStretch(3, 1);
    return page;
}

void TPanelUstawienia::PatternChanged()
{
    const bool current = findChild<QComboBox*>("CbWzorRecepty")->currentText() == QLatin1String("2011-12-23");
    for (const char* stem : kFontSlotNames) {
        const QByteArray s = stem;
        for (const QByteArray& prefix : {QByteArray("spCzcionkaRozmiar"), QByteArray("CBUstawFont"),
                                         QByteArray("CBUstawBold")})
            findChild<QWidget*>(QString::fromLatin1(prefix + s))->setEnabled(current);
    }
    for (const char* name : {"cbDrukujNrPrawa", "cbDrukujRegon", "cbStopkaPolozenie"})
        findChild<QWidget*>(name)->setEnabled(current);
    findChild<QWidget*>("CBUstawFont")->setEnabled(!current);
    findChild<QWidget*>("CBUstawBoldStale")->setEnabled(!current);
}

namespace
{
template <typename T>
T* child(QWidget* w, const QString& name)
{
    return w->findChild<T*>(name);
}
} // namespace

void TPanelUstawienia::ToControls()
{
    TUstawienia& s = m_settings;
    if (s.swd_fontname.trimmed().isEmpty()) {
        s.swd_framesize = 2;
        s.swd_fontname = QStringLiteral("Liberation Sans");
        s.frameexist = true;
        s.boldBase = true;
    }
    auto* base = child<QComboBox>(this, "CBUstawFont");
    base->setCurrentIndex(base->findText(s.swd_fontname));
    const TSwiadczeniodawca& p = s.provider;
    child<QLineEdit>(this, "EdSwNazwa1")->setText(p.swd_nazwa1);
    child<QLineEdit>(this, "EdSwNazwa2")->setText(p.swd_nazwa2);
    child<QLineEdit>(this, "EdSwAdres1")->setText(p.swd_adres1);
    child<QLineEdit>(this, "EdSwAdres2")->setText(p.swd_adres2);
    child<QLineEdit>(this, "EdSwDodInfo")->setText(p.swd_dodinfo);
    child<QLineEdit>(this, "EdRegon")->setText(p.swd_regon);
    auto* pattern = child<QComboBox>(this, "CbWzorRecepty");
    pattern->setCurrentIndex(pattern->findText(s.WzorRecepty));
    PatternChanged();
    child<QComboBox>(this, "cbDrukujRegon")->setCurrentIndex(qBound(0, s.regonDrukuj, 2));
    child<QComboBox>(this, "cbDrukujNrPrawa")->setCurrentIndex(qBound(0, s.nrPrawaDrukuj, 2));
    child<QSpinBox>(this, "EdFrameSize")->setValue(s.swd_framesize);
    child<QCheckBox>(this, "CBObramowanie")->setChecked(s.frameexist);
    child<QCheckBox>(this, "CBUstawBoldStale")->setChecked(s.boldBase);
    child<QPlainTextEdit>(this, "EdSign")->setPlainText(s.druk_Tekst);
    child<QLineEdit>(this, "EdIdLekarza")->setText(s.daneId);
    child<QLineEdit>(this, "EdProfilDaneId1")->setText(s.daneId1);
    child<QLineEdit>(this, "EdProfilDaneId2")->setText(s.daneId2);
    child<QCheckBox>(this, "CbRamkiLekiDrukuj")->setChecked(s.RamkiLekiWl);
    child<QSpinBox>(this, "EdUstawRamkiWewnPrzeryw")->setValue(s.RamkiWewnPrzeryw);
    for (int i = 0; i < 10; ++i) {
        const QString stem = QString::fromLatin1(kFontSlotNames[i]);
        auto* face = child<QComboBox>(this, "CBUstawFont" + stem);
        face->setCurrentIndex(face->findText(s.Czcionka[i]));
        child<QSpinBox>(this, "spCzcionkaRozmiar" + stem)->setValue(s.CzcionkaRozmiar[i]);
        child<QCheckBox>(this, "CBUstawBold" + stem)->setChecked(s.Pogrub[i]);
    }
    child<QComboBox>(this, "cbStopkaPolozenie")->setCurrentIndex(qBound(0, s.StopkaPolozenie, 1));
    if (s.swd_rcwidth == 0)
        s.swd_rcwidth = 99;
    if (s.swd_rcheight == 0)
        s.swd_rcheight = 210;
    child<QSpinBox>(this, "EdRcWidth")->setValue(s.swd_rcwidth);
    child<QSpinBox>(this, "EdRcHeight")->setValue(s.swd_rcheight);
    showPicture(QStringLiteral("drukpict"));
    showPicture(QStringLiteral("logopict"));
    auto* branch = child<QComboBox>(this, "CBSwKasaCh");
    int found = -1;
    // The store keeps the symbol without its trailing blank ("12" for "12 ").
    for (int i = 0; i < branch->count(); ++i)
        if (!p.swd_symbolkch.trimmed().isEmpty()
            && branch->itemText(i).left(3).trimmed() == p.swd_symbolkch.left(3).trimmed())
            found = i;
    branch->setCurrentIndex(found);
    updateSignatureControls();
}

void TPanelUstawienia::FromControls()
{
    TUstawienia& s = m_settings;
    TSwiadczeniodawca& p = s.provider;
    p.swd_nazwa1 = child<QLineEdit>(this, "EdSwNazwa1")->text();
    p.swd_nazwa2 = child<QLineEdit>(this, "EdSwNazwa2")->text();
    p.swd_adres1 = child<QLineEdit>(this, "EdSwAdres1")->text();
    p.swd_adres2 = child<QLineEdit>(this, "EdSwAdres2")->text();
    p.swd_dodinfo = child<QLineEdit>(this, "EdSwDodInfo")->text();
    p.swd_regon = child<QLineEdit>(this, "EdRegon")->text();
    p.swd_symbolkch = child<QComboBox>(this, "CBSwKasaCh")->currentText().left(3);
    s.swd_framesize = child<QSpinBox>(this, "EdFrameSize")->value();
    s.swd_rcwidth = child<QSpinBox>(this, "EdRcWidth")->value();
    s.swd_rcheight = child<QSpinBox>(this, "EdRcHeight")->value();
    s.frameexist = child<QCheckBox>(this, "CBObramowanie")->isChecked();
    s.boldBase = child<QCheckBox>(this, "CBUstawBoldStale")->isChecked();
    s.druk_Tekst = child<QPlainTextEdit>(this, "EdSign")->toPlainText();
    s.daneId = child<QLineEdit>(this, "EdIdLekarza")->text();
    s.daneId1 = child<QLineEdit>(this, "EdProfilDaneId1")->text();
    s.daneId2 = child<QLineEdit>(this, "EdProfilDaneId2")->text();
    s.WzorRecepty = child<QComboBox>(this, "CbWzorRecepty")->currentText();
    s.RamkiWewnPrzeryw = child<QSpinBox>(this, "EdUstawRamkiWewnPrzeryw")->value();
    s.RamkiLekiWl = child<QCheckBox>(this, "CbRamkiLekiDrukuj")->isChecked();
    s.regonDrukuj = child<QComboBox>(this, "cbDrukujRegon")->currentIndex();
    s.nrPrawaDrukuj = child<QComboBox>(this, "cbDrukujNrPrawa")->currentIndex();
    for (int i = 0; i < 10; ++i) {
        const QString stem = QString::fromLatin1(kFontSlotNames[i]);
        s.Czcionka[i] = child<QComboBox>(this, "CBUstawFont" + stem)->currentText();
        s.CzcionkaRozmiar[i] = child<QSpinBox>(this, "spCzcionkaRozmiar" + stem)->value();
        s.Pogrub[i] = child<QCheckBox>(this, "CBUstawBold" + stem)->isChecked();
    }
    s.StopkaPolozenie = child<QComboBox>(this, "cbStopkaPolozenie")->currentIndex();
    const QString font = child<QComboBox>(this, "CBUstawFont")->currentText();
    if (!font.trimmed().isEmpty())
        s.swd_fontname = font;
}

void TPanelUstawienia::RestoreDefaults()
{
    TUstawienia& s = m_settings;
    s.SetDefaults();
    child<QSpinBox>(this, "EdFrameSize")->setValue(s.swd_framesize);
    child<QCheckBox>(this, "CBObramowanie")->setChecked(s.frameexist);
    child<QCheckBox>(this, "CBUstawBoldStale")->setChecked(s.boldBase);
    child<QPlainTextEdit>(this, "EdSign")->setPlainText(s.druk_Tekst);
    child<QLineEdit>(this, "EdIdLekarza")->setText(s.daneId);
    child<QLineEdit>(this, "EdProfilDaneId1")->setText(s.daneId1);
    child<QLineEdit>(this, "EdProfilDaneId2")->setText(s.daneId2);
    child<QLineEdit>(this, "EdRegon")->setText(s.provider.swd_regon);
    updateSignatureControls();
}

void TPanelUstawienia::showPicture(const QString& stem)
{
    auto* image = child<QLabel>(this, stem == QLatin1String("drukpict") ? "ImgSign" : "ImgLogo");
    QString name;
    FirstMatchingFileName(QDir::current().filePath(stem + QStringLiteral(".*")), name);
    QPixmap pixmap;
    if (!name.isEmpty())
        pixmap.load(QDir::current().filePath(QFileInfo(name).fileName()));
    image->setPixmap(pixmap.isNull() ? QPixmap()
                                     : pixmap.scaled(image->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
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
    // Read the chosen picture first, so a file that is no picture leaves the current one in place.
    QImageReader reader(chosen);
    if (reader.read().isNull()) {
        failure = reader.errorString();
    } else {
        DeleteMatchingFiles(QDir::current().filePath(stem + QStringLiteral(".*")));
        QFile::remove(target);
        if (!QFile::copy(chosen, target))
            failure = QStringLiteral("nie można skopiować pliku do %1").arg(target);
    }
    if (!failure.isEmpty()) {
        Ask::error(QStringLiteral("Nie można załadować obrazka.\r") + failure);
        return;
    }
    showPicture(stem);
}

void TPanelUstawienia::RemovePicture(const QString& stem)
{
    DeleteMatchingFiles(QDir::current().filePath(stem + QStringLiteral(".*")));
    showPicture(stem);
}

void TPanelUstawienia::updateSignatureControls()
{
    const bool text = !child<QPlainTextEdit>(this, "EdSign")->toPlainText().isEmpty();
    for (const char* name : {"ImgSign", "BWczytaj", "BUsun"})
        findChild<QWidget*>(name)->setEnabled(!text);
}
