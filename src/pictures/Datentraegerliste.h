#pragma once
#include "Laufwerksliste.h"

#include <QByteArray>

// The machine's real volume list: every mounted volume, sorted by its root
// folder so that "the first matching drive" means the same on every call.
// This is the one place that knows about the operating system's volumes;
// everything else asks through Laufwerksliste.
class Datentraegerliste : public Laufwerksliste {
public:
    QVector<Laufwerk> laufwerke() const override;
};

// The drive type of a volume from its file system type: optical file
// systems are CD-ROMs, network and RAM file systems are what they say,
// anything else is removable or fixed as the device tells.
int DatentraegerTyp(const QByteArray& dateisystem, bool wechselbar);

// Whether the block device (e.g. "/dev/sdb1") reports removable media;
// false where that cannot be told.
bool IstWechselbar(const QByteArray& geraet);
