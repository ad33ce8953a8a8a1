#include "Albenpflege.h"
#include "Albentestsammlung.h"
#include "Praesentationspflege.h"
#include "mdlDatenbanken.h"

#include <QDir>
#include <QtTest>
#include <memory>

// Album maintenance without windows: name rules, renaming, deleting, and
// the clean-up of presentations.
class TestAlbenpflege : public QObject {
    Q_OBJECT

    std::unique_ptr<Albentestsammlung> s;

    QStringList albenDerAuswahl() const { return s->z.albenauswahl.mid(1); }

private slots:
    void init() { s = std::make_unique<Albentestsammlung>(); }
    void cleanup() { s.reset(); }

    void neueNamenWerdenGeprueft()
    {
        s->album(QStringLiteral("Urlaub"));
        s->album(QStringLiteral("Berge"));
        s->leeren();
        QCOMPARE(NeuenAlbumnamenPruefen(s->z, s->db, QString()), Namenspruefung::Leer);
        QCOMPARE(NeuenAlbumnamenPruefen(s->z, s->db, QStringLiteral("TempAlbum")), Namenspruefung::Reserviert);
        // The file compares names without regard to case.
        QCOMPARE(NeuenAlbumnamenPruefen(s->z, s->db, QStringLiteral("urlaub")), Namenspruefung::Vorhanden);
        QCOMPARE(s->meldungen.texte(), QStringList({"Name ist reserviert!", "Diesen Namen gibt es schon!"}));
        QCOMPARE(s->meldungen.meldungen.last().stil, Meldungen::Normal);
        // The refused name leaves rsAlben unfiltered and the chooser complete.
        QVERIFY(!s->db.rsAlben.IstGefiltert());
        QCOMPARE(s->db.rsAlben.RecordCount(), 2);
        QCOMPARE(albenDerAuswahl(), QStringList({"Berge", "Urlaub"}));
        QCOMPARE(NeuenAlbumnamenPruefen(s->z, s->db, QStringLiteral("Meer")), Namenspruefung::Gueltig);
    }

    void namenMitSonderzeichenSindGewoehnlicheNamen()
    {
        const QString apostroph = QStringLiteral("O'Briens Garten");
        for (const QString& name : {apostroph, QStringLiteral("100%"), QStringLiteral("a_b")})
            QVERIFY(!s->album(name).isEmpty());
        // Neither a wildcard nor a quote: "1000" and "axb" are other names.
        QCOMPARE(NeuenAlbumnamenPruefen(s->z, s->db, QStringLiteral("1000")), Namenspruefung::Gueltig);
        QCOMPARE(NeuenAlbumnamenPruefen(s->z, s->db, QStringLiteral("axb")), Namenspruefung::Gueltig);
        QCOMPARE(NeuenAlbumnamenPruefen(s->z, s->db, apostroph), Namenspruefung::Vorhanden);

        s->waehlen(apostroph);
        QCOMPARE(AlbumUmbenennen(s->z, s->db, QStringLiteral("Rosa's 50% a_c")), Umbenennung::Umbenannt);
        const QString nummer = AlbumnummerZumNamen(s->db, QStringLiteral("a_b"));
        QVERIFY(AlbumLoeschen(s->z, s->db, QStringLiteral("a_b"), nummer).geloescht);
        QCOMPARE(s->gespeicherteAlbennamen(), QStringList({"100%", "Rosa's 50% a_c"}));
    }

