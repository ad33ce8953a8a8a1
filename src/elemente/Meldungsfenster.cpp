#include "Meldungsfenster.h"

#include "Bildschirmrand.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

Meldungen::Antwort Meldungsfenster::zeigen(const QString& text, Meldungen::Stil stil, const QString& titel)
{
    QMessageBox box(m_eltern ? m_eltern : QApplication::activeWindow());
    box.setWindowTitle(titel.isEmpty() ? QStringLiteral("Kolvar") : titel);
    // A long path has no blanks to break at; after each separator it may
    // break, so that the box stays narrower than the screen.
    QString anzeige = Meldungen::zeilenumbrueche(text);
    anzeige.replace(QLatin1Char('/'), QStringLiteral("/\u200B"));
    box.setText(anzeige);
    Bildschirmrand::beimZeigenEinpassen(&box);
    switch (stil) {
    case Meldungen::Frage: {
        box.setIcon(QMessageBox::Question);
        QPushButton* ja = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
        box.addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
        box.setDefaultButton(ja);
        box.exec();
        return box.clickedButton() == ja ? Meldungen::Antwort::Ja : Meldungen::Antwort::Nein;
    }
    case Meldungen::Warnung: {
        box.setIcon(QMessageBox::Warning);
        QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
        box.setDefaultButton(ok);
        box.exec();
        return box.clickedButton() == ok ? Meldungen::Antwort::OK : Meldungen::Antwort::Abbrechen;
    }
    case Meldungen::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Meldungen::Fehler:
        box.setIcon(QMessageBox::Critical);
        break;
    case Meldungen::Normal:
        break;
    }
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
    return Meldungen::Antwort::OK;
}
