// The thumbnail run on a pool of threads: the same files as one thread
// makes, results handed out in the order of the list, and a stop that
// leaves only complete thumbnails behind.
#include "Vorschaubildpool.h"

#include <QDir>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <numeric>

namespace {

struct Ordner {
    QTemporaryDir dir;
    QVector<Vorschauauftrag> auftraege(const QStringList& bilder, const QString& ziel) const
    {
        QDir().mkpath(dir.filePath(ziel));
        QVector<Vorschauauftrag> liste;
        for (const QString& name : bilder)
            liste.push_back({ dir.filePath("quelle/" + name), dir.filePath(ziel + '/' + name) });
        return liste;
    }
};

void BildSchreiben(const QString& pfad, QSize groesse, int nummer)
{
    QImage bild(groesse, QImage::Format_RGB32);
    bild.fill(QColor::fromHsv(nummer * 37 % 360, 200, 220));
    QPainter(&bild).drawEllipse(QRect(QPoint(0, 0), groesse / 2));
    QVERIFY(bild.save(pfad, "JPEG", 90));
}

QByteArray Inhalt(const QString& pfad)
{
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

}  // namespace

class TestVorschaupool : public QObject {
    Q_OBJECT

    Ordner m_ordner;
    QStringList m_bilder;
    QStringList m_kaputt;

private slots:
    void initTestCase()
    {
        // Good pictures of many sizes and both formats, and among them what a
        // real folder holds too: a cut-off JPEG, an empty file, a text.
        QVERIFY(QDir().mkpath(m_ordner.dir.filePath("quelle")));
        const QString quelle = m_ordner.dir.filePath("quelle/");
        for (int i = 0; i < 14; ++i) {
            const QString name = QStringLiteral("bild%1.jpg").arg(i, 2, 10, QLatin1Char('0'));
            BildSchreiben(quelle + name, i % 3 == 0 ? QSize(600 + 40 * i, 900) : QSize(1200 - 30 * i, 700), i);
            m_bilder << name;
            if (i == 4) {
                BildSchreiben(quelle + "abgeschnitten.jpg", QSize(800, 600), 99);
                QVERIFY(
                    QFile::resize(quelle + "abgeschnitten.jpg", QFileInfo(quelle + "abgeschnitten.jpg").size() / 2));
                m_bilder << "abgeschnitten.jpg";
            }
            if (i == 8) {
                QFile leer(quelle + "leer.jpg");
                QVERIFY(leer.open(QIODevice::WriteOnly));
                QFile text(quelle + "notiz.txt");
                QVERIFY(text.open(QIODevice::WriteOnly) && text.write("kein Bild\n") > 0);
                m_bilder << "leer.jpg"
                         << "notiz.txt"
                         << "fehlt.jpg";
            }
        }
        m_kaputt = QStringList({ "abgeschnitten.jpg", "leer.jpg", "notiz.txt", "fehlt.jpg" });
    }

    void vieleThreadsWieEiner()
    {
        QHash<int, QVector<int>> reihenfolge;
        QHash<int, QVector<Vorschauergebnis>> ergebnisse;
        for (int threads : { 1, 4 }) {
            const QString ziel = QStringLiteral("vorschau%1").arg(threads);
            const auto auftraege = m_ordner.auftraege(m_bilder, ziel);
            const int gemeldet = VorschaubilderParallelErzeugen(
                auftraege,
                [&](int i, const Vorschauergebnis& e) {
                    reihenfolge[threads] << i;
                    ergebnisse[threads] << e;
                    return true;
                },
                {}, threads);
            QCOMPARE(gemeldet, m_bilder.size());
        }
        QVector<int> inOrdnung(m_bilder.size());
        std::iota(inOrdnung.begin(), inOrdnung.end(), 0);
        QCOMPARE(reihenfolge[1], inOrdnung);
        QCOMPARE(reihenfolge[4], inOrdnung);

        for (int i = 0; i < m_bilder.size(); ++i) {
            const QString& name = m_bilder.at(i);
            const Vorschauergebnis &einer = ergebnisse[1].at(i), &viele = ergebnisse[4].at(i);
            const QString a = m_ordner.dir.filePath("vorschau1/" + name),
                          b = m_ordner.dir.filePath("vorschau4/" + name);
            QCOMPARE(viele.ok, !m_kaputt.contains(name));
            QCOMPARE(einer.ok, viele.ok);
            QCOMPARE(einer.fehlertext, viele.fehlertext);
            if (!viele.ok) {
                QVERIFY2(!viele.grund.isEmpty(), qPrintable(name));
                QVERIFY(!QFileInfo::exists(a) && !QFileInfo::exists(b));
                continue;
            }
            const QImage bild(b);
            QCOMPARE(bild.size(), QSize(viele.breite, viele.hoehe));
            QCOMPARE(QSize(einer.breite, einer.hoehe), bild.size());
            // The encoder is deterministic: threads that shared a buffer would show here.
            QCOMPARE(Inhalt(a), Inhalt(b));
        }
        // Nothing but the thumbnails: no temporary files left behind.
        QCOMPARE(QDir(m_ordner.dir.filePath("vorschau4"))
                     .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
                     .size(),
            m_bilder.size() - m_kaputt.size());
    }

    void anhaltenUndFensterBedienen()
    {
        // The caller's events go on while the pool works.
        int takte = 0;
        QTimer uhr;
        connect(&uhr, &QTimer::timeout, this, [&] { ++takte; });
        uhr.start(0);
        QVector<int> gesehen;
        int takteBeimZweiten = -1;
        const auto auftraege = m_ordner.auftraege(m_bilder, "halt");
        const int gemeldet = VorschaubilderParallelErzeugen(
            auftraege,
            [&](int i, const Vorschauergebnis&) {
                gesehen << i;
                if (i == 2)
                    takteBeimZweiten = takte;
                return i < 2;
            },
            {}, 3);
        QCOMPARE(gemeldet, 3);
        QCOMPARE(gesehen, QVector<int>({ 0, 1, 2 }));
        QVERIFY(takteBeimZweiten > 0);
        // Those already begun were finished: each file there is a whole thumbnail.
        const QDir halt(m_ordner.dir.filePath("halt"));
        const QStringList da = halt.entryList(QDir::Files | QDir::Hidden);
        QVERIFY(da.size() >= 3);
        for (const QString& name : da)
            QVERIFY2(!QImageReader(halt.filePath(name)).read().isNull(), qPrintable(name));
        QCOMPARE(VorschaubilderParallelErzeugen({}, [](int, const Vorschauergebnis&) { return true; }), 0);
    }
};

QTEST_MAIN(TestVorschaupool)
#include "test_vorschaupool.moc"
