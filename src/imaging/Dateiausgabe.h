#pragma once
#include <QString>

class QByteArray;
class QDateTime;
class QFileDevice;

// Writing files so that a failure is seen: no write buffer that could hide
// a full disk until close, every write checked, the data on the disk before
// success is reported. A file that could not be written completely is
// removed again, never left cut off.

// ZuGross: the file passed the largest size this process may write
// (RLIMIT_FSIZE, "ulimit -f"); the disk itself may have room.
enum class Ausgabefehler { Keiner, KeinPlatz, ZuGross, Anderer };

// What a failed write on the device means: a full disk (or a quota, which
// the user meets the same way), a file size limit, or something else. Only
// after a failure, with errno cleared before the call that failed.
Ausgabefehler FehlerartVon(const QFileDevice& datei);

// "Kein Speicherplatz mehr auf <folder>": the message for a full disk.
QString KeinPlatzText(const QString& ordner);

// Copies a file to a target that must not exist yet; the copy keeps the
// source's last-modified time and is synced to the disk. A source that
// changes while it is copied (fewer or more bytes than it had, another
// time) gives no copy. On failure no
// target is left and grund says why. Without warten the copy is only sent
// on its way to the disk; the caller waits for it later (DateiSichern),
// so that many copies reach the disk side by side.
Ausgabefehler DateiKopieren(const QString& quelle, const QString& ziel, QString* grund = nullptr, bool warten = true);

// Writes the bytes into a new file (the target must not exist yet) with the
// time given, checked and synced as DateiKopieren does; on failure no target
// is left and grund says why.
Ausgabefehler DateiSchreiben(
    const QString& ziel, const QByteArray& daten, const QDateTime& zeit, QString* grund = nullptr, bool warten = true);

// The reason for a file that a size limit kept from being written.
QString ZuGrossText();

// Waits until the file's content is on the disk; false (and grund) when it cannot get there.
bool DateiSichern(const QString& pfad, QString* grund = nullptr);

// Whether the file ziel holds the first bytes of quelle exactly (all of
// them when vollstaendig): a copy of that very file, perhaps cut off.
bool GleicherInhalt(const QString& quelle, const QString& ziel, bool vollstaendig);
