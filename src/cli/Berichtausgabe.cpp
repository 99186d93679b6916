#include "cli/Berichtausgabe.h"

#include <QFileInfo>
#include <QGuiApplication>

#include "cli/Befehle_intern.h"
#include "cli/Bildausgabe.h"
#include "core/analysis/Dampftafel.h"
#include "core/persist/Start.h"
#include "render/Bericht.h"

namespace vapro::cli {

void Berichtausgabe(Modell& m, const Aufruf& auf, const Sprache& s) {
    const QString pfad = QString::fromStdString(auf.ausgabe);
    if (QFileInfo(pfad).suffix().toLower() != QLatin1String("pdf"))
        throw Bedienfehler("report: --out needs a file ending in .pdf");
    Berichtsangaben a;
    if (auf.datei) a.datei = *auf.datei;
    const Zeitpunkt jetzt = JetztLokal();
    a.datum = jetzt.Datum + "  " + jetzt.Zeit;
    const Dampftafelart art = DampftafelartFürEinheit(m.Einheit);
    const DampftafelErgebnis tafel =
        DampftafelLadenFürSuche(DampftafelPfad(art, auf.datenordner), art);
    if (tafel.Ok()) a.dampf = DampfzustandSuchen(tafel.Tafel, m.PO1, art);
    const auto anwendung = AnwendungSicherstellen();
    const Exportergebnis e = BerichtSchreiben(pfad, m, s, a);
    if (!e.ok) throw Dateifehler(e.meldung);
}

} // namespace vapro::cli
