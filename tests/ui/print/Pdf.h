#pragma once
// Reading back what a print to a PDF file left: the pages and their size.
// Qt writes the page dictionaries as plain text, so no PDF reader is needed.

#include <QByteArray>
#include <QFile>
#include <QRegularExpression>
#include <QSizeF>
#include <QString>

namespace vapro::test {

struct Pdf {
    QByteArray inhalt;
    explicit Pdf(const QString& pfad) {
        QFile f(pfad);
        if (f.open(QIODevice::ReadOnly)) inhalt = f.readAll();
    }
    bool Gültig() const { return inhalt.startsWith("%PDF-"); }
    int Seiten() const {
        int n = 0;
        auto treffer =
            QRegularExpression("/Type\\s*/Page[^s]").globalMatch(QString::fromLatin1(inhalt));
        while (treffer.hasNext()) {
            treffer.next();
            ++n;
        }
        return n;
    }
    // The first page's size in points.
    QSizeF Seitengröße() const {
        const auto m = QRegularExpression("/MediaBox\\s*\\[\\s*0 0 ([0-9.]+) ([0-9.]+)\\s*\\]")
                           .match(QString::fromLatin1(inhalt));
        return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
    }
};

} // namespace vapro::test
