#pragma once
// Whole drawings compared with stored reference images. A drawing that
// changes on purpose gets new references from scripts/referenzen (which sets
// VAPRO_REFERENZEN_SCHREIBEN); review them before committing. A failed
// comparison leaves the drawing beside the reference as "<name>.ist.png".

#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <cstdlib>
#include <string>

namespace vapro::test {

// How many pixels of `bild` satisfy `wie` (which gets the colour without
// alpha), or have the colour `farbe`.
template <class Wie> int Pixelzahl(const QImage& bild, Wie wie) {
    int n = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            n += wie(bild.pixel(x, y) & 0xFFFFFF);
    return n;
}
inline int Pixelzahl(const QImage& bild, QRgb farbe) {
    return Pixelzahl(bild, [farbe](QRgb c) { return c == (farbe & 0xFFFFFF); });
}

// Pixels whose colour differs from the reference by more than `toleranz` in
// a channel may make up at most `anteil` of the image (antialiased edges and
// text may shift a little between runs of the rasteriser).
inline void MitReferenzbildVergleichen(const QImage& bild, const std::string& name,
                                       int toleranz = 24, double anteil = 0.002) {
    const QString pfad =
        QString::fromStdString(std::string(VAPRO_RENDER_REFERENZ_DIR) + "/" + name + ".png");
    const QImage ist = bild.convertToFormat(QImage::Format_RGB32);
    if (std::getenv("VAPRO_REFERENZEN_SCHREIBEN")) {
        ASSERT_TRUE(ist.save(pfad)) << pfad.toStdString();
        return;
    }
    const QImage soll = QImage(pfad).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(soll.isNull()) << "no reference image " << pfad.toStdString()
                                << " (scripts/referenzen writes it)";
    ASSERT_EQ(soll.size(), ist.size()) << name;
    long abweichend = 0;
    for (int y = 0; y < ist.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(ist.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(soll.constScanLine(y));
        for (int x = 0; x < ist.width(); ++x)
            if (std::abs(qRed(a[x]) - qRed(b[x])) > toleranz ||
                std::abs(qGreen(a[x]) - qGreen(b[x])) > toleranz ||
                std::abs(qBlue(a[x]) - qBlue(b[x])) > toleranz)
                ++abweichend;
    }
    const double erlaubt = anteil * ist.width() * ist.height();
    if (abweichend > erlaubt) ist.save(QString(pfad).replace(".png", ".ist.png"));
    EXPECT_LE(abweichend, erlaubt) << name << ": " << abweichend << " pixels differ";
}

} // namespace vapro::test
