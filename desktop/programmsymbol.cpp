// Draws the program's icon for the desktop: as SVG for the scalable size and
// as PNG for the fixed sizes of the icon theme. The shapes are those of
// assets/kolvar.png (two stacked photos on a rounded blue tile), kept here
// once and written both ways so that every size shows the same picture.
//
//   kolvar-programmsymbol ZIELORDNER NAME GROESSE...
// writes ZIELORDNER/scalable/apps/NAME.svg and ZIELORDNER/GxG/apps/NAME.png.

#include <QColor>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <QTextStream>
#include <QTransform>
#include <cstdio>
#include <vector>

namespace {

// One shape in the 64-unit drawing space of a photo, centred on the photo.
struct Form {
    enum Art { Rechteck, Vieleck, Kreis } art;
    QPolygonF punkte;  // Rechteck: two corners; Kreis: the centre
    qreal radius = 0;
    QColor fuellung;
    QColor rand;  // invalid: no outline
    qreal randbreite = 0;
};

struct Foto {
    QPointF mitte;
    qreal winkel;
    std::vector<Form> formen;
};

constexpr qreal Einheiten = 64;
constexpr qreal Eckradius = 12;
const QColor KachelOben(0x3a, 0x9b, 0xd2);
const QColor KachelUnten(0x0d, 0x3a, 0x63);

// A white-framed photo drawn landscape: shadow, frame, sky, mountain,
// ground and sun, with a wider bottom margin like an instant photo.
Foto foto(qreal cx, qreal cy, qreal b, qreal h, qreal winkel, QColor himmel, QColor boden, QColor sonne)
{
    const qreal rb = b / 2, rh = h / 2, randmass = b * 0.08;
    const qreal ib = rb - randmass, ih = rh - randmass;
    const qreal unten = rh - randmass * 2.2;
    Foto f { { cx, cy }, winkel, {} };
    f.formen.push_back({ Form::Rechteck, QPolygonF({ { -rb + 1.2, -rh + 1.6 }, { rb + 1.2, rh + 1.6 } }), 0,
        QColor(0, 0, 0, 0x55), QColor(), 0 });
    f.formen.push_back({ Form::Rechteck, QPolygonF({ { -rb, -rh }, { rb, rh } }), 0, QColor(0xfb, 0xfb, 0xf7),
        QColor(0xc9, 0xc9, 0xc0), 0.4 });
    f.formen.push_back({ Form::Rechteck, QPolygonF({ { -ib, -ih }, { ib, unten } }), 0, himmel, QColor(), 0 });
    f.formen.push_back({ Form::Vieleck,
        QPolygonF({ { -ib, unten }, { -ib * 0.3, -ih * 0.15 }, { ib * 0.15, unten * 0.5 }, { ib * 0.5, -ih * 0.05 },
            { ib, unten } }),
        0, QColor(0x5d, 0x6f, 0x8c), QColor(), 0 });
    f.formen.push_back({ Form::Vieleck,
        QPolygonF({ { -ib, unten }, { -ib, unten * 0.55 }, { 0, unten * 0.35 }, { ib, unten * 0.6 }, { ib, unten } }),
        0, boden, QColor(), 0 });
    f.formen.push_back({ Form::Kreis, QPolygonF({ { ib * 0.55, -ih * 0.55 } }), b * 0.07, sonne, QColor(), 0 });
    return f;
}

std::vector<Foto> zeichnung()
{
    return { foto(27, 28, 34, 30, -13, QColor(0xf6, 0xb2, 0x6b), QColor(0xb4, 0x5f, 0x06), QColor(0xff, 0xf2, 0xcc)),
        foto(36, 36, 36, 32, 7, QColor(0x9f, 0xd3, 0xf7), QColor(0x4f, 0x9d, 0x3a), QColor(0xff, 0xcc, 0x33)) };
}

QImage alsBild(int groesse)
{
    QImage bild(groesse, groesse, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(groesse / Einheiten, groesse / Einheiten);
    QLinearGradient verlauf(0, 0, 0, Einheiten);
    verlauf.setColorAt(0, KachelOben);
    verlauf.setColorAt(1, KachelUnten);
    p.setPen(Qt::NoPen);
    p.setBrush(verlauf);
    p.drawRoundedRect(QRectF(1, 1, Einheiten - 2, Einheiten - 2), Eckradius, Eckradius);
    for (const Foto& f : zeichnung()) {
        p.save();
        p.translate(f.mitte);
        p.rotate(f.winkel);
        for (const Form& form : f.formen) {
            p.setBrush(form.fuellung);
            p.setPen(form.rand.isValid() ? QPen(form.rand, form.randbreite) : QPen(Qt::NoPen));
            if (form.art == Form::Rechteck)
                p.drawRect(QRectF(form.punkte[0], form.punkte[1]));
            else if (form.art == Form::Vieleck)
                p.drawPolygon(form.punkte);
            else
                p.drawEllipse(form.punkte[0], form.radius, form.radius);
        }
        p.restore();
    }
    return bild;
}

QString farbe(const QColor& c, const char* eigenschaft)
{
    QString text = QStringLiteral(" %1=\"%2\"").arg(QLatin1String(eigenschaft), c.name(QColor::HexRgb));
    if (c.alpha() != 255)
        text += QStringLiteral(" %1-opacity=\"%2\"").arg(QLatin1String(eigenschaft)).arg(c.alphaF(), 0, 'g', 3);
    return text;
}

// Every shape with its photo's turn already applied: plain polygons and
// circles render the same in every SVG viewer, small ones included.
QString alsSvg()
{
    QString svg;
    QTextStream s(&svg);
    s << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"64\" height=\"64\" viewBox=\"0 0 64 64\">\n"
      << "  <defs><linearGradient id=\"kachel\" gradientUnits=\"userSpaceOnUse\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"64\">"
      << "<stop offset=\"0\" stop-color=\"" << KachelOben.name() << "\"/>"
      << "<stop offset=\"1\" stop-color=\"" << KachelUnten.name() << "\"/></linearGradient></defs>\n"
      << "  <rect x=\"1\" y=\"1\" width=\"62\" height=\"62\" rx=\"" << Eckradius << "\" ry=\"" << Eckradius
      << "\" fill=\"url(#kachel)\"/>\n";
    for (const Foto& f : zeichnung()) {
        QTransform drehung;
        drehung.translate(f.mitte.x(), f.mitte.y());
        drehung.rotate(f.winkel);
        for (const Form& form : f.formen) {
            QString malweise = farbe(form.fuellung, "fill");
            if (form.rand.isValid())
                malweise += farbe(form.rand, "stroke") + QStringLiteral(" stroke-width=\"%1\"").arg(form.randbreite);
            if (form.art == Form::Kreis) {
                const QPointF m = drehung.map(form.punkte[0]);
                s << "  <circle cx=\"" << m.x() << "\" cy=\"" << m.y() << "\" r=\"" << form.radius << "\"" << malweise
                  << "/>\n";
                continue;
            }
            QPolygonF ecken = form.punkte;
            if (form.art == Form::Rechteck) {
                const QRectF r(form.punkte[0], form.punkte[1]);
                ecken = QPolygonF({ r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft() });
            }
            s << "  <polygon points=\"";
            for (int i = 0; i < ecken.size(); ++i) {
                const QPointF p = drehung.map(ecken[i]);
                s << (i ? " " : "") << p.x() << ',' << p.y();
            }
            s << "\"" << malweise << "/>\n";
        }
    }
    s << "</svg>\n";
    return svg;
}

bool schreiben(const QString& pfad, const QByteArray& inhalt)
{
    QDir().mkpath(QFileInfo(pfad).path());
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly) && f.write(inhalt) == inhalt.size() && f.flush();
}

}  // namespace

int main(int argc, char** argv)
{
    // Painting into an image needs no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList argumente = QCoreApplication::arguments();
    if (argumente.size() < 4) {
        std::fprintf(stderr, "Aufruf: kolvar-programmsymbol ZIELORDNER NAME GROESSE...\n");
        return 2;
    }
    const QString ziel = argumente[1];
    const QString name = argumente[2];
    if (!schreiben(ziel + QStringLiteral("/scalable/apps/") + name + QStringLiteral(".svg"), alsSvg().toUtf8()))
        return 1;
    for (int i = 3; i < argumente.size(); ++i) {
        const int g = argumente[i].toInt();
        const QString ordner = ziel + QStringLiteral("/%1x%1/apps/").arg(g);
        QDir().mkpath(ordner);
        if (g <= 0 || !alsBild(g).save(ordner + name + QStringLiteral(".png"), "PNG"))
            return 1;
    }
    return 0;
}
