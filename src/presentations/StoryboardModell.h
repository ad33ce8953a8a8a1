#pragma once
#include "Praesentationsbilder.h"

#include <QAbstractListModel>
#include <QVector>

struct Datenbankobjekte;
struct Programmzustand;

// The open presentation as the storyboard shows it: one row per picture in
// the order of `Reihenfolge`, each with its key resolved to file and
// thumbnail path. Positions are 1-based and equal `Reihenfolge`: loading
// writes 1..n where the table has gaps.
//
// Every edit is one transaction on the table; the rows here change only
// after it was stored, and by the one row concerned, never by a reload.
// An edit that fails leaves table and rows as they were. Keys that name no
// picture of this collection are refused.
class StoryboardModell : public QAbstractListModel {
    Q_OBJECT
public:
    enum Rollen { DBNummerRolle = Qt::UserRole + 1, VorschauRolle };

    StoryboardModell(Programmzustand& z, Datenbankobjekte& db, QObject* eltern = nullptr);

    // Reads the table anew (the redraw after outside changes); keeps
    // db.rsPraesentation open on it. False when the table cannot be read.
    bool Laden(const QString& tabelle);
    void Leeren();
    QString tabelle() const { return m_tabelle; }

    int anzahl() const { return m_bilder.size(); }
    const PraesentationsBild& bild(int position) const { return m_bilder[position - 1]; }
    QString vorschau(int position) const { return m_vorschau[position - 1]; }
    // The picture itself, for a cell whose thumbnail is missing.
    QString bildPfad(int position) const;

    // Inserts before position (n + 1 appends).
    bool BildEinfuegen(int position, const QString& dbNummer);
    bool BildLoeschen(int position);
    // Moves the picture at alt so that it lands just before the picture now
    // at neu (n + 1: to the end). Dropping it on itself or on its right
    // neighbour changes nothing (false).
    bool Bildverschieben(int neu, int alt);

    int rowCount(const QModelIndex& eltern = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int rolle = Qt::DisplayRole) const override;

private:
    void zeilenNeuZaehlen();
    void sqlEinfuegen(int position, const QString& dbNummer);
    void sqlLoeschen(int position);
    void recordsetNachziehen();

    Programmzustand& z;
    Datenbankobjekte& db;
    QString m_tabelle;
    QVector<PraesentationsBild> m_bilder;
    QVector<QString> m_vorschau;
};
