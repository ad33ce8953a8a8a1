#include "Albenanzeigelogik.h"
#include "Begriffsfeld.h"
#include "Begriffssammlung.h"
#include "Bildbegriffe.h"
#include "Suche.h"

#include <QTest>

using namespace Qt::StringLiterals;

// The keyword field and table, and keyword and date changes of pictures, also in a search result.
class BegriffeTest : public QObject {
    Q_OBJECT

private slots:
    void feld()
    {
        namespace F = Begriffsfeld;
        QCOMPARE(F::Anhaengen(u""_s, 7), u" 7;"_s);
        QCOMPARE(F::Anhaengen(u" 3; "_s, 9), u" 3;  9;"_s);  // after a run of blanks
        QVERIFY(F::Enthaelt(u" 3;  9;"_s, 9) && !F::Enthaelt(u" 17; 77;"_s, 7));
        QCOMPARE(F::Entfernen(u" 3; 7; 12;"_s, 7), u" 3; 12;"_s);
        QCOMPARE(F::Entfernen(u" 3; 7;"_s, 7), u" 3; "_s);  // the last one: its blank stays
        QCOMPARE(F::Entfernen(u" 17; 7;"_s, 17), u" 7;"_s);
        QCOMPARE(F::Entfernen(u" 17; 77; 7;"_s, 7), u" 17; 77; "_s);  // 7 is not in 17 or 77
        QCOMPARE(F::Entfernen(u" 17;"_s, 7), u" 17;"_s);
        QCOMPARE(F::Entfernen(u" 3;  9;"_s, 9), u" 3;  "_s);
    }

    void begriffFindenNachTextGenau()
    {
        // A typed keyword is held to the column's 50 characters; blanks alone are refused like nothing.
        for (const auto& [text, gut] : { std::pair { QString(50, u'x'), true }, std::pair { QString(51, u'x'), false },
                 std::pair { u"   "_s, false }, std::pair { u" a "_s, true } })
            QCOMPARE(Begriffstabelle::TextPruefen(text).isEmpty(), gut);

        Begriffssammlung s;
        const qint64 oma = s.begriff(u"Oma"_s);
        QCOMPARE(s.begriff(u"Oma"_s), oma);  // the same text: no new row
        const qint64 klein = s.begriff(u"oma"_s);  // another case: another keyword
        QVERIFY(klein != oma && Begriffstabelle::TextVon(s.db.rsBegriffe, klein) == u"oma"_s);
        // Texts with apostrophes and wildcards are plain texts.
        const qint64 apostroph = s.begriff(u"D'Artagnan 100%_"_s);
        QVERIFY(Begriffstabelle::NummerVon(s.db.rsBegriffe, u"D'Artagnan 100%_"_s) == apostroph
            && Begriffstabelle::NummerVon(s.db.rsBegriffe, u"D'Artagnan 100%"_s) == 0);
        // An over-long text is refused before anything is written.
        QVERIFY_THROWS_EXCEPTION(DatenbankFehler, Begriffstabelle::NeuenDatensatzEinfuegen(s.db, QString(51, u'x')));
        QVERIFY(!s.db.rsBegriffe.IstGefiltert() && s.db.rsBegriffe.RecordCount() == 3);
    }

    void umbenennenUndLoeschenUeberAlben()
    {
        Begriffssammlung s;
        const QString a = s.album(u"Urlaub"_s), b = s.album(u"Garten"_s);
        const qint64 rose = s.begriff(u"Rose"_s), tulpe = s.begriff(u"Tulpe"_s);
        const QString feld = Begriffsfeld::Eintrag(rose) + Begriffsfeld::Eintrag(tulpe);
        const QString k1 = s.zeile(a, u"a.jpg"_s, feld), k2 = s.zeile(b, u"a.jpg"_s, Begriffsfeld::Eintrag(rose));

        Begriffstabelle::Umbenennen(s.db, rose, u"Heckenrose"_s);
        // Pictures keep numbers: both albums show the new text, no row changed.
        QCOMPARE(BegriffeAuflisten(s.db.rsBegriffe, s.wert(a, k1)) + u"|"_s + BegriffeAuflisten(s.db.rsBegriffe, s.wert(b, k2)),
            u"Heckenrose, Tulpe|Heckenrose"_s);
        QCOMPARE(s.wert(a, k1), feld);

        QVERIFY(Begriffstabelle::Loeschen(s.db, rose) && !Begriffstabelle::Loeschen(s.db, rose));
        // The entries stay in the fields but name no keyword any more ...
        QCOMPARE(s.wert(b, k2) + BegriffeAuflisten(s.db.rsBegriffe, s.wert(a, k1)),
            Begriffsfeld::Eintrag(rose) + u"Tulpe"_s);
        // ... and its number is never given to a new keyword.
        QVERIFY(s.begriff(u"Heckenrose"_s) > tulpe);
    }

