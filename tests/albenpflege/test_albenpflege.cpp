#include "Albentestsammlung.h"
#include "Praesentationspflege.h"

#include <QDir>
#include <memory>

// Album maintenance without windows: names, renaming, deleting, and cleaning up presentations.
class TestAlbenpflege : public QObject {
    Q_OBJECT

    std::unique_ptr<Albentestsammlung> s;

    QStringList alben() const { return s->z.albenauswahl.mid(1); }  // the chooser without its prompt

private slots:
    void init() { s = std::make_unique<Albentestsammlung>(); }
    void cleanup() { s.reset(); }

    void namenPruefenUndUmbenennen()
    {
        for (const QString& name : { u"Zebra"_s, u"Gärten"_s, u"Äpfel"_s, u"Ägypten"_s, u"Apfel"_s, u"Urlaub"_s,
                 u"O'Briens Garten"_s, u"100%"_s, u"a_b"_s })
            QVERIFY(!s->album(name).isEmpty());
        s->leeren();
        // New names: empty, reserved and existing ones are refused; case is no difference for any
        // letter, an umlaut is one; ' % _ are ordinary characters, neither quotes nor wildcards.
        const struct {
            QString name;
            Namenspruefung ergebnis;
        } faelle[] = { { u""_s, Namenspruefung::Leer }, { u"   "_s, Namenspruefung::Leer },
            { u" TempAlbum "_s, Namenspruefung::Reserviert }, { u" urlaub"_s, Namenspruefung::Vorhanden },
            { u"äpfel"_s, Namenspruefung::Vorhanden }, { u"GÄRTEN"_s, Namenspruefung::Vorhanden },
            { u"O'Briens Garten"_s, Namenspruefung::Vorhanden }, { u"Garten"_s, Namenspruefung::Gueltig },
            { u"1000"_s, Namenspruefung::Gueltig }, { u"axb"_s, Namenspruefung::Gueltig } };
        for (const auto& f : faelle)
            QVERIFY2(NeuenAlbumnamenPruefen(s->z, s->db, f.name) == f.ergebnis, qPrintable(f.name));
        QCOMPARE(s->meldungen.meldungen.size(), 5);
        QCOMPARE(AlbumnummerZumNamen(s->db, u"äGYPTEN"_s), AlbumnummerZumNamen(s->db, u"Ägypten"_s));
        // A refused name leaves rsAlben unfiltered and the chooser complete, in German order.
        QVERIFY(!s->db.rsAlben.IstGefiltert());
        const QStringList vorne { u"100%"_s, u"a_b"_s, u"Ägypten"_s, u"Apfel"_s, u"Äpfel"_s, u"Gärten"_s };
        QCOMPARE(alben(), vorne + QStringList({ u"O'Briens Garten"_s, u"Urlaub"_s, u"Zebra"_s }));

        s->waehlen(u"O'Briens Garten"_s);
        const QString nummer = s->z.albumNummer;
        s->leeren();
        // Renaming: another album's name (in any case) is refused, blanks are no name.
        QVERIFY(AlbumUmbenennen(s->z, s->db, u"URLAUB"_s) == Umbenennung::Vorhanden
            && AlbumUmbenennen(s->z, s->db, u"   "_s) == Umbenennung::Leer && s->z.albumName == u"O'Briens Garten"_s);
        QCOMPARE(s->meldungen.texte(), QStringList { u"Diesen Namen gibt es schon!"_s });
        // A name cut to the column's width keeps no trailing blank.
        QVERIFY(AlbumUmbenennen(s->z, s->db, QString(49, u'x') + u" y"_s) == Umbenennung::Umbenannt
            && s->z.albumName == QString(49, u'x'));
        // Its own name, also in other case, and the reserved name are fine.
        for (const QString& name :
            { u"O'Briens Garten"_s, u"O'BRIENS GARTEN"_s, u"TempAlbum"_s, u" Rosa's 50% a_c "_s })
            QCOMPARE(AlbumUmbenennen(s->z, s->db, name), Umbenennung::Umbenannt);
        QVERIFY(s->meldungen.meldungen.size() == 1 && s->z.albumNummer == nummer);
        QCOMPARE(alben(), vorne + QStringList({ u"Rosa's 50% a_c"_s, u"Urlaub"_s, u"Zebra"_s }));
        QVERIFY(s->namen().contains(u"Rosa's 50% a_c"_s)  // committed
            && s->z.albenauswahl.value(s->z.albenauswahlIndex) == u"Rosa's 50% a_c"_s);
        QVERIFY(QDir(s->z.bilderverzeichnis + "O'Briens Garten"_L1).exists());  // the folder keeps its name
    }

