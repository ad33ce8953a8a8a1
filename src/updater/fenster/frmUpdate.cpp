#include "frmUpdate.h"

#include <QApplication>
#include <QDir>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

// The picture is compiled into this static library; such resources must be
// registered by hand.
static void ressourcenLaden()
{
    Q_INIT_RESOURCE(update);
}

void MeldungZeigen(QWidget* eltern, const Update::Meldung& m)
{
    QMessageBox box(m.symbol == Update::Meldung::Symbol::Information ? QMessageBox::Information : QMessageBox::Warning,
        m.titel, QString(m.text).replace(QLatin1Char('\r'), QLatin1Char('\n')), QMessageBox::Ok, eltern);
    box.exec();
}

frmUpdate::frmUpdate(QWidget* parent)
    : QDialog(parent)
    , m_melder([this](const Update::Meldung& m) { MeldungZeigen(this, m); })
    , m_quellordner(QCoreApplication::applicationDirPath())
{
    ressourcenLaden();
    setWindowTitle(QStringLiteral("Kolvar-Update"));
    setWindowIcon(QIcon(QStringLiteral(":/update/kolvar.png")));
    auto* aussen = new QHBoxLayout(this);
    auto* Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(QPixmap(QStringLiteral(":/update/kolvar.png")));
    Image1->setAlignment(Qt::AlignTop);
    aussen->addWidget(Image1);
    auto* layout = new QVBoxLayout;
    aussen->addLayout(layout, 1);

    lblAnzeige1 = new QLabel(QStringLiteral("Kolvar-Update auf Version:"), this);
    lblAnzeige1->setObjectName(QStringLiteral("lblAnzeige1"));
    lblAnzeige2 = new QLabel(QStringLiteral("<Update-Version>"), this);
    lblAnzeige2->setObjectName(QStringLiteral("lblAnzeige2"));
    lblAnzeige2->setTextFormat(Qt::PlainText);
    QFont gross = lblAnzeige2->font();
    gross.setPointSizeF(gross.pointSizeF() * 1.6);
    gross.setBold(true);
    lblAnzeige2->setFont(gross);
    lblInstallation = new QLabel(this);
    lblInstallation->setObjectName(QStringLiteral("lblInstallation"));
    lblInstallation->setTextFormat(Qt::PlainText);
    lblInstallation->setWordWrap(true);
    cmdStart = new QPushButton(QStringLiteral("Ausführen"), this);
    cmdStart->setObjectName(QStringLiteral("cmdStart"));
    cmdStart->setDefault(true);
    auto* Line1 = new QFrame(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    auto* Label2 = new QLabel(QStringLiteral("Ostrelan"), this);
    Label2->setObjectName(QStringLiteral("Label2"));

    layout->addWidget(lblAnzeige1);
    layout->addWidget(lblAnzeige2);
    layout->addWidget(lblInstallation);
    layout->addWidget(cmdStart, 0, Qt::AlignLeft);
    layout->addStretch();
    layout->addWidget(Line1);
    layout->addWidget(Label2);
    setMinimumWidth(420);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(2000);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &frmUpdate::beenden);
    connect(cmdStart, &QPushButton::clicked, this, &frmUpdate::cmdStart_Click);
}

void frmUpdate::melden(const Update::Meldung& m)
{
    if (m_melder)
        m_melder(m);
}

bool frmUpdate::laden(const Update::Installation& installation)
{
    m_installation = installation;
    if (const std::optional<Update::Meldung> ablehnung
        = Update::InstallationPruefen(installation, Update::MindestVersion, Update::UpdateVersion)) {
        cmdStart->setEnabled(false);
        melden(*ablehnung);
        return false;
    }
    lblAnzeige2->setText(Update::UpdateVersion);
    lblInstallation->setText(
        QStringLiteral("Ersetzt wird Kolvar %1 in\n\u201E%2\u201C.")
            .arg(installation.version.isEmpty() ? QStringLiteral("(Version unbekannt)") : installation.version,
                QDir::cleanPath(installation.ordner)));
    cmdStart->setEnabled(true);
    return true;
}

void frmUpdate::cmdStart_Click()
{
    // One press only: a second copy while the first runs would race it.
    cmdStart->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Update::Ergebnis ergebnis = Update::DateienErsetzen(m_quellordner, m_installation.ordner, Update::Dateiliste);
    QApplication::restoreOverrideCursor();
    lblAnzeige1->hide();
    cmdStart->hide();
    const QString ordner = QDir::cleanPath(m_installation.ordner);
    if (!ergebnis.erfolgreich) {
        lblAnzeige2->setText(ergebnis.meldung.titel);
        if (ergebnis.teilweise)
            lblInstallation->setText(
                QStringLiteral("Kolvar in\n\u201E%1\u201C wurde nur teilweise ersetzt.").arg(ordner));
        else
            lblInstallation->setText(
                QStringLiteral("Kolvar in\n\u201E%1\u201C ist unverändert geblieben.").arg(ordner));
        melden(ergebnis.meldung);
        emit beenden();
        return;
    }
    lblAnzeige2->setText(QStringLiteral("Update war erfolgreich!"));
    lblInstallation->setText(
        QStringLiteral("Kolvar in\n\u201E%1\u201C hat jetzt die Version %2; die bisherige Programmdatei bleibt "
                       "bis zum ersten Start als \u201Ekolvar.alt\u201C daneben.")
            .arg(ordner, Update::UpdateVersion));
    Timer1->start();
}
