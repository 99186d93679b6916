#include "core/persist/Start.h"

#include <cmath>
#include <ctime>
#include <optional>

#include "core/numbers/Zahlenformat.h"

namespace vapro {

namespace {

std::string_view Getrimmt(std::string_view t) {
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t'))
        t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t'))
        t.remove_suffix(1);
    return t;
}

// A stored whole number, or nothing when the text is not one.
std::optional<long> GanzeZahl(std::string_view text) {
    const auto z = LiesZahl(text);
    if (!z || *z != std::floor(*z) || std::fabs(*z) > 1e9) return std::nullopt;
    return static_cast<long>(*z);
}

std::string MitSchrägstrich(std::string_view ordner) {
    std::string s(ordner);
    if (!s.empty() && s.back() != '/' && s.back() != '\\') s += '/';
    return s;
}

} // namespace

Zeitpunkt JetztLokal() {
    const std::time_t t = std::time(nullptr);
    const std::tm* lokal = std::localtime(&t); // one thread only, see DESIGN
    char datum[16] = "", zeit[16] = "";
    if (lokal) {
        std::strftime(datum, sizeof datum, "%d.%m.%Y", lokal);
        std::strftime(zeit, sizeof zeit, "%H:%M:%S", lokal);
    }
    return {datum, zeit};
}

bool VersionPrüfen(Einstellungsspeicher& s, std::string_view datum, std::string_view zeit) {
    const auto gespeichert = GanzeZahl(s.Lesen(AbschnittVersion, "Versions Nr", "0"));
    const auto diese = GanzeZahl(VersionsNummer);
    if (gespeichert && gespeichert == diese) return false;
    const std::string nr(VersionsNummer);
    s.Schreiben(AbschnittVersion, "Versions Nr", nr);
    s.Schreiben(AbschnittVersion, nr + " am:", datum);
    s.Schreiben(AbschnittVersion, nr + " um:", zeit);
    return true;
}

GeleseneEinstellungen EinstellungenLaden(const Einstellungsspeicher& s, Modell& m,
                                         Programmzustand& z, std::string_view programmpfadVorgabe) {
    // Only 0 and 1 mean something; anything else keeps the default "reopen".
    const auto start = GanzeZahl(s.Lesen(AbschnittAktuell, "File Start", "1"));
    m.NächsterStart = (start && *start == 0) ? 0 : 1;

    z.Dateiname = s.Lesen(AbschnittAktuell, "Filename", "");

    GeleseneEinstellungen e;
    const std::string einheit = s.Lesen(AbschnittVersion, "Einheit", "[mm]");
    // Exactly "[mm]" is millimetres; every other text means inches, as everywhere.
    e.Einheit = IstMM(einheit) ? "[mm]" : "[inch]";

    const auto sprache = GanzeZahl(s.Lesen(AbschnittVersion, "Sprache", "1000"));
    e.Sprachbasis =
        (sprache && *sprache == SprachbasisEnglisch) ? SprachbasisEnglisch : SprachbasisDeutsch;

    const std::string pfad(Getrimmt(s.Lesen(AbschnittVersion, "Programmpfad", "")));
    z.Programmpfad = MitSchrägstrich(pfad.empty() ? programmpfadVorgabe : pfad);
    return e;
}

void EinstellungenSichern(Einstellungsspeicher& s, const Modell& m, const Programmzustand& z,
                          std::string_view datum, std::string_view zeit,
                          const std::vector<std::pair<std::string, bool>>& offeneFenster) {
    const bool wiederÖffnen = m.NächsterStart == 1;
    s.Schreiben(AbschnittAktuell, "File Start", wiederÖffnen ? "1" : "0");
    s.Schreiben(AbschnittAktuell, "Filename", wiederÖffnen ? z.Dateiname : std::string());
    s.Schreiben(AbschnittAktuell, "Aufruf am", datum);
    s.Schreiben(AbschnittAktuell, "Aufruf um", zeit);
    for (const auto& [schlüssel, offen] : offeneFenster)
        s.Schreiben(AbschnittAktuell, schlüssel, offen ? "True" : "False");
}

void EinstellungenZurücksetzen(Einstellungsspeicher& s, std::string_view datum,
                               std::string_view zeit) {
    s.AbschnittLöschen(AbschnittAktuell);
    s.Schreiben(AbschnittAktuell, "Aufruf am", datum);
    s.Schreiben(AbschnittAktuell, "Aufruf um", zeit);
}

std::string HilfePfad(const Programmzustand& z, const Sprache& sprache) {
    return MitSchrägstrich(z.Programmpfad) + sprache.Hilfedatei;
}

} // namespace vapro
