#include "cli/Aufruf.h"

#include <algorithm>
#include <cmath>

#include "cli/Befehlstabelle.h"
#include "core/analysis/Einstellung.h"
#include "core/analysis/Konstruktionspruefung.h"
#include "core/model/Felder.h"
#include "core/numbers/Zahlenformat.h"

namespace vapro::cli {

namespace {

class Leser {
  public:
    explicit Leser(const std::vector<std::string>& a) : a_(a) {}
    bool Ende() const { return i_ >= a_.size(); }
    const std::string& Nächstes() { return a_[i_++]; }
    const std::string& Wert(const std::string& option) {
        if (Ende()) throw Bedienfehler("option " + option + " needs a value");
        return Nächstes();
    }
    double Zahl(const std::string& option) {
        const std::string& t = Wert(option);
        auto z = LiesZahl(t);
        if (!z) throw Bedienfehler("option " + option + ": not a number: '" + t + "'");
        return *z;
    }

  private:
    const std::vector<std::string>& a_;
    size_t i_ = 0;
};

void SetzenLesen(Aufruf& auf, const std::string& text) {
    const auto gleich = text.find('=');
    if (gleich == std::string::npos || gleich == 0)
        throw Bedienfehler("--set needs FIELD=VALUE, got '" + text + "'");
    std::string name = text.substr(0, gleich);
    if (!FeldSuchen(name)) throw Bedienfehler("unknown field '" + name + "'");
    auto z = LiesZahl(std::string_view(text).substr(gleich + 1));
    if (!z)
        throw Bedienfehler("--set " + name + ": not a number: '" + text.substr(gleich + 1) + "'");
    auf.setzen.emplace_back(std::move(name), *z);
}

void GrenzeLesen(Aufruf& auf, const std::string& text) {
    const auto gleich = text.find('=');
    if (gleich == std::string::npos || gleich == 0)
        throw Bedienfehler("--grenze needs NAME=VALUE, got '" + text + "'");
    const std::string name = text.substr(0, gleich);
    const Prüfgrenze* g = PrüfgrenzeSuchen(name);
    if (!g) throw Bedienfehler("unknown check limit '" + name + "'");
    auto z = LiesZahl(std::string_view(text).substr(gleich + 1));
    if (!z || !std::isfinite(*z))
        throw Bedienfehler("--grenze " + name + ": not a number: '" + text.substr(gleich + 1) +
                           "'");
    auf.grenzen.emplace_back(std::string(g->name), *z);
}

// --frei NAME[:MIN:MAX],...
void FreiLesen(Aufruf& auf, const std::string& text) {
    size_t anfang = 0;
    while (anfang <= text.size()) {
        const size_t komma = std::min(text.find(',', anfang), text.size());
        const std::string eintrag = text.substr(anfang, komma - anfang);
        anfang = komma + 1;
        std::vector<std::string> teile;
        for (size_t a = 0;;) {
            const size_t doppelpunkt = std::min(eintrag.find(':', a), eintrag.size());
            teile.push_back(eintrag.substr(a, doppelpunkt - a));
            if (doppelpunkt == eintrag.size()) break;
            a = doppelpunkt + 1;
        }
        if (teile[0].empty() || (teile.size() != 1 && teile.size() != 3))
            throw Bedienfehler("--frei needs NAME or NAME:MIN:MAX, got '" + eintrag + "'");
        const Stellgröße* s = StellgrößeSuchen(teile[0]);
        if (!s) throw Bedienfehler("--frei: '" + teile[0] + "' is no input the setting can move");
        FreiAngabe f{std::string(s->name), std::nullopt, std::nullopt};
        if (teile.size() == 3) {
            f.min = LiesZahl(teile[1]);
            f.max = LiesZahl(teile[2]);
            if (!f.min || !f.max || !std::isfinite(*f.min) || !std::isfinite(*f.max))
                throw Bedienfehler("--frei " + teile[0] + ": bounds are not numbers: '" + eintrag +
                                   "'");
        }
        auf.frei.push_back(std::move(f));
    }
}

void GewichtLesen(Aufruf& auf, const std::string& text) {
    const auto gleich = text.find('=');
    if (gleich == std::string::npos || gleich == 0)
        throw Bedienfehler("--ziel needs NAME=WEIGHT, got '" + text + "'");
    const std::string name = text.substr(0, gleich);
    const auto ziel = EinstellzielSuchen(name);
    if (!ziel)
        throw Bedienfehler("unknown goal '" + name + "' (fuellung, voreilen, richtung, stein)");
    auto z = LiesZahl(std::string_view(text).substr(gleich + 1));
    if (!z || !std::isfinite(*z) || *z < 0)
        throw Bedienfehler("--ziel " + name + ": the weight must be a number of 0 or more");
    auf.gewichte.emplace_back(std::string(EinstellzielName(*ziel)), *z);
}

// "BxH": width and height in pixels, each at least 1.
void GrößeLesen(Aufruf& auf, const std::string& text) {
    const auto x = text.find('x');
    const auto b = x == std::string::npos ? std::nullopt : LiesZahl(text.substr(0, x));
    const auto h = x == std::string::npos ? std::nullopt : LiesZahl(text.substr(x + 1));
    auto ganz = [](const std::optional<double>& z) {
        return z && *z >= 1 && *z <= 1e9 && std::floor(*z) == *z;
    };
    if (!ganz(b) || !ganz(h))
        throw Bedienfehler("--groesse takes WIDTHxHEIGHT in whole pixels, got '" + text + "'");
    auf.bildBreite = static_cast<int>(*b);
    auf.bildHöhe = static_cast<int>(*h);
}

} // namespace

Aufruf AufrufLesen(const std::vector<std::string>& argumente) {
    Aufruf auf;
    Leser l(argumente);
    std::optional<Befehl> befehl;
    bool hatWinkel = false, hatVon = false, hatBis = false, hatSchritt = false;
    bool hatDruck = false, hatDrehzahl = false, hatBreite = false, hatDefault = false;
    bool hatGröße = false;
    while (!l.Ende()) {
        const std::string a = l.Nächstes();
        if (a == "--file") {
            auf.datei = l.Wert(a);
        } else if (a == "--umrechnen") {
            auf.umrechnen = true;
        } else if (a == "--sprache") {
            const std::string& s = l.Wert(a);
            if (s != "de" && s != "en")
                throw Bedienfehler("--sprache takes de or en, got '" + s + "'");
            auf.englisch = s == "en";
        } else if (a == "--druck") {
            auf.druck = l.Zahl(a);
            hatDruck = true;
        } else if (a == "--drehzahl") {
            auf.drehzahl = l.Zahl(a);
            hatDrehzahl = true;
        } else if (a == "--breite") {
            auf.breite = l.Zahl(a);
            hatBreite = true;
        } else if (a == "--default") {
            hatDefault = true;
            const std::string& e = l.Wert(a);
            if (e == "mm")
                auf.einheit = "[mm]";
            else if (e == "inch")
                auf.einheit = "[inch]";
            else
                throw Bedienfehler("--default takes mm or inch, got '" + e + "'");
        } else if (a == "--set") {
            SetzenLesen(auf, l.Wert(a));
        } else if (a == "--grenze") {
            GrenzeLesen(auf, l.Wert(a));
        } else if (a == "--frei") {
            FreiLesen(auf, l.Wert(a));
        } else if (a == "--ziel") {
            GewichtLesen(auf, l.Wert(a));
        } else if (a == "--zeit") {
            auf.zeit = l.Zahl(a);
        } else if (a == "--umwinkel") {
            auf.umwinkel = l.Zahl(a);
        } else if (a == "--richtung") {
            const std::string& r = l.Wert(a);
            if (r == "auto")
                auf.richtung = Richtung::Auto;
            else if (r == "vor")
                auf.richtung = Richtung::Vor;
            else if (r == "zurueck" || r == "zurück")
                auf.richtung = Richtung::Zurück;
            else
                throw Bedienfehler("--richtung takes auto, vor or zurueck, got '" + r + "'");
        } else if (a == "--kv") {
            auf.kv = true;
        } else if (a == "--csv") {
            auf.csv = true;
        } else if (a == "--winkel") {
            auf.winkel = l.Zahl(a);
            hatWinkel = true;
        } else if (a == "--out") {
            auf.ausgabe = l.Wert(a);
        } else if (a == "--groesse" || a == "--größe") {
            GrößeLesen(auf, l.Wert(a));
            hatGröße = true;
        } else if (a == "--von") {
            auf.von = l.Zahl(a);
            hatVon = true;
        } else if (a == "--bis") {
            auf.bis = l.Zahl(a);
            hatBis = true;
        } else if (a == "--schritt") {
            auf.schritt = l.Zahl(a);
            hatSchritt = true;
        } else if (!a.empty() && a[0] == '-') {
            throw Bedienfehler("unknown option '" + a + "'");
        } else {
            if (befehl == Befehl::Save && auf.ziel.empty()) {
                auf.ziel = a;
                continue;
            }
            if (befehl == Befehl::Render && auf.bild.empty()) {
                auf.bild = a;
                continue;
            }
            if (befehl) throw Bedienfehler("more than one command: '" + a + "'");
            const Befehlseintrag* eintrag = BefehlSuchen(a);
            if (eintrag)
                befehl = eintrag->befehl;
            else
                throw Bedienfehler("unknown command '" + a + "'");
        }
    }
    if (!befehl) throw Bedienfehler("no command given");
    auf.befehl = *befehl;
    switch (auf.befehl) {
    case Befehl::Solve:
        if (!hatWinkel) throw Bedienfehler("solve needs --winkel DEG");
        break;
    case Befehl::Sweep:
        if (!hatVon || !hatBis || !hatSchritt)
            throw Bedienfehler("sweep needs --von A --bis B --schritt S");
        if (auf.schritt == 0 || (auf.bis - auf.von) / auf.schritt < 0)
            throw Bedienfehler("sweep: --schritt must lead from --von to --bis");
        if ((auf.bis - auf.von) / auf.schritt > 1e7)
            throw Bedienfehler("sweep: more than ten million angles");
        break;
    case Befehl::Save:
        if (auf.ziel.empty()) throw Bedienfehler("save needs a PATH");
        break;
    case Befehl::Steam:
        if (!hatDruck) throw Bedienfehler("steam needs --druck P");
        break;
    case Befehl::Figures:
        if (!hatDrehzahl) throw Bedienfehler("figures needs --drehzahl N");
        if (!(auf.drehzahl >= 0 && auf.drehzahl <= 32767))
            throw Bedienfehler("figures: --drehzahl must lie in 0 ... 32767");
        break;
    case Befehl::Diagram:
        if (!hatBreite) throw Bedienfehler("diagram needs --breite PX");
        break;
    case Befehl::Render:
        if (auf.bild.empty()) throw Bedienfehler("render needs WHAT (try --help)");
        if (auf.ausgabe.empty()) throw Bedienfehler("render needs --out FILE");
        break;
    case Befehl::Report:
        if (auf.ausgabe.empty()) throw Bedienfehler("report needs --out FILE.pdf");
        break;
    case Befehl::Motion:
        if (!hatSchritt) throw Bedienfehler("motion needs --schritt DEG");
        if (!(auf.schritt > 0 && auf.schritt <= 360))
            throw Bedienfehler("motion: --schritt must lie in (0, 360]");
        break;
    case Befehl::Range:
    case Befehl::Check:
        if (auf.befehl == Befehl::Range && !hatSchritt)
            throw Bedienfehler("range needs --schritt DEG");
        if (!hatSchritt) auf.schritt = 1;
        if (!(auf.schritt > 0 && auf.schritt <= 720))
            throw Bedienfehler("--schritt must lie in (0, 720] degrees of the lever");
        break;
    case Befehl::Optimise:
        if (auf.frei.empty()) throw Bedienfehler("optimise needs --frei NAME[:MIN:MAX],...");
        if (auf.ausgabe.empty()) throw Bedienfehler("optimise needs --out FILE.kmf");
        if (auf.zeit && !(*auf.zeit > 0 && *auf.zeit <= 86400))
            throw Bedienfehler("--zeit must lie in (0, 86400] seconds");
        break;
    default:
        break;
    }
    if (auf.befehl != Befehl::Optimise && (!auf.frei.empty() || !auf.gewichte.empty() || auf.zeit))
        throw Bedienfehler("--frei, --ziel and --zeit belong to optimise");
    if (auf.csv && auf.befehl != Befehl::Motion && auf.befehl != Befehl::Range &&
        auf.befehl != Befehl::Events)
        throw Bedienfehler("--csv belongs to motion, range and events");
    if (!auf.grenzen.empty() && auf.befehl != Befehl::Check)
        throw Bedienfehler("--grenze belongs to check");
    if (hatGröße && auf.befehl != Befehl::Render) throw Bedienfehler("--groesse belongs to render");
    if (!auf.ausgabe.empty() && auf.befehl != Befehl::Render && auf.befehl != Befehl::Optimise &&
        auf.befehl != Befehl::Report)
        throw Bedienfehler("--out belongs to render, optimise and report");
    if (hatBreite && !(auf.breite >= 1 && auf.breite <= 100000))
        throw Bedienfehler("--breite must lie in 1 ... 100000 pixels");
    if (hatDefault && auf.datei) throw Bedienfehler("--default and --file exclude each other");
    return auf;
}

} // namespace vapro::cli
