#include "frmNameNeuesAlbum.h"

#include "Albenpflege.h"
#include "DatenbankFehler.h"
#include "Namensfilter.h"
#include "Namensordnung.h"
#include "Programmzustand.h"

#include <QDir>
#include <QLineEdit>

frmNameNeuesAlbum::frmNameNeuesAlbum(Programmzustand& zustand, Datenbankobjekte& datenbank, QWidget* eltern)
    : Albendialog(zustand, datenbank, eltern)
{
    setObjectName(QStringLiteral("frmNameNeuesAlbum"));
    setWindowTitle(QStringLiteral("Neues Album"));
    m_txtNameAlbum = new QLineEdit(this);
    m_txtNameAlbum->setObjectName(QStringLiteral("txtNameAlbum"));
    m_txtNameAlbum->setMaxLength(MaximaleAlbumnamenLaenge);
    m_filter = new Namensfilter(m_txtNameAlbum);
    aufbauen(QStringLiteral("Bitte den Namen für das neue Album eingeben:"), m_txtNameAlbum,
        QStringLiteral("(Bitte beachten: Leere Alben erhalten automatisch einen Ordner im Bilderverzeichnis)"));
}

void frmNameNeuesAlbum::cmdOK_Click()
{
    const QString name = Namensordnung::Bereinigt(m_txtNameAlbum->text(), MaximaleAlbumnamenLaenge);
    switch (NeuenAlbumnamenPruefen(z, db, name)) {
    case Namenspruefung::Leer:
        return;
    case Namenspruefung::Reserviert:
    case Namenspruefung::Vorhanden:
        m_txtNameAlbum->clear();
        m_txtNameAlbum->setFocus();
        return;
    case Namenspruefung::Gueltig:
        break;
    }
    try {
        LeeresAlbumAnlegen(z, db, name);
    } catch (const DatenbankFehler& fehler) {
        const QChar cr(13);
        z.Meldung(QStringLiteral("Das Album '%1' kann in der Datenbank %2 nicht angelegt werden.")
                      .arg(name, QDir::toNativeSeparators(z.aktuelleDatenbank))
                + cr + cr + fehler.text(),
            Meldungen::Fehler, QStringLiteral("Neues Album"));
        return;
    }
    m_albumname = name;
    accept();
}
