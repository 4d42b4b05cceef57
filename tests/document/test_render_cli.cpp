// solvira-cli render: one complete form from a JSON prescription, as PNG and as PDF.
#include "support/TestSupport.h"

#include <QFile>
#include <QImage>
#include <QProcess>

namespace
{
const char* kPrescription = R"({
  "patient": {"imie": "Jan", "nazwisko": "Nowak", "pesel": "56021512345", "ulica": "Polna", "nrDomu": "1",
              "kodPocztowy": "00-001", "miasto": "Warszawa", "dataUr": "1956-02-15"},
  "uprawnienia": "IB", "przewlekle": true, "dataReal": "2026-12-20", "specjalny": "pro familia",
  "numer": "0112345678901234567890",
  "leki": [
    {"Nazwa": "Amoxicillinum", "Postac": "tabl. powl.", "Dawka": "500 mg", "Dawkowanie": "1 tabl. co 8 godz.",
     "Ilosc": 2, "Jm": "op.", "Cito": true, "NieZamieniac": true, "Odplatnosc": 2},
    {"Nazwa": "Metforminum", "Postac": "tabl.", "Dawka": "850 mg", "Dawkowanie": "2 x 1", "Ilosc": 1,
     "Jm": "op.", "Odplatnosc": 4}
  ]
})";

QString writeFile(const TempDataFolder& dir, const QString& name, const QByteArray& text)
{
    QFile f(dir.file(name));
    f.open(QIODevice::WriteOnly);
    f.write(text);
    return f.fileName();
}

TEST(RenderCli, PngIsAnA4PageWithTheFormCentred)
{
    TempDataFolder data;
    const QString json = writeFile(data, QStringLiteral("r.json"), kPrescription);
    const QString out = data.file(QStringLiteral("r.png"));
    const CliRun r = runCli({QStringLiteral("render"), QStringLiteral("--prescription"), json, QStringLiteral("--out"),
                             out, QStringLiteral("--dpi"), QStringLiteral("300")},
                            data.path());
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QImage img(out);
    ASSERT_FALSE(img.isNull());
    EXPECT_EQ(img.width(), 2480);
    EXPECT_EQ(img.height(), 3508);
    // The form (99 x 210 mm) in the middle of the page: nothing drawn in the page's margins.
    int darkLeft = 0;
    for (int y = 0; y < img.height(); y += 4)
        for (int x = 0; x < 600; ++x)
            darkLeft += qGray(img.pixel(x, y)) < 128;
    EXPECT_EQ(darkLeft, 0);
    const QStringList read = zbarRead(img);
    EXPECT_TRUE(read.contains(QStringLiteral("CODE-128:0112345678901234567890"))) << read.join(' ').toStdString();
    EXPECT_TRUE(read.contains(QStringLiteral("CODE-128:560215123456")));
}

TEST(RenderCli, PdfCarriesTheTexts)
{
    TempDataFolder data;
    const QString json = writeFile(data, QStringLiteral("r.json"), kPrescription);
    const QString out = data.file(QStringLiteral("r.pdf"));
    const CliRun r = runCli({QStringLiteral("render"), QStringLiteral("--prescription"), json, QStringLiteral("--out"),
                             out},
                            data.path());
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    QFile f(out);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.read(5) == "%PDF-");
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {out, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString content = QString::fromUtf8(text.readAllStandardOutput());
    for (const char* expected : {"Recepta", "Jan Nowak", "Amoxicillinum", "pro familia", "20-12-2026", "Wydruk własny"})
        EXPECT_TRUE(content.contains(QString::fromUtf8(expected))) << expected;
}

struct Refusal
{
    const char* json;
    const char* message; // a part of the one-line message
};

TEST(RenderCli, RefusesBadPrescriptions)
{
    TempDataFolder data;
    const Refusal cases[] = {
        {"{", "niepoprawny JSON"},
        {"[]", "oczekiwano obiektu JSON"},
        {R"({"specjalny": "pro patria"})", "nieznana wartość \"specjalny\""},
        {R"({"dataReal": "2026-02-30"})", "nieprawidłowa data"},
        {R"({"leki": [{"Nazwa": "A", "Ilosc": 0}]})", "nie została wprowadzona poprawnie ilość"},
        {R"({"leki": [{"Nazwa": "A", "Ilosc": 1.5}]})", "nie została wprowadzona poprawnie ilość"},
        {R"({"leki": [{"Nazwa": " "}]})", "nie została wprowadzona nazwa leku"},
        {R"({"leki": [{"Nazwa": "A", "Odplatnosc": 5}]})", "nieprawidłowa odpłatność"},
        {R"({"leki": [{"Nazwa": "A", "Cito": "tak"}]})", "true lub false"},
        {R"({"leki": [{"Nazwa":"A"},{"Nazwa":"B"},{"Nazwa":"C"},{"Nazwa":"D"},{"Nazwa":"E"},{"Nazwa":"F"}]})",
         "przekroczono maksymalną liczbę leków na recepcie"},
        {R"({"numer": "01-23"})", "tylko cyfry"},
        {R"({"patient": {"dataUr": "15.02.1956"}})", "nieprawidłowa data"},
    };
    const QString out = data.file(QStringLiteral("x.png"));
    for (const Refusal& c : cases) {
        SCOPED_TRACE(c.json);
        const QString json = writeFile(data, QStringLiteral("bad.json"), c.json);
        const CliRun r = runCli({QStringLiteral("render"), QStringLiteral("--prescription"), json,
                                 QStringLiteral("--out"), out},
                                data.path());
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.message))) << r.err.toStdString();
        EXPECT_FALSE(QFile::exists(out));
    }
}

TEST(RenderCli, UsageErrors)
{
    TempDataFolder data;
    const QString json = writeFile(data, QStringLiteral("r.json"), "{}");
    const QStringList base = {QStringLiteral("render"), QStringLiteral("--prescription"), json};
    EXPECT_EQ(runCli(base, data.path()).exitCode, 2) << "no --out";
    EXPECT_EQ(runCli(base + QStringList{QStringLiteral("--out"), data.file(QStringLiteral("a.gif"))}, data.path()).exitCode, 2);
    EXPECT_EQ(runCli(base + QStringList{QStringLiteral("--out"), data.file(QStringLiteral("a.png")),
                                        QStringLiteral("--dpi"), QStringLiteral("abc")},
                     data.path())
                  .exitCode,
              2);
    EXPECT_EQ(runCli(base + QStringList{QStringLiteral("--out"), data.file(QStringLiteral("a.png")),
                                        QStringLiteral("--dpi"), QStringLiteral("5000")},
                     data.path())
                  .exitCode,
              2);
    const CliRun missing = runCli({QStringLiteral("render"), QStringLiteral("--prescription"),
                                   data.file(QStringLiteral("none.json")), QStringLiteral("--out"),
                                   data.file(QStringLiteral("a.png"))},
                                  data.path());
    EXPECT_EQ(missing.exitCode, 1);
    // An empty prescription is a valid blank form.
    const CliRun blank = runCli(base + QStringList{QStringLiteral("--out"), data.file(QStringLiteral("b.png")),
                                                   QStringLiteral("--dpi"), QStringLiteral("72")},
                                data.path());
    EXPECT_EQ(blank.exitCode, 0) << blank.err.toStdString();
}
} // namespace
