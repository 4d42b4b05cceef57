#include "XmzFixture.h"

#include "numbers/svNumbers.h"

#include <QFile>

#include <zip.h>

bool WriteZip(const QString& path, const QList<QPair<QString, QByteArray>>& entries)
{
    QFile::remove(path);
    int code = 0;
    zip_t* z = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!z)
        return false;
    for (const auto& [name, bytes] : entries) {
        // The source keeps a pointer: the QByteArray must outlive zip_close, so copy it.
        void* copy = malloc(size_t(bytes.size()) + 1);
        memcpy(copy, bytes.constData(), size_t(bytes.size()));
        zip_source_t* src = zip_source_buffer(z, copy, zip_uint64_t(bytes.size()), 1);
        if (!src || zip_file_add(z, name.toUtf8().constData(), src, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE) < 0) {
            zip_discard(z);
            return false;
        }
    }
    return zip_close(z) == 0;
}

QString Num(const QString& templateNumber, qint64 serial)
{
    return NumberWithSerial(templateNumber, serial);
}

QByteArray XmzDocument(const QString& typ, const QList<QStringList>& doctors, bool withProvider)
{
    QString xml = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<recepty typ=\"%1\">\n").arg(typ);
    if (withProvider)
        xml += QStringLiteral("  <swiad nazwa=\"Przychodnia Zdrowie\" adres=\"Łódź, ul. Piotrkowska 1\"/>\n");
    int i = 0;
    for (const QStringList& numbers : doctors) {
        xml += QStringLiteral("  <lekarz imie_nazw=\"Lekarz %1\" pr_zawod=\"123456%1\" pesel=\"8001010000%1\" il_rec=\"%2\">\n")
                   .arg(i)
                   .arg(numbers.size());
        for (const QString& n : numbers)
            xml += QStringLiteral("    <n>%1</n>\n").arg(n);
        xml += QStringLiteral("  </lekarz>\n");
        ++i;
    }
    xml += QStringLiteral("</recepty>\n");
    return xml.toUtf8();
}
