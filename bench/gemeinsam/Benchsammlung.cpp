#include "Benchsammlung.h"

#include "Datenbankschema.h"
#include "Katalog.h"
#include "Verbindung.h"

#include <QFile>
#include <algorithm>

void GrosseSammlungMachen(const QString& pfad, int n)
{
    QFile::remove(pfad);
    DatenbankErstellen(pfad);
    Verbindung con;
    con.Oeffnen(pfad, Verbindung::LesenSchreiben);
    Katalog(con).TabelleAnhaengen(Datenbankschema::Bildtabelle(QStringLiteral("1")));
    Transaktion t(con);
    con.Ausfuehren(QStringLiteral("INSERT INTO Alben (Nummer, Albenname, Pfad) VALUES (1, 'Gross', 'Gross/')"));
    con.Ausfuehren(QStringLiteral("UPDATE Daten SET Album = '1'"));
    for (int i = 0; i < n; ++i) {
        QSqlQuery& q = con.Vorbereitet(QStringLiteral(
            "INSERT INTO \"1\" (DBNummer, Dateiname, ID, Datum, Schluesselbegriffe, Bemerkung) VALUES (?,?,?,?,?,?)"));
        q.addBindValue(QStringLiteral("0001%1").arg(i + 1, 5, 10, QLatin1Char('0')));
        q.addBindValue(QStringLiteral("bild%1.jpg").arg((i * 7919) % n, 5, 10, QLatin1Char('0')));
        q.addBindValue(0);
        q.addBindValue(QStringLiteral("2003-07-%1").arg(i % 28 + 1, 2, 10, QLatin1Char('0')));
        q.addBindValue(QStringLiteral(" 3; 7;"));
        q.addBindValue(QStringLiteral("Bemerkung zu Bild %1").arg(i));
        q.exec();
        q.finish();
    }
    t.bestaetigen();
}

double Median(QVector<double> werte)
{
    std::sort(werte.begin(), werte.end());
    return werte[werte.size() / 2];
}