    void loeschenBisZumLetztenAlbum()
    {
        s->album(u"Meer"_s);
        const QString alpen = s->album(u"Alpen"_s), wald = s->album(u"Wald"_s);
        s->album(u"Berge"_s);
        QVERIFY(QFile(s->z.bilderverzeichnis + "Wald/bild.jpg"_L1).open(QIODevice::WriteOnly));
        s->waehlen(u"Alpen"_s);
        s->leeren();

        // The current album: its views close, the first by name is next.
        Albumloeschung e = AlbumLoeschen(s->z, s->db, u"Alpen"_s, alpen);
        QVERIFY(e.geloescht && e.naechstesAlbum == u"Berge"_s && !s->gibtTabelle(alpen));
        QCOMPARE(s->ui.aufrufe, QStringList { u"AlbumAnsichtenSchliessen"_s });
        QCOMPARE(alben() << QString::number(s->z.albenauswahlIndex), QStringList({ u"Berge"_s, u"Meer"_s, u"Wald"_s, u"1"_s }));
        QVERIFY(!AlbumLoeschen(s->z, s->db, QString(), QString()).geloescht);  // nothing chosen
        for (const QString& name : { u"Meer"_s, u"Berge"_s })
            QVERIFY(AlbumLoeschen(s->z, s->db, name, AlbumnummerZumNamen(s->db, name)).geloescht);

        // The last one: nothing current, no chooser, the album commands off; its folder stays.
        s->waehlen(u"Wald"_s);
        s->leeren();
        e = AlbumLoeschen(s->z, s->db, u"Wald"_s, wald);
        QVERIFY(e.geloescht && e.naechstesAlbum.isEmpty());
        QCOMPARE(s->ui.aufrufe, QStringList({ u"AlbumAnsichtenSchliessen"_s, u"AlbenBefehle aus"_s }));
        QVERIFY(s->z.albenauswahl.isEmpty() && s->z.albumNummer.isEmpty() && !s->db.rsAlbum.IstOffen()
            && QFile::exists(s->z.bilderverzeichnis + "Wald/bild.jpg"_L1));
        // The next album of that name gets a folder of its own and a new number.
        QCOMPARE(LeeresAlbumAnlegen(s->z, s->db, u"Wald"_s), u"Wald_BV001"_s);
        QVERIFY(AlbumWaehlen(s->z, s->db, u"Wald"_s) && s->z.albumNummer != wald && s->z.albumPfad == u"Wald_BV001/"_s);
    }

    void anderesAlbumGeloeschtDasAktuelleBleibt()
    {
        // The current album first, in the middle and last: the chooser's entries shift, it must not.
        for (const auto& [aktuelles, geloescht] :
            { std::pair { u"Zoo"_s, u"Berge"_s }, std::pair { u"Zoo"_s, u"Alpen"_s },
                std::pair { u"Berge"_s, u"Alpen"_s }, std::pair { u"Alpen"_s, u"Zoo"_s } }) {
            s = std::make_unique<Albentestsammlung>();
            for (const QString& name : { u"Zoo"_s, u"Alpen"_s, u"Berge"_s })
                s->album(name);
            s->waehlen(aktuelles);
            const QString nummer = s->z.albumNummer;
            s->leeren();
            const Albumloeschung e = AlbumLoeschen(s->z, s->db, geloescht, AlbumnummerZumNamen(s->db, geloescht));
            QVERIFY(e.geloescht && e.naechstesAlbum == aktuelles && s->ui.aufrufe.isEmpty());
            QCOMPARE(s->z.albenauswahl.value(s->z.albenauswahlIndex) + s->z.albumNummer, aktuelles + nummer);
        }
    }

