#pragma once
#include <QString>
#include <QTemporaryDir>

// A small RAM disk for tests of a full disk: a tmpfs of the given size
// mounted on a temporary folder, unmounted again at the end. Mounting needs
// root; where it is not possible, bereit() is false and grund() says why,
// for a QSKIP.
class KleinerDatentraeger {
public:
    explicit KleinerDatentraeger(qint64 bytes);
    ~KleinerDatentraeger();
    KleinerDatentraeger(const KleinerDatentraeger&) = delete;
    KleinerDatentraeger& operator=(const KleinerDatentraeger&) = delete;

    bool bereit() const { return m_eingehaengt; }
    QString grund() const { return m_grund; }
    // The mounted folder, ending with "/".
    QString pfad() const { return m_ordner.path() + QLatin1Char('/'); }
    // Changes the size, to free room after a test filled it.
    bool groesseAendern(qint64 bytes);
    // Makes it read-only (files can be read and copied but not deleted), or writable again.
    bool schreibschuetzen(bool an = true);
    // Unmounts it now, as when a stick is pulled: the empty folder stays.
    bool aushaengen();

private:
    QTemporaryDir m_ordner;
    bool m_eingehaengt = false;
    QString m_grund;
};
