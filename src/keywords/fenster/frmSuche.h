#pragma once
#include "Suche.h"

#include <QWidget>

class Begriffsliste;
class QCalendarWidget;
class QLineEdit;
class QPushButton;
struct Datenbankobjekte;
struct Programmzustand;

// The search window: keywords (a picture needs every one chosen), part of
// the remark, part of the file name and a date range. "Suche starten" runs
// the search of the keywords core; a match becomes the pseudo-album
// "Suchergebnis:" in every view and the window closes, no match leaves
// what was shown and says so.
class frmSuche : public QWidget {
    Q_OBJECT
public:
    frmSuche(Programmzustand& zustand, Datenbankobjekte& db, QWidget* eltern = nullptr);
    ~frmSuche() override;

    void ListeAuffuellen();
    void cmdHinzufuegen_Click();
    void cmdLoeschen_Click();
    void cmdStarten_Click();
    // Activation: calendars on today, a remark typed in the viewer written.
    void Aktivieren();
    // The criteria as the boxes hold them now.
    Suchkriterien kriterien() const;
    QVector<qint64> gewaehlteBegriffe() const { return m_begriffe; }

signals:
    void geschlossen();

protected:
    void closeEvent(QCloseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    QWidget* datumsfeld(const QString& name, QLineEdit*& feld, QCalendarWidget*& kalender);
    // A date box that lost the focus shows a date in the short form or nothing.
    static void datumPruefen(QLineEdit* feld);

    Programmzustand& z;
    Datenbankobjekte& db;
    bool m_geschlossen = false;
    QVector<qint64> m_begriffe;
    Begriffsliste* m_cboBegriffe = nullptr;
    QLineEdit* m_txtBegriffe = nullptr;
    QLineEdit* m_txtBemerkung = nullptr;
    QLineEdit* m_txtDateiname = nullptr;
    QLineEdit* m_txtDatumVon = nullptr;
    QLineEdit* m_txtDatumBis = nullptr;
    QCalendarWidget* m_movDatumVon = nullptr;
    QCalendarWidget* m_movDatumBis = nullptr;
};