    // Two albums with a picture of the same name, one with keys that do not follow the rows' numbers
    // (as in older collections): an edit in the search result reaches the row that holds the key and
    // the copy, never the namesake nor the row whose number the key ends in; with its row gone, nothing.
    void suchergebnisSpiegeltInDieQuelle()
    {
        Begriffssammlung s;
        const QString a = s.album(u"Urlaub"_s), b = s.album(u"Garten"_s), t = u"TempAlbum"_s;
        const QString k1 = s.zeile(a, u"IMG_1.jpg"_s), k2 = s.zeile(a, u"zweites.jpg"_s);
        const QString kb = s.zeile(b, u"IMG_1.jpg"_s), andere = s.zeile(b, u"y.jpg"_s);
        s.db.conDaten.Ausfuehren(
            u"UPDATE \"%1\" SET DBNummer = CASE Nummer WHEN 1 THEN ? ELSE ? END"_s.arg(a), { k2, k1 });
        s.albumWaehlen(a);
        const qint64 oma = s.begriff(u"Oma"_s), opa = s.begriff(u"Opa"_s);
        Suchkriterien k;
        k.dateiname = u"IMG_1"_s;
        QCOMPARE(SucheAusfuehren(s.z, s.db, k).anzahl, 2);

        const QString e = Begriffsfeld::Eintrag(oma);
        s.aufSchluessel(kb);
        QVERIFY(Bildbegriffe::Hinzufuegen(s.z, s.db, oma) && !Bildbegriffe::Hinzufuegen(s.z, s.db, oma));
        QCOMPARE(s.wert(b, kb) + u"|"_s + s.wert(t, kb) + u"|"_s + s.wert(a, k2), e + u"|"_s + e + u"|"_s);
        QCOMPARE(FeldLesen(s.db.rsAlbum, u"DBNummer"_s), kb);
        QVERIFY(Bildbegriffe::Entfernen(s.z, s.db, oma) && !Bildbegriffe::Entfernen(s.z, s.db, oma));
        QCOMPARE(s.wert(b, kb) + s.wert(t, kb), u"  "_s);
        s.aufSchluessel(k2);
        QVERIFY(Bildbegriffe::Hinzufuegen(s.z, s.db, oma));
        QCOMPARE(s.wert(a, k2) + u"|"_s + s.wert(t, k2) + u"|"_s + s.wert(a, k1), e + u"|"_s + e + u"|"_s);

        QCOMPARE(Bildbegriffe::MarkiertenDatumSetzen(s.z, s.db, { 1, 2 }, QDate(2010, 7, 3)), 2);
        for (const auto& [tabelle, schluessel] : { std::pair { a, k2 }, std::pair { b, kb }, std::pair { t, k2 },
                 std::pair { t, kb } })
            QCOMPARE(s.wert(tabelle, schluessel, u"Datum"_s), u"2010-07-03"_s);
        QCOMPARE(s.wert(b, andere, u"Datum"_s) + s.wert(a, k1, u"Datum"_s), u"2004-05-012004-05-01"_s);

        // The picture's own row went since the search: the copy must not change alone.
        s.db.conDaten.Ausfuehren(u"DELETE FROM \"%1\""_s.arg(a));
        s.aufSchluessel(k2);
        QVERIFY_THROWS_EXCEPTION(DatenbankFehler, Bildbegriffe::Hinzufuegen(s.z, s.db, opa));
        QCOMPARE(s.wert(t, k2) + FeldLesen(s.db.rsAlbum, u"Schluesselbegriffe"_s), e + e);
    }

