#include "frmNamenAbfragen.h"

#include "Datenbankobjekte.h"
#include "Programmzustand.h"
#include "frmCopyInfo.h"

#include <QApplication>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

bool IstVerbotenesNamenszeichen(QChar zeichen)
{
    return QStringView(u"|\\/:*?\"<>").contains(zeichen);
}

frmNamenAbfragen::frmNamenAbfragen(const Programmzustand& z, Datenbankobjekte& db, const QString& quellordner,
                                   QWidget* parent)
    : QDialog(parent), m_z(z), m_db(db)
{
    setObjectName(QStringLiteral("frmNamenAbfragen"));
    setWindowTitle(QStringLiteral("Name für neues Album"));

    lblAlterOrdner = new QLabel(quellordner, this);
    lblAlterOrdner->setObjectName(QStringLiteral("lblAlterOrdner"));
    lblAlterOrdner->setTextInteractionFlags(Qt::TextSelectableByMouse);
    txtNameAlbum = new QLineEdit(this);
    txtNameAlbum->setObjectName(QStringLiteral("txtNameAlbum"));
    txtNameAlbum->setMaxLength(50);  // the width of `Albenname`
    txtNameAlbum->installEventFilter(this);
    // Pasted text passes no key filter: its forbidden characters go here.
    connect(txtNameAlbum, &QLineEdit::textEdited, this, [this](const QString& text) {
        QString sauber;
        int cursor = txtNameAlbum->cursorPosition();
        for (int i = 0; i < text.size(); ++i) {
            if (!IstVerbotenesNamenszeichen(text.at(i)))
                sauber += text.at(i);
            else if (i < txtNameAlbum->cursorPosition())
                --cursor;
        }
        if (sauber == text)
            return;
        QApplication::beep();
        txtNameAlbum->setText(sauber);
        txtNameAlbum->setCursorPosition(cursor);
    });
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdAbbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    cmdAbbrechen->setObjectName(QStringLiteral("cmdAbbrechen"));

    auto* raster = new QGridLayout(this);
    raster->addWidget(new QLabel(QStringLiteral("Ursprünglicher Ordner:"), this), 0, 0);
    raster->addWidget(lblAlterOrdner, 0, 1);
    raster->addWidget(new QLabel(QStringLiteral("Bitte den Namen für das neue Album eingeben:"), this), 1, 0, 1, 2);
    raster->addWidget(txtNameAlbum, 2, 0, 1, 2);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(cmdOK);
    knoepfe->addWidget(cmdAbbrechen);
    raster->addLayout(knoepfe, 3, 0, 1, 2);
    raster->setColumnStretch(1, 1);
    setMinimumWidth(460);

    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdAbbrechen, &QPushButton::clicked, this, [this] {
        m_name.clear();
        reject();
    });
    QString vorschlag = QDir(quellordner).dirName();
    vorschlag.removeIf(IstVerbotenesNamenszeichen);
    txtNameAlbum->setText(vorschlag);
    txtNameAlbum->setCursorPosition(0);
    txtNameAlbum->selectAll();
    txtNameAlbum->setFocus();
}

bool frmNamenAbfragen::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (objekt == txtNameAlbum && ereignis->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent*>(ereignis)->text();
        for (const QChar c : text) {
            if (IstVerbotenesNamenszeichen(c)) {
                QApplication::beep();
                return true;
            }
        }
    }
    return QDialog::eventFilter(objekt, ereignis);
}

void frmNamenAbfragen::cmdOK_Click()
{
    const QString name = txtNameAlbum->text();
    if (name.isEmpty())
        return;
    if (name == QLatin1String("TempAlbum")) {
        m_z.Meldung(QStringLiteral("Name ist reserviert!"));
        return;
    }
    Recordset& rs = m_db.rsAlben;
    rs.Filter(QStringLiteral("Albenname"), name);
    const bool vorhanden = rs.RecordCount() > 0;
    rs.FilterEntfernen();
    if (vorhanden) {
        m_z.Meldung(QStringLiteral("Diesen Namen gibt es schon!"));
        txtNameAlbum->clear();
        txtNameAlbum->setFocus();
        return;
    }
    m_name = name;
    accept();
}

QString frmNamenAbfragen::Abfragen(const Programmzustand& z, Datenbankobjekte& db, const QString& quellordner,
                                   QWidget* parent, Tastenpuffer* vorgetippt)
{
    frmNamenAbfragen dialog(z, db, quellordner, parent);
    if (vorgetippt)
        vorgetippt->abgeben(dialog.txtNameAlbum);
    dialog.exec();
    return dialog.neuerAlbumname();
}
