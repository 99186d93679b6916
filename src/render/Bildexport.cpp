#include "render/Bildexport.h"

#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <cerrno>
#include <filesystem>

#include "core/persist/Dateiursache.h"

namespace vapro {

namespace {

constexpr int kMeldung = 1953, kEndung = 1954, kZuGroß = 1956;
// Pixels of a picture per inch in a vector file, as on a common screen.
constexpr int kBildDpi = 96;

std::string Text(const Sprache& s, int deutsch) {
    return std::string(s.Text(deutsch - SprachbasisDeutsch));
}

Exportergebnis Fehlschlag(const Sprache& s, const QString& pfad, const std::string& ursache,
                          int meldung = kMeldung) {
    return {false, Text(s, meldung) + "\n\n" +
                       Dateizeile(s, std::filesystem::path(pfad.toStdString())) + "\n" + ursache};
}

// The system's reason when the C library left one, else Qt's words.
std::string Ursache(const Sprache& s, const QFileDevice& datei, int fehlerNummer) {
    if (fehlerNummer != 0) return Systemursache(s, {fehlerNummer, std::generic_category()});
    return Meldungstext(s.Text(3026 - SprachbasisDeutsch),
                        {{"|1", datei.errorString().toStdString()}});
}

// Refuses what a save should not replace; empty when the place is fine.
std::optional<std::string> ZielPrüfen(const Sprache& s, const QString& pfad) {
    const QFileInfo info(pfad);
    if (!info.exists()) return std::nullopt;
    // A link counts as the file it names, which the save replaces.
    if (!info.isFile()) return Ursachentext(s, Ursache::KeineDatei);
    // A file nobody may write stays as it is, even where the folder would
    // let it be replaced.
    const auto schreiben =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    if (!(info.permissions() & schreiben)) return Ursachentext(s, Ursache::Schreibgeschützt);
    return std::nullopt;
}

// Opens the temporary file, lets `schreiben` fill it and puts it in place.
Exportergebnis Schreiben(const QString& pfad, const Sprache& s,
                         const std::function<bool(QSaveFile&)>& schreiben, int meldung = kMeldung) {
    if (const auto nein = ZielPrüfen(s, pfad)) return Fehlschlag(s, pfad, *nein, meldung);
    QSaveFile datei(pfad);
    errno = 0;
    if (!datei.open(QIODevice::WriteOnly))
        return Fehlschlag(s, pfad, Ursache(s, datei, errno), meldung);
    errno = 0;
    const bool geschrieben = schreiben(datei);
    const int nummer = errno;
    if (!geschrieben) {
        datei.cancelWriting();
        datei.commit(); // removes the temporary file
        return Fehlschlag(s, pfad, Ursache(s, datei, nummer), meldung);
    }
    errno = 0;
    if (!datei.commit()) return Fehlschlag(s, pfad, Ursache(s, datei, errno), meldung);
    return {true, {}};
}

bool PngSchreiben(QSaveFile& datei, QSize größe, const Maler& maler) {
    QImage bild(größe, QImage::Format_RGB32);
    if (bild.isNull()) return false;
    bild.fill(Qt::white);
    {
        // Painted as on the screen, so the file shows what the window shows.
        QPainter p(&bild);
        maler(p, QSizeF(größe));
    }
    return bild.save(&datei, "PNG");
}

bool SvgSchreiben(QSaveFile& datei, QSize größe, const Maler& maler) {
    QSvgGenerator svg;
    svg.setOutputDevice(&datei);
    svg.setSize(größe);
    svg.setViewBox(QRect(QPoint(0, 0), größe));
    svg.setResolution(kBildDpi);
    QPainter p;
    if (!p.begin(&svg)) return false;
    maler(p, QSizeF(größe));
    return p.end() && datei.error() == QFileDevice::NoError;
}

bool PdfSchreiben(QSaveFile& datei, QSize größe, const Maler& maler) {
    QPdfWriter pdf(&datei);
    pdf.setResolution(kBildDpi);
    const QSizeF punkte = QSizeF(größe) * 72.0 / kBildDpi;
    pdf.setPageLayout(QPageLayout(QPageSize(punkte, QPageSize::Point), QPageLayout::Portrait,
                                  QMarginsF(0, 0, 0, 0)));
    QPainter p;
    if (!p.begin(&pdf)) return false;
    maler(p, QSizeF(größe));
    return p.end() && datei.error() == QFileDevice::NoError;
}

} // namespace

std::optional<Bildformat> BildformatVon(const QString& pfad) {
    const QString endung = QFileInfo(pfad).suffix().toLower();
    if (endung == QLatin1String("png")) return Bildformat::Png;
    if (endung == QLatin1String("svg")) return Bildformat::Svg;
    if (endung == QLatin1String("pdf")) return Bildformat::Pdf;
    return std::nullopt;
}

QString Bildendungen() {
    return QStringLiteral(".png, .svg, .pdf");
}

Exportergebnis BildExportieren(const QString& pfad, QSize größe, const Maler& maler,
                               const Sprache& s) {
    const auto format = BildformatVon(pfad);
    if (!format)
        return Fehlschlag(s, pfad,
                          Meldungstext(Text(s, kEndung), {{"|1", Bildendungen().toStdString()}}));
    // Checked before anything is opened: a picture this size cannot be held.
    const bool zuGroß = größe.width() > BildgrößeGrößte || größe.height() > BildgrößeGrößte;
    if (größe.isEmpty() || zuGroß ||
        (*format == Bildformat::Png && QImage(größe, QImage::Format_RGB32).isNull()))
        return Fehlschlag(s, pfad, Text(s, kZuGroß));
    return Schreiben(pfad, s, [&](QSaveFile& datei) {
        switch (*format) {
        case Bildformat::Png:
            return PngSchreiben(datei, größe, maler);
        case Bildformat::Svg:
            return SvgSchreiben(datei, größe, maler);
        case Bildformat::Pdf:
            return PdfSchreiben(datei, größe, maler);
        }
        return false;
    });
}

Exportergebnis TextExportieren(const QString& pfad, const std::string& inhalt, const Sprache& s) {
    return Schreiben(pfad, s, [&](QSaveFile& datei) {
        const auto länge = static_cast<qint64>(inhalt.size());
        return datei.write(inhalt.data(), länge) == länge;
    });
}

Exportergebnis DateiExportieren(const QString& pfad, const Sprache& s,
                                const std::function<bool(QIODevice&)>& schreiben, int meldung) {
    return Schreiben(
        pfad, s, [&](QSaveFile& datei) { return schreiben(datei); }, meldung);
}

} // namespace vapro
