// libFuzzer target: an arbitrary file read as an XMZ archive, every entry as an XMZ document.
#include "import/btZipStream.h"
#include "import/svXMZFacade.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("input.xmz"));
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly))
            return 0;
        f.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    TTestNumber test;
    TZipFile zip(path);
    if (zip.isOpen()) {
        for (qsizetype i = 0; i < zip.EntryNames().size(); ++i) {
            TZipFileStream stream(zip, i);
            if (!stream.ok())
                continue;
            TXMZError error;
            auto facade = TXMZFacade::Load(stream.readAll(), &test, &error);
            for (int i = 0; facade && i < facade->DoctorCount(); ++i)
                for (int j = 0; j < facade->PoolCount(i); ++j)
                    facade->PoolText(i, j);
        }
    }
    // The document reader alone, on the raw bytes.
    TXMZError error;
    TXMZFacade::Load(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), &test, &error);
    return 0;
}