    void umbenennen()
    {
        s->album(QStringLiteral("Urlaub"));
        const QString nummer = s->album(QStringLiteral("Berge"));
        s->waehlen(QStringLiteral("Berge"));
        s->leeren();

        // Another album's name (in any case) is refused; nothing changes.
        QCOMPARE(AlbumUmbenennen(s->z, s->db, QStringLiteral("URLAUB")), Umbenennung::Vorhanden);
        QCOMPARE(s->meldungen.texte(), QStringList({"Diesen Namen gibt es schon!"}));
        // More than the column holds: the file refuses it, and the state must not pretend otherwise.
        QCOMPARE(AlbumUmbenennen(s->z, s->db, QString(MaximaleAlbumnamenLaenge + 1, QLatin1Char('x'))),
                 Umbenennung::Fehlgeschlagen);
        QCOMPARE(s->meldungen.meldungen.size(), 2);
        QCOMPARE(s->z.albumName, QStringLiteral("Berge"));
        QCOMPARE(s->gespeicherteAlbennamen(), QStringList({"Berge", "Urlaub"}));
        s->leeren();

        // Its own name, also in other case, and the reserved name are fine here.
        for (const char* name : {"Berge", "BERGE", "TempAlbum"})
            QCOMPARE(AlbumUmbenennen(s->z, s->db, QLatin1String(name)), Umbenennung::Umbenannt);
        QVERIFY(s->meldungen.meldungen.isEmpty());
        QCOMPARE(s->z.albumNummer, nummer);
        QCOMPARE(s->gespeicherteAlbennamen(), QStringList({"TempAlbum", "Urlaub"}));
        QCOMPARE(albenDerAuswahl(), QStringList({"TempAlbum", "Urlaub"}));
        QCOMPARE(s->z.albenauswahl.value(s->z.albenauswahlIndex), QStringLiteral("TempAlbum"));
        // Only the row changes: the folder keeps the name it was made with.
        QVERIFY(QDir(s->z.bilderverzeichnis + QStringLiteral("Berge")).exists());

        // A search result on screen keeps its entry in the chooser.
        s->z.albenauswahl << SuchergebnisEintrag();
        s->z.suchergebnisAngezeigt = true;
        QCOMPARE(AlbumUmbenennen(s->z, s->db, QStringLiteral("Gipfel")), Umbenennung::Umbenannt);
        QCOMPARE(s->z.albenauswahl,
                 QStringList({AlbenauswahlAufforderung(), "Gipfel", "Urlaub", SuchergebnisEintrag()}));
        QCOMPARE(s->z.albenauswahlIndex, 3);
    }

    void loeschenDesAktuellenAlbumsMachtDasErsteNachNamenAktuell()
    {
        s->album(QStringLiteral("Meer"));
        const QString berge = s->album(QStringLiteral("Berge"));
        const QString alpen = s->album(QStringLiteral("Alpen"));
        s->album(QStringLiteral("Wald"));
        s->waehlen(QStringLiteral("Alpen"));
        s->leeren();

        Albumloeschung e = AlbumLoeschen(s->z, s->db, QStringLiteral("Alpen"), alpen);
        QVERIFY(e.geloescht);
        QCOMPARE(e.naechstesAlbum, QStringLiteral("Berge"));
        QCOMPARE(s->ui.aufrufe, QStringList({"AlbumAnsichtenSchliessen"}));
        QVERIFY(!s->tabellen().contains(alpen));
        QCOMPARE(s->z.albenauswahl, QStringList({AlbenauswahlAufforderung(), "Berge", "Meer", "Wald"}));
        QCOMPARE(s->z.albenauswahlIndex, 1);

        // Another album goes: the current one stays and its views stay open.
        s->waehlen(QStringLiteral("Meer"));
        s->leeren();
        e = AlbumLoeschen(s->z, s->db, QStringLiteral("Berge"), berge);
        QCOMPARE(e.naechstesAlbum, QStringLiteral("Meer"));
        QVERIFY(s->ui.aufrufe.isEmpty());
        QCOMPARE(s->z.albenauswahl.value(s->z.albenauswahlIndex), QStringLiteral("Meer"));

        // Nothing chosen in the dialog: nothing happens.
        QVERIFY(!AlbumLoeschen(s->z, s->db, QString(), QString()).geloescht);
        QCOMPARE(s->gespeicherteAlbennamen(), QStringList({"Meer", "Wald"}));
    }

    void loeschenDesLetztenAlbumsLaesstKeinesUebrig()
    {
        const QString nummer = s->album(QStringLiteral("Urlaub"));
        s->waehlen(QStringLiteral("Urlaub"));
        s->leeren();
        const Albumloeschung e = AlbumLoeschen(s->z, s->db, QStringLiteral("Urlaub"), nummer);
        QVERIFY(e.geloescht);
        QVERIFY(e.naechstesAlbum.isEmpty());
        QCOMPARE(s->ui.aufrufe, QStringList({"AlbumAnsichtenSchliessen", "AlbenBefehle aus"}));
        QVERIFY(s->z.albenauswahl.isEmpty());
        QVERIFY(s->z.albumNummer.isEmpty());
        QVERIFY(!s->db.rsAlbum.IstOffen());
        QVERIFY(!s->tabellen().contains(nummer));
    }

