#pragma once
// Pictures and tables written to files for other programs. The type follows
// the file's extension; the file is written under a temporary name beside it
// and takes the place of the old one only when everything was written, so a
// failure leaves an earlier file as it was and no partial file behind.
// Failures come back as the message for the user in the current language.

#include <QSize>
#include <QSizeF>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "core/persist/Texte.h"

class QIODevice;
class QPainter;

namespace vapro {

// Paints a whole picture over an area of the given size in the painter's
// units (pixels of the picture).
using Maler = std::function<void(QPainter&, QSizeF)>;

enum class Bildformat { Png, Svg, Pdf };

// The largest width or height of an exported picture in pixels.
inline constexpr int BildgrößeGrößte = 20000;

// By the extension, in any case; nothing for another one.
std::optional<Bildformat> BildformatVon(const QString& pfad);

// The extensions the picture export knows, for messages: ".png, .svg, .pdf".
QString Bildendungen();

struct Exportergebnis {
    bool ok = false;
    std::string meldung; // empty when written
};

// Writes the picture `maler` paints at `größe` pixels: PNG as pixels, SVG
// and PDF as drawings of the same size at 96 pixels to the inch.
Exportergebnis BildExportieren(const QString& pfad, QSize größe, const Maler& maler,
                               const Sprache& s);

// Writes a text (UTF-8) the same way.
Exportergebnis TextExportieren(const QString& pfad, const std::string& inhalt, const Sprache& s);

// Writes whatever `schreiben` puts into the opened file the same way; it
// answers false when it failed. `meldung`: the German number of the
// message's first line.
Exportergebnis DateiExportieren(const QString& pfad, const Sprache& s,
                                const std::function<bool(QIODevice&)>& schreiben,
                                int meldung = 1953);

} // namespace vapro
