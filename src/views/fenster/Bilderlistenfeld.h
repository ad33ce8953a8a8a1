#pragma once
#include <QString>
#include <QWidget>

class BilderListeModell;

// The panel of list entries (`sspListe`): the entries lie stacked without
// gaps, the panel shows them from a vertical offset. Only the rows in view
// are drawn, straight from the model, so the number of pictures costs no
// widgets. Mouse presses, double clicks and the start of a drag are handed
// to the window, which owns the rules.
class Bilderlistenfeld : public QWidget {
    Q_OBJECT
public:
    Bilderlistenfeld(const BilderListeModell& modell, QWidget* eltern);

    // Shown as the single entry while the model is empty.
    void leertextSetzen(const QString& text);

    int zeilenhoehe() const;
    // Height of all entries together (the panel the offset moves).
    int gesamthoehe() const;
    int versatz() const { return m_versatz; }
    void versatzSetzen(int pixel);
    // The current picture's entry, framed while the panel has the focus.
    void aktuellSetzen(int position);

    // 1-based position of the entry at the point; 0 where there is none.
    int positionBei(const QPoint& punkt) const;
    QRect eintragsRechteck(int position) const;

    static QColor markiertHintergrund() { return QColor(0x00, 0x00, 0xC0); }

signals:
    void gedrueckt(int position, Qt::MouseButton knopf, Qt::KeyboardModifiers tasten, const QPoint& global);
    void doppelklick(int position);
    void ziehenBeginnen(int position);
    // While one of our own drags passes over an entry.
    void gezogenUeber(int position);
    void radGedreht(int zeilen);
    // Arrow, Page and Home/End keys while the panel has the focus.
    void tasteGedrueckt(int taste, Qt::KeyboardModifiers tasten);
    void groesseGeaendert();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;

private:
    const BilderListeModell& m_modell;
    QString m_leertext;
    int m_versatz = 0;
    int m_aktuell = 0;
    int m_druckPosition = 0;
    QPoint m_druckPunkt;
};