    void derOrdnerBleibtUndDerNaechsteGleichnamigeBekommtBV001()
    {
        const QString nummer = s->album(QStringLiteral("Urlaub"));
        QFile bild(s->z.bilderverzeichnis + QStringLiteral("Urlaub/bild.jpg"));
        QVERIFY(bild.open(QIODevice::WriteOnly));
        bild.close();
        QVERIFY(AlbumLoeschen(s->z, s->db, QStringLiteral("Urlaub"), nummer).geloescht);
        QVERIFY(bild.exists());

        QCOMPARE(LeeresAlbumAnlegen(s->z, s->db, QStringLiteral("Urlaub")), QStringLiteral("Urlaub_BV001"));
        QVERIFY(AlbumWaehlen(s->z, s->db, QStringLiteral("Urlaub")));
        QCOMPARE(s->z.albumPfad, QStringLiteral("Urlaub_BV001/"));
        QVERIFY(s->z.albumNummer != nummer);  // numbers are never given twice
    }

    void loeschenEntferntDieBilderAusAllenPraesentationen()
    {
        const QString eins = s->album(QStringLiteral("A"));
        QCOMPARE(eins, QStringLiteral("1"));
        for (int i = 2; i <= 10; ++i)
            s->album(QStringLiteral("Album %1").arg(i, 2, 10, QLatin1Char('0')));
        // Album 1 and album 10: a text prefix "1" would take both.
        const QString p1 =
            s->praesentation(QStringLiteral("Sommer"), {"000100001", "001000001", "000100002", "000200001"});
        const QString p2 = s->praesentation(QStringLiteral("Winter"), {"000100003"});
        const QString ohneTabelle = s->praesentation(QStringLiteral("Herbst"), {});
        s->db.conDaten.Ausfuehren(QStringLiteral("DROP TABLE %1").arg(ohneTabelle));

        QVERIFY(AlbumLoeschen(s->z, s->db, QStringLiteral("A"), eins).geloescht);
        // The others keep their places; gaps stay.
        QCOMPARE(s->reihen(p1), QStringList({"2 001000001", "4 000200001"}));
        QVERIFY(s->reihen(p2).isEmpty());

        BildAusPraesentationenEntfernen(s->db, QStringLiteral("001000001"));
        BildAusPraesentationenEntfernen(s->db, QStringLiteral("x"));  // no number: removes nothing
        QCOMPARE(s->reihen(p1), QStringList({"4 000200001"}));
    }

    void einFehlschlagBeimLoeschenAendertNichts()
    {
        s->album(QStringLiteral("Berge"));
        const QString nummer = s->album(QStringLiteral("Alpen"));
        const QString p = s->praesentation(QStringLiteral("Sommer"), {"000200001"});
        s->waehlen(QStringLiteral("Alpen"));
        // The row cannot go: the table dropped before it must come back.
        s->db.conDaten.Ausfuehren(QStringLiteral(
            "CREATE TRIGGER gesperrt BEFORE DELETE ON Alben BEGIN SELECT RAISE(ABORT, 'gesperrt'); END"));
        s->leeren();

        const Albumloeschung e = AlbumLoeschen(s->z, s->db, QStringLiteral("Alpen"), nummer);
        QVERIFY(!e.geloescht);
        QCOMPARE(e.naechstesAlbum, QStringLiteral("Alpen"));  // its views were closed: open it again
        QCOMPARE(s->meldungen.meldungen.size(), 1);
        QCOMPARE(s->meldungen.meldungen.first().stil, Meldungen::Fehler);
        QVERIFY(s->tabellen().contains(nummer));
        QCOMPARE(s->gespeicherteAlbennamen(), QStringList({"Alpen", "Berge"}));
        QCOMPARE(s->reihen(p), QStringList({"1 000200001"}));
        QCOMPARE(s->db.rsAlben.RecordCount(), 2);
        QCOMPARE(albenDerAuswahl(), QStringList({"Alpen", "Berge"}));

        // The connection is usable afterwards: the next attempt goes through.
        s->db.conDaten.Ausfuehren(QStringLiteral("DROP TRIGGER gesperrt"));
        QVERIFY(AlbumLoeschen(s->z, s->db, QStringLiteral("Alpen"), nummer).geloescht);
        QCOMPARE(s->gespeicherteAlbennamen(), QStringList({"Berge"}));
    }
};

int testeAlbenpflege(int argc, char** argv)
{
    TestAlbenpflege t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_albenpflege.moc"
