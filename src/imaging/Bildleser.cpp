#include "Bildleser.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>

#include <cstdlib>

// Notes when the decoder asks for bytes after the end of the file. libjpeg
// then inserts an end marker, pads the picture with grey and reports only a
// warning, so this is the one sure sign of a cut-off JPEG. Opened unbuffered,
// so that each request of the decoder reaches readData as it was made.
class Lesewaechter : public QFile {
public:
    using QFile::QFile;
    bool ueberDasEnde = false;

protected:
    qint64 readData(char* daten, qint64 anzahl) override
    {
        const qint64 gelesen = QFile::readData(daten, anzahl);
        if (gelesen == 0 && anzahl > 0)
            ueberDasEnde = true;
        return gelesen;
    }
};

Bildleser::Bildleser() = default;
Bildleser::~Bildleser() = default;

bool Bildleser::Fehler(const QString& text)
{
    m_fehler = text;
    return false;
}

bool Bildleser::Oeffnen(const QString& pfad)
{
    m_leser.reset();
    m_datei.reset();
    m_format.clear();
    m_groesse = QSize();
    m_gedreht = false;
    m_fehler.clear();

    const QFileInfo info(pfad);
    if (!info.exists())
        return Fehler(QStringLiteral("Die Datei gibt es nicht."));
    if (!info.isFile())
        return Fehler(QStringLiteral("Das ist keine gewöhnliche Datei."));
    m_datei = std::make_unique<Lesewaechter>(pfad);
    if (!m_datei->open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return Fehler(QStringLiteral("Die Datei kann nicht geöffnet werden: %1").arg(m_datei->errorString()));

    // The format is taken from the content, so a JPEG named ".bmp" is still read.
    m_leser = std::make_unique<QImageReader>(m_datei.get());
    // A picture taken upright is shown upright, its thumbnail too.
    m_leser->setAutoTransform(true);
    m_format = m_leser->format();
    if (m_format.isEmpty())
        return Fehler(QStringLiteral("Die Datei enthält kein lesbares Bild."));
    m_groesse = m_leser->size();
    // A BMP stored top-down gives the negative height of its header.
    if (m_format == "bmp")
        m_groesse = QSize(qAbs(m_groesse.width()), qAbs(m_groesse.height()));
    if (m_groesse.isEmpty())
        return Fehler(QStringLiteral("Das Bild hat keine gültige Größe."));
    m_gedreht = m_leser->transformation() & QImageIOHandler::TransformationRotate90;
    if (m_gedreht)
        m_groesse.transpose();
    return true;
}

QImage Bildleser::Lesen(const QSize& skaliert)
{
    if (!m_leser || m_groesse.isEmpty()) {
        Fehler(QStringLiteral("Es ist kein Bild geöffnet."));
        return QImage();
    }
    // The decoder scales the picture as stored, before it is turned.
    if (skaliert.isValid() && !skaliert.isEmpty())
        m_leser->setScaledSize(m_gedreht ? skaliert.transposed() : skaliert);
    QImage bild;
    if (!m_leser->read(&bild) || bild.isNull()) {
        Fehler(QStringLiteral("Das Bild kann nicht dekodiert werden (%1).").arg(m_leser->errorString()));
        return QImage();
    }
    if (!Vollstaendig()) {
        Fehler(QStringLiteral("Die Datei ist unvollständig."));
        return QImage();
    }
    return bild;
}

bool Bildleser::Pruefen(const QString& pfad, QString* grund)
{
    Bildleser leser;
    bool ok = leser.Oeffnen(pfad);
    if (ok) {
        // Small, but never below a pixel: the decoder still reads all the data.
        const QSize voll = leser.Groesse();
        const QSize klein(qMax(1, voll.width() / 8), qMax(1, voll.height() / 8));
        ok = !leser.Lesen(klein).isNull();
    }
    if (!ok && grund)
        *grund = leser.fehler();
    return ok;
}

// Whether the file holds all the picture data its header promises. The GIF
// and BMP readers of Qt, too, hand back a picture from a cut-off file.
bool Bildleser::Vollstaendig() const
{
    if (m_format == "jpeg")
        return !m_datei->ueberDasEnde;
    if (m_format == "gif") {
        // A complete GIF ends with its trailer ';'; padding behind it (zero
        // bytes, a line end) is harmless and common.
        const qint64 groesse = m_datei->size();
        const qint64 ab = qMax<qint64>(0, groesse - 1024);
        if (!m_datei->seek(ab))
            return false;
        const QByteArray ende = m_datei->read(groesse - ab);
        qsizetype i = ende.size() - 1;
        while (i >= 0 && (ende.at(i) == '\0' || ende.at(i) == '\n' || ende.at(i) == '\r' || ende.at(i) == ' '))
            --i;
        return i >= 0 && ende.at(i) == ';';
    }
    if (m_format == "bmp") {
        if (!m_datei->seek(0))
            return false;
        const QByteArray kopf = m_datei->read(34);
        if (kopf.size() < 26)
            return false;
        const auto* k = reinterpret_cast<const uchar*>(kopf.constData());
        const qint64 beginn = qFromLittleEndian<quint32>(k + 10);
        const quint32 kopfgroesse = qFromLittleEndian<quint32>(k + 14);
        qint64 breite = 0, hoehe = 0, bits = 0;
        if (kopfgroesse == 12) {
            breite = qFromLittleEndian<quint16>(k + 18);
            hoehe = qFromLittleEndian<quint16>(k + 20);
            bits = qFromLittleEndian<quint16>(k + 24);
        } else if (kopfgroesse >= 40 && kopf.size() >= 34) {
            // Only uncompressed rows have a length known in advance.
            const quint32 kompression = qFromLittleEndian<quint32>(k + 30);
            if (kompression != 0 && kompression != 3 && kompression != 6)
                return true;
            breite = qFromLittleEndian<qint32>(k + 18);
            hoehe = std::llabs(qFromLittleEndian<qint32>(k + 22));
            bits = qFromLittleEndian<quint16>(k + 28);
        } else {
            return true;
        }
        const qint64 zeile = (breite * bits + 31) / 32 * 4;
        return m_datei->size() >= beginn + zeile * hoehe;
    }
    return true;
}