    void leeresAlbumBekommtImmerEinenOrdner()
    {
        // Even when new albums leave their pictures where they are.
        s->z.einstellungen.lngBehandlungNeueAlben = 2;
        QVERIFY_THROWS_EXCEPTION(DatenbankFehler, LeeresAlbumAnlegen(s->z, s->db, u"   "_s));
        QVERIFY(!QFileInfo::exists(s->z.bilderverzeichnis + "   "_L1));
        QCOMPARE(LeeresAlbumAnlegen(s->z, s->db, u"  Rom "_s), u"Rom"_s);
        QVERIFY(QDir(s->z.bilderverzeichnis + "Rom"_L1).exists() && AlbumWaehlen(s->z, s->db, u"Rom"_s)
            && s->z.albumPfad == u"Rom/"_s);
    }

    void loeschenRaeumtPraesentationenAufOderAendertNichts()
    {
        const QString eins = s->album(u"A"_s);
        for (int i = 2; i <= 10; ++i)
            s->album(u"Album %1"_s.arg(i));
        QCOMPARE(AlbumnummerZumNamen(s->db, u"Album 10"_s), u"10"_s);
        // Album 1 and album 10: a text prefix "1" would take both.
        const QString p1 = s->praesentation(u"Sommer"_s, u"000100001 001000001 000100002 000200001"_s.split(u' '));
        const QString p2 = s->praesentation(u"Winter"_s, { u"000100003"_s });
        s->db.conDaten.Ausfuehren(u"DROP TABLE %1"_s.arg(s->praesentation(u"Herbst"_s, {})));  // a row without table
        s->waehlen(u"A"_s);
        // The row cannot go: the table dropped before it must come back.
        s->db.conDaten.Ausfuehren(
            u"CREATE TRIGGER gesperrt BEFORE DELETE ON Alben BEGIN SELECT RAISE(ABORT, 'gesperrt'); END"_s);
        s->leeren();
        const Albumloeschung e = AlbumLoeschen(s->z, s->db, u"A"_s, eins);
        QVERIFY(!e.geloescht && e.naechstesAlbum == u"A"_s);  // its views were closed: open it again
        QVERIFY(s->meldungen.meldungen.size() == 1 && s->meldungen.meldungen.first().stil == Meldungen::Fehler);
        QVERIFY(s->gibtTabelle(eins) && s->namen().size() == 10);
        QCOMPARE(alben(), s->namen());
        QCOMPARE(s->reihen(p1).size() + s->reihen(p2).size(), 5);

        // The next attempt goes through: the album's pictures leave every presentation, others stay.
        s->db.conDaten.Ausfuehren(u"DROP TRIGGER gesperrt"_s);
        QVERIFY(AlbumLoeschen(s->z, s->db, u"A"_s, eins).geloescht);
        QCOMPARE(s->namen().size(), 9);
        QCOMPARE(s->reihen(p1), QStringList({ u"2 001000001"_s, u"4 000200001"_s }));
        QVERIFY(s->reihen(p2).isEmpty());
        BildAusPraesentationenEntfernen(s->db, u"001000001"_s);
        BildAusPraesentationenEntfernen(s->db, u"x"_s);  // no number: removes nothing
        QCOMPARE(s->reihen(p1), QStringList { u"4 000200001"_s });
    }
};

int testeAlbenpflege(int argc, char** argv)
{
    TestAlbenpflege t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_albenpflege.moc"
