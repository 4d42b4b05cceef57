// Constant lists, program identity, help topics, file helpers and the text helpers that the
// number rules, the stores and the dialogs share. Positions in texts count from 1. "Blank"
// means the space character only.
#pragma once

#include <QString>
#include <QStringList>

inline const QString kProductWord = QStringLiteral("Solvira");
inline const QString kProgramVersion = QStringLiteral("4.50");

QString ProgramTitle(); // "Solvira 4.50"

// Help topics.
enum HelpTopic : int {
    HelpMain = 100,
    HelpWizard = 201,
    HelpPools = 301,
    HelpIssue = 302,
    HelpSerial = 303,
    HelpSettings = 304,
    HelpPatients = 30201,
    HelpDrugs = 30202,
};

// The 17 NFZ branches ("01 Dolnośląski" ... ), the 12 entitlements and the 5 payment levels.
const QStringList& BranchList();
const QStringList& EntitlementList();
const QStringList& PaymentLevelList();
// Each empties the target and adds the entries in their fixed order.
void FillBranches(QStringList& target);
void FillEntitlements(QStringList& target);
void FillPaymentLevels(QStringList& target);

// Deletes every plain file matching the mask (folder + wildcard name); failures are skipped.
void DeleteMatchingFiles(const QString& maskWithFolder);
// Sets name to the bare name of the first match; leaves it unchanged when nothing matches.
void FirstMatchingFileName(const QString& maskWithFolder, QString& name);

// Text helpers.
QString TrimBlanks(const QString& text);
QString TrimLeftBlanks(const QString& text);
QString TrimRightBlanks(const QString& text);
bool IsBlank(const QString& text);
QString UpperPl(const QString& text);
QString CharAt(const QString& text, int position);
QString CopyRange(const QString& text, int from, int to);
QString LeftPart(const QString& text, int n);
QString RightPart(const QString& text, int n);
QString ZeroPad(qint64 value, int width);
qint64 TextToInt64(const QString& text);
double TextToFloat(const QString& text);
bool IsDigit(const QString& text);
QString Choose(bool flag, const QString& a, const QString& b);
QString EnsureSuffix(const QString& text, const QString& suffix);
QString EnsureBackslash(const QString& text);
bool WildcardMatch(const QString& pattern, const QString& text, QChar wildcard);

// Orders two texts by their letters' Windows-1250 codes (the order of the original code page).
int CompareCp1250(const QString& a, const QString& b);
