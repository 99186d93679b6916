#include "cli/Befehle.h"

#include <ostream>

#include "cli/Befehle_intern.h"
#include "core/model/Bewegung.h"
#include "core/model/Felder.h"
#include "core/model/GeometrieFehler.h"
#include "core/model/Grunddaten.h"
#include "core/model/Rechnen.h"
#include "core/model/Schieber.h"
#include "core/persist/Einheiten.h"
#include "core/persist/Maschinendatei.h"

namespace vapro::cli {

namespace {

// Builds the engine the command line describes: a default engine or a
// machine file, then --set, --umwinkel and --umrechnen.
Modell MaschineAufbauen(const Aufruf& auf, const Sprache& sprache) {
    Modell m;
    Grundfarben(m);
    GrunddatenFürEinheit(m, auf.einheit);
    if (auf.datei) {
        const Ladeergebnis e = Laden(m, std::filesystem::path(*auf.datei), sprache);
        if (e.art != Ladeergebnis::Ok) throw Dateifehler(e.meldung);
    }
    for (const auto& [name, wert] : auf.setzen) {
        const Feld* f = FeldSuchen(name);
        if (!f || !FeldSetzen(m, *f, wert))
            throw Bedienfehler("--set " + name + ": value out of range");
    }
    m.Hub = static_cast<float>(2.0 * m.KWRadius);
    SchieberAbleiten(m);
    if (auf.umwinkel) m.UmWinkel = static_cast<float>(Rad(*auf.umwinkel));
    if (auf.umrechnen) EinheitUmschalten(m);
    SpiegelBerechnen(m);
    return m;
}

// Messages may span lines; the command line reports them on one.
std::string EineZeile(std::string text) {
    for (char& c : text)
        if (c == '\r' || c == '\n') c = ' ';
    std::string aus;
    for (char c : text)
        if (!(c == ' ' && !aus.empty() && aus.back() == ' ')) aus += c;
    while (!aus.empty() && aus.back() == ' ')
        aus.pop_back();
    return aus;
}

} // namespace

int Ausführen(const std::vector<std::string>& argumente, std::ostream& out, std::ostream& err) {
    for (const auto& a : argumente)
        if (a == "--help" || a == "-h") {
            out << kBedienung;
            return kFertig;
        }
    Aufruf auf;
    try {
        auf = AufrufLesen(argumente);
    } catch (const Bedienfehler& e) {
        err << "vapro-cli: " << e.what() << " (try --help)\n";
        return kBedienfehler;
    }
    Sprache sprache;
    SpracheEinstellen(sprache, auf.englisch ? SprachbasisEnglisch : SprachbasisDeutsch);
    const char* schritt = "building the engine";
    try {
        Modell m = MaschineAufbauen(auf, sprache);
        Ausgabe aus(out, auf.kv);
        if (auf.befehl == Befehl::Save) {
            Sichern(m, auf, sprache);
            return kFertig;
        }
        schritt = "direction check";
        RichtungWählen(m, auf.richtung);
        switch (auf.befehl) {
        case Befehl::Solve:
            schritt = "solve";
            Lösen(m, auf, aus);
            break;
        case Befehl::Sweep:
            schritt = "sweep";
            Durchlauf(m, auf, aus);
            break;
        case Befehl::Direction:
            RichtungAusgeben(m, aus);
            break;
        case Befehl::Events:
            schritt = "valve-event search";
            Steuerzeiten(m, sprache, aus);
            break;
        case Befehl::Motion:
            schritt = "motion table";
            Bewegung(m, auf, aus);
            break;
        case Befehl::Steam:
            Dampf(m, auf, sprache, aus);
            break;
        case Befehl::Figures:
            schritt = "operating figures";
            Kennzahlen(m, auf, sprache, aus);
            break;
        case Befehl::Diagram:
            schritt = "steam diagram";
            Diagramm(m, auf, aus);
            break;
        case Befehl::Save:
            break;
        }
        return kFertig;
    } catch (const Bedienfehler& e) {
        err << "vapro-cli: " << e.what() << '\n';
        return kBedienfehler;
    } catch (const Dateifehler& e) {
        err << "vapro-cli: " << EineZeile(e.what()) << '\n';
        return kDateifehler;
    } catch (const GeometrieFehler& e) {
        err << "vapro-cli: geometry error in the " << schritt << ": " << e.what() << '\n';
        return kGeometriefehler;
    } catch (const std::exception& e) {
        err << "vapro-cli: internal error: " << e.what() << '\n';
        return kInterner;
    }
}

} // namespace vapro::cli
