#pragma once
// Reading back what the program printed or wrote as PDF: the pages as
// pictures and their text, through Qt's PDF module.

#include <QImage>
#include <QPainter>
#include <QPdfDocument>
#include <QRect>
#include <QString>
#include <memory>

namespace vapro::test {

// The document, or nothing when `pfad` is no readable PDF.
inline std::unique_ptr<QPdfDocument> PdfLaden(const QString& pfad) {
    auto pdf = std::make_unique<QPdfDocument>();
    if (pdf->load(pfad) != QPdfDocument::Error::None) return nullptr;
    return pdf;
}

// Page `seite` at `größe` pixels on white paper (the renderer leaves the
// page transparent).
inline QImage PdfSeite(QPdfDocument& pdf, int seite, QSize größe) {
    QImage papier(größe, QImage::Format_RGB32);
    papier.fill(Qt::white);
    QPainter p(&papier);
    p.drawImage(0, 0, pdf.render(seite, größe));
    return papier;
}

// The smallest rectangle holding every pixel that is not white.
inline QRect Tinte(const QImage& bild) {
    QRect r;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if ((bild.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) r |= QRect(x, y, 1, 1);
    return r;
}

} // namespace vapro::test
