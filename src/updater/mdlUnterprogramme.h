#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The update program's widget-free part: reading the installation from the
// main program's settings file, the version checks and the safe replacement
// of the program files.
namespace Update {

// The installed main program's file name.
inline const QString Programmdatei = QStringLiteral("kolvar");
// Installations older than this cannot be updated.
inline const QString MindestVersion = QStringLiteral("1.0.36");
inline const QString UpdateVersion = QStringLiteral(KOLVAR_UPDATE_VERSION);
// Files to install, relative to the installation folder; a subfolder part
// ends with "/".
inline const QStringList Dateiliste = { Programmdatei };

struct Meldung {
    enum class Symbol { Warnung, Information };
    Symbol symbol = Symbol::Warnung;
    QString titel;
    // Line breaks are single "\r", as everywhere in the program's messages.
    QString text;
};

struct Installation {
    QString ordner;  // empty when the settings name none
    QString version;  // empty when the settings name none
};

// Reads folder and version where the main program leaves them at every exit.
Installation InstallationLesen();

// The version text split at its dots; nothing when a part is not a number.
std::optional<QList<int>> VersionZerlegen(const QString& text);
// Negative, zero or positive; missing trailing parts count as 0.
int VersionVergleichen(const QList<int>& a, const QList<int>& b);

// The refusal to show before the window opens, or nothing when the update may
// run. A version text that does not parse counts as too old; a missing one
// skips the version checks.
std::optional<Meldung> InstallationPruefen(
    const Installation& installation, const QString& mindestVersion, const QString& updateVersion);

struct Ergebnis {
    bool erfolgreich = false;
    // Some files were replaced before a later one failed.
    bool teilweise = false;
    Meldung meldung;  // set when not successful
};

// What a new program must answer to "--version" before it is installed.
struct Pruefung {
    QString version = UpdateVersion;
    int wartezeitMs = 10000;  // a program that hangs is given up after this
};

// Starts the program with "--version" and compares the version it prints
// ("Kolvar 1.0.43") with the expected one. Nothing when it matches, else the
// reason, in German, to be shown after "konnte nicht ersetzt werden".
std::optional<QString> ProgrammPruefen(const QString& programm, const QString& version, int wartezeitMs);

// Replaces every file of the list in the installation folder by the one of
// the same name in the source folder. Nothing is touched unless every source
// exists; every new file is first written completely beside its target and
// checked (the program also by starting it under its temporary name), and
// only then renamed over the old one, so a failure leaves the old program in
// place. The replaced program stays beside the new one as "kolvar.alt"; the
// main program removes it when it has started.
Ergebnis DateienErsetzen(const QString& quellordner, const QString& installationsordner, const QStringList& dateien,
    const Pruefung& pruefung = {});

}  // namespace Update
