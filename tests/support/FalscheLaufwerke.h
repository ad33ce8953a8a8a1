#pragma once
#include "Laufwerksliste.h"

// A volume list for tests: ordinary folders play fixed disks and CDs.
class FalscheLaufwerke : public Laufwerksliste {
public:
    QVector<Laufwerk> laufwerke() const override { return liste; }
    void hinzufuegen(const QString& wurzel, int typ, const QString& name);
    QVector<Laufwerk> liste;
};
