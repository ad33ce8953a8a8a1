#pragma once
#include <QUrl>
#include <QWidget>

class QTextBrowser;

// The help window: one for the whole program, showing one page of the
// help folder at a time, with back, forward and start page.
class frmHilfe : public QWidget {
    Q_OBJECT
public:
    // The one help window, made on first use; nullptr before that.
    static frmHilfe* instanz();
    static frmHilfe* oeffnen(const QString& hilfeordner);
    // Closes the help window if it is open; the main window does so as it closes.
    static void schliessen();

    // Shows it in front, usable even while a modal dialog is open.
    void zeigen();

    void seiteZeigen(const QString& seite);
    QUrl aktuelleSeite() const;

private:
    explicit frmHilfe(const QString& hilfeordner);
    QString m_ordner;
    QTextBrowser* m_browser;
};