    void markierteBekommenBegriff()
    {
        Begriffssammlung s;
        const QString a = s.album(u"Urlaub"_s);
        const qint64 sieben = s.begriff(u"Sieben"_s), siebzehn = s.begriff(u"Siebzehn"_s);
        const QStringList k { s.zeile(a, u"a.jpg"_s, Begriffsfeld::Eintrag(sieben)), s.zeile(a, u"b.jpg"_s),
            s.zeile(a, u"c.jpg"_s, Begriffsfeld::Eintrag(siebzehn)), s.zeile(a, u"d.jpg"_s) };
        s.albumWaehlen(a);
        s.db.rsAlbum.AbsolutePositionSetzen(4);

        // a already has it: only b and c change; d is not marked.
        QCOMPARE(Bildbegriffe::MarkiertenHinzufuegen(s.z, s.db, { 1, 2, 3 }, sieben), 2);
        QCOMPARE(s.wert(a, k[1]) + u"|"_s + s.wert(a, k[2]) + u"|"_s + s.wert(a, k[3]),
            Begriffsfeld::Eintrag(sieben) + u"|"_s + Begriffsfeld::Eintrag(siebzehn) + Begriffsfeld::Eintrag(sieben) + u"|"_s);
        QCOMPARE(s.db.rsAlbum.AbsolutePosition(), 4);

        // Removing 7 leaves a picture with only 17 as it is.
        QCOMPARE(Bildbegriffe::MarkiertenEntfernen(s.z, s.db, { 1, 2, 3, 4 }, sieben), 3);
        QCOMPARE(s.wert(a, k[2]), Begriffsfeld::Eintrag(siebzehn) + u" "_s);
        QCOMPARE(Bildbegriffe::MarkiertenEntfernen(s.z, s.db, { 3 }, sieben), 0);
    }

    // A batch over three marked pictures fails at the third, by a full field (named in the message)
    // or by the engine refusing the write after two went through. Nothing is stored either way.
    void stapelScheitertUndLaesstAllesWieEsWar()
    {
        for (const bool vollesFeld : { true, false }) {
            Begriffssammlung s;
            const QString a = s.album(u"Urlaub"_s);
            const qint64 n = s.begriff(u"Oma"_s);
            const QString voll = QString(255 - 3, u' ') + u" 9;"_s;
            const QStringList felder { u" 9;"_s, u" 9;"_s, vollesFeld ? voll : u" 9;"_s };
            QStringList k;
            for (const QString& name : { u"a.jpg"_s, u"b.jpg"_s, u"c.jpg"_s })
                k << s.zeile(a, name, felder[k.size()]);
            s.albumWaehlen(a);
            s.db.rsAlbum.AbsolutePositionSetzen(2);
            if (!vollesFeld)
                s.db.conDaten.Ausfuehren(u"CREATE TRIGGER sperre BEFORE UPDATE ON \"%1\" WHEN NEW.Dateiname = 'c.jpg' "
                                         "BEGIN SELECT RAISE(ABORT, 'gesperrt'); END"_s.arg(a));
            try {
                Bildbegriffe::MarkiertenHinzufuegen(s.z, s.db, { 1, 2, 3 }, n);
                QFAIL("Der Stapel muss scheitern.");
            } catch (const DatenbankFehler& f) {
                if (vollesFeld)
                    QVERIFY2(f.text().contains(u"c.jpg"_s) && !f.text().contains(u"a.jpg"_s), qPrintable(f.text()));
            }
            for (int i = 0; i < 3; ++i)
                QCOMPARE(s.wert(a, k[i]), felder[i]);
            // The recordset shows what is stored and stands where it stood.
            QCOMPARE(s.db.rsAlbum.AbsolutePosition(), 2);
            s.db.rsAlbum.MoveFirst();
            QCOMPARE(FeldLesen(s.db.rsAlbum, u"Schluesselbegriffe"_s), u" 9;"_s);
            QVERIFY(!s.db.conDaten.InTransaktion());
        }
    }
};

int testeBegriffe(int argc, char** argv)
{
    BegriffeTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_begriffe.moc"
