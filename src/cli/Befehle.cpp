#include "cli/Befehle.h"

#include <ostream>
#include <string_view>

#include "cli/Befehle_intern.h"
#include "cli/Befehlstabelle.h"
#include "core/model/Bewegung.h"
#include "core/model/Felder.h"
#include "core/model/GeometrieFehler.h"
#include "core/model/Rechnen.h"
#include "core/model/Schieber.h"
#include "core/model/Standarddaten.h"
#include "core/persist/Einheiten.h"
#include "core/persist/Maschinendatei.h"

namespace vapro::cli {

namespace {

// Builds the engine the command line describes: a default engine or a
// machine file, then --set, --umwinkel and --umrechnen.
Modell MaschineAufbauen(const Aufruf& auf, const Sprache& sprache) {
    Modell m;
    StandardmaschineEinrichten(m, auf.einheit);
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
    SchieberkastenAbleiten(m);
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

int Ausführen(const std::vector<std::string>& argumente, std::ostream& out, std::ostream& err,
              const std::filesystem::path& datenordner) {
    for (const auto& a : argumente)
        if (a == "--help" || a == "-h") {
            out << Bedienung();
            return kFertig;
        }
    Aufruf auf;
    try {
        auf = AufrufLesen(argumente);
        auf.datenordner = datenordner;
    } catch (const Bedienfehler& e) {
        err << "vapro-cli: " << e.what() << " (try --help)\n";
        return kBedienfehler;
    }
    Sprache sprache;
    SpracheEinstellen(sprache, auf.englisch ? SprachbasisEnglisch : SprachbasisDeutsch);
    std::string_view schritt = "building the engine";
    try {
        Modell m = MaschineAufbauen(auf, sprache);
        Ausgabe aus(out, auf.kv);
        const Befehlseintrag& befehl = BefehlEintrag(auf.befehl);
        if (befehl.drehrichtung) {
            schritt = "direction check";
            RichtungWählen(m, auf.richtung);
        }
        schritt = befehl.arbeit;
        return befehl.ausführen(m, auf, sprache, aus);
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
