#include "Meldungsfenster.h"

#include "Bildschirmrand.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

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
    // A question box: true when the first, default button was chosen.
    const auto ersterGewaehlt = [&](QMessageBox::Icon symbol, const QString& erster, QMessageBox::ButtonRole rolle,
                                    const QString& zweiter, QMessageBox::ButtonRole andereRolle) {
        box.setIcon(symbol);
        QPushButton* knopf = box.addButton(erster, rolle);
        box.addButton(zweiter, andereRolle);
        box.setDefaultButton(knopf);
        box.exec();
        return box.clickedButton() == knopf;
    };
    switch (stil) {
    case Meldungen::Frage:
        return ersterGewaehlt(QMessageBox::Question, QStringLiteral("Ja"), QMessageBox::YesRole,
                   QStringLiteral("Nein"), QMessageBox::NoRole)
            ? Meldungen::Antwort::Ja
            : Meldungen::Antwort::Nein;
    case Meldungen::Warnung:
        return ersterGewaehlt(QMessageBox::Warning, QStringLiteral("OK"), QMessageBox::AcceptRole,
                   QStringLiteral("Abbrechen"), QMessageBox::RejectRole)
            ? Meldungen::Antwort::OK
            : Meldungen::Antwort::Abbrechen;
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

void Meldungsfenster::liste(
    const QString& text, const QStringList& eintraege, Meldungen::Stil stil, const QString& titel)
{
    QDialog dialog(m_eltern ? m_eltern : QApplication::activeWindow());
    dialog.setObjectName(QStringLiteral("Meldungsliste"));
    dialog.setWindowTitle(titel.isEmpty() ? QStringLiteral("Kolvar") : titel);
    auto* layout = new QVBoxLayout(&dialog);
    auto* kopf = new QHBoxLayout;
    const QStyle::StandardPixmap symbol = stil == Meldungen::Fehler ? QStyle::SP_MessageBoxCritical
        : stil == Meldungen::Warnung                                ? QStyle::SP_MessageBoxWarning
                                                                    : QStyle::SP_MessageBoxInformation;
    if (stil != Meldungen::Normal) {
        auto* bild = new QLabel(&dialog);
        bild->setPixmap(dialog.style()->standardIcon(symbol).pixmap(32, 32));
        kopf->addWidget(bild, 0, Qt::AlignTop);
    }
    auto* beschriftung = new QLabel(Meldungen::zeilenumbrueche(text), &dialog);
    beschriftung->setWordWrap(true);
    kopf->addWidget(beschriftung, 1);
    layout->addLayout(kopf);
    auto* liste = new QListWidget(&dialog);
    liste->setObjectName(QStringLiteral("lstEintraege"));
    liste->addItems(eintraege);
    // However many entries there are, the window stays on the screen.
    const QScreen* bildschirm = dialog.screen();
    const int hoechstens = bildschirm ? bildschirm->availableGeometry().height() / 2 : 400;
    liste->setMaximumHeight(hoechstens);
    // As wide as the longest line needs, up to most of the screen's width.
    const int breitestens = bildschirm ? bildschirm->availableGeometry().width() * 3 / 4 : 800;
    const int breite = std::max(420, liste->sizeHintForColumn(0) + 2 * liste->frameWidth() + 24);
    liste->setMinimumWidth(std::min(breite, breitestens));
    layout->addWidget(liste);
    auto* knoepfe = new QDialogButtonBox(&dialog);
    knoepfe->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    QObject::connect(knoepfe, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    layout->addWidget(knoepfe);
    dialog.exec();
}
