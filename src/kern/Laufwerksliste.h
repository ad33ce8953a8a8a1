#pragma once
#include <QString>
#include <QVector>

// A mounted volume standing in for a drive: its root folder is the drive
// "letter", an optical file system makes it a CD-ROM, its label is the
// volume name. The list comes through this interface so that tests can play
// a disc with an ordinary folder.
struct Laufwerk {
    enum Typ { Unbekannt = 0, Wechseldatentraeger = 1, Festplatte = 2, Netzwerk = 3, CDROM = 4, RAMDisk = 5 };
    QString wurzel;  // root folder, ending with "/"
    int typ = Unbekannt;
    QString name;    // volume label; empty when there is no medium
};

class Laufwerksliste {
public:
    virtual ~Laufwerksliste() = default;
    // All volumes in a stable order.
    virtual QVector<Laufwerk> laufwerke() const = 0;
};

// "Unknown", "Removable", "Fixed", "Network", "CD-ROM", "RAM Disk"; "" for others.
QString LaufwerkstypText(int typ);

// The volume that holds the path: the one with the longest matching root.
// A default Laufwerk (empty root) when none does.
Laufwerk LaufwerkDesPfads(const QVector<Laufwerk>& liste, const QString& pfad);
