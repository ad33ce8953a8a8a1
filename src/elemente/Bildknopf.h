#pragma once
#include <QPixmap>
#include <QString>
#include <QWidget>

class Bildliste;

// A picture control used as a button: it shows key + "_n" (normal), key
// (mouse over), key + "_u" (pressed) or key + "_ef" (disabled), taken from
// an image list. Its tag carries "benutzt" while it shows the hover
// picture and "gesperrt" while a viewer has locked it. The owning window
// decides the pictures through its NormaleButtons routine; this widget only
// reports the mouse.
class Bildknopf : public QWidget {
    Q_OBJECT
public:
    Bildknopf(const QString& objektname, const QString& schluessel, const Bildliste& bilder, QWidget* eltern);

    const QString& schluessel() const { return m_schluessel; }
    // Shows key + endung ("_n", "", "_u", "_ef").
    void bildZeigen(const QString& endung);
    QString aktuellesBild() const { return m_schluessel + m_endung; }

    // Enabled in the program's sense: a disabled button keeps receiving the
    // mouse so that the window can reset it, but never clicks.
    bool istAktiv() const { return m_aktiv; }
    void freigeben();  // enabled, picture "_n"
    void sperren();    // disabled, picture "_ef"
    // A viewer's navigation lock: locked buttons carry "gesperrt"; a button
    // freed while the mouse is over it shows its hover picture at once.
    void navigationSperren(bool gesperrt, bool unterMaus);

    QString tag;

    QSize sizeHint() const override;

signals:
    void geklickt();
    void mausDarueber(Bildknopf* knopf);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    QString m_schluessel;
    QString m_endung = QStringLiteral("_n");
    const Bildliste& m_bilder;
    QPixmap m_bild;
    bool m_aktiv = true;
    bool m_gedrueckt = false;
};
