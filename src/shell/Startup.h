// Start-up pieces that need no window: the command line and the INI version marker.
#pragma once

#include <QString>
#include <QStringList>

// Replaces the eighteen decimal character references of Polish letters ("&#261;" -> "ą");
// every other character and reference stays as it is.
QString DecodeParamText(const QString& text);

// The six positional fields of the command line, decoded. Fields beyond the arguments given
// are absent (has* false) so the controls keep their previous content.
struct TCommandLine
{
    int count = 0;            // positional arguments used (0..6)
    QString pesel;            // 1
    QString firstName;        // 2
    QString surname;          // 3
    QString doctor;           // 4..6 joined by single blanks

    bool hasPesel() const { return count >= 1; }
    bool hasFirstName() const { return count >= 2; }
    bool hasSurname() const { return count >= 3; }
    bool hasDoctor() const { return count >= 4; }
};

// args are the arguments after the program name; arguments beyond the sixth are ignored.
TCommandLine SplitCommandLine(const QStringList& args);

// Reads "WERSJA" of section "MAIN" in solvira.ini of the folder; when it is not exactly the
// program's version, deletes the folder's *.adi, *.ai and *.BAK files; then writes the
// version. Returns false with a message when the INI file cannot be written.
bool UpdateVersionMarker(const QString& folder, QString* error = nullptr);
