// Draws the program icon data/vapro.png: a vertical cylinder above a crank
// disc, joined by the connecting rod. Run by hand, the PNG is committed:
//   g++ -std=c++20 -fPIC tools/symbol_erzeugen.cpp $(pkg-config --cflags --libs Qt6Gui) \
//       -o /tmp/symbol_erzeugen && QT_QPA_PLATFORM=offscreen /tmp/symbol_erzeugen data/vapro.png
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QString ziel = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("vapro.png");
    constexpr int n = 64;
    QImage bild(n, n, QImage::Format_ARGB32);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);

    // Round plate as background.
    p.setPen(QPen(QColor(40, 55, 70), 1.5));
    p.setBrush(QColor(225, 232, 238));
    p.drawEllipse(QRectF(1.5, 1.5, n - 3, n - 3));

    // Crank disc centre and crank pin at about 60 degrees past top dead centre.
    const QPointF welle(32, 45);
    const double r = 8, winkel = 60.0 * M_PI / 180.0;
    const QPointF zapfen(welle.x() + r * std::sin(winkel), welle.y() - r * std::cos(winkel));
    const double stange = 22;
    const double dx = zapfen.x() - welle.x();
    const QPointF kreuzkopf(welle.x(), zapfen.y() - std::sqrt(stange * stange - dx * dx));

    // Cylinder with steam-coloured interior and the piston.
    QLinearGradient mantel(18, 0, 46, 0);
    mantel.setColorAt(0, QColor(70, 90, 110));
    mantel.setColorAt(0.5, QColor(150, 170, 190));
    mantel.setColorAt(1, QColor(60, 80, 100));
    p.setPen(QPen(QColor(30, 40, 50), 1.2));
    p.setBrush(mantel);
    p.drawRoundedRect(QRectF(20, 6, 24, 20), 2, 2);
    p.setBrush(QColor(200, 40, 30));
    p.drawRect(QRectF(23, 8, 18, 9));
    p.setBrush(QColor(210, 210, 215));
    p.drawRect(QRectF(23, 17, 18, 4));

    // Piston rod, connecting rod, crank disc and pin.
    p.setPen(QPen(QColor(30, 40, 50), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(32, 21), kreuzkopf);
    p.setPen(QPen(QColor(120, 80, 20), 3.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(kreuzkopf, zapfen);
    p.setPen(QPen(QColor(30, 40, 50), 1.2));
    p.setBrush(QColor(200, 150, 50));
    p.drawEllipse(welle, r + 4, r + 4);
    p.setBrush(QColor(30, 40, 50));
    p.drawEllipse(welle, 2.2, 2.2);
    p.setBrush(QColor(250, 235, 180));
    p.drawEllipse(zapfen, 2.6, 2.6);
    p.end();
    return bild.save(ziel) ? 0 : 1;
}
