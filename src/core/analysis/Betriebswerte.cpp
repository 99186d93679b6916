#include "core/analysis/Betriebswerte.h"

#include <algorithm>
#include <cmath>

#include "core/model/Rechnen.h"
#include "core/numbers/Zahlenformat.h"

namespace vapro {

// --- Crank-drive volumes ------------------------------------------------------

namespace {

// Annulus of the bore around a rod, in double; the volume is stored single.
float Volumen(const Modell& m, float stangendurchmesser, float länge) {
    const double d = m.KDurchmesser, s = stangendurchmesser;
    return Einzel(Pi / 4.0 * (d * d - s * s) * länge, "cylinder volume");
}

} // namespace

Kurbelvolumina KurbelvoluminaBerechnen(const Modell& m) {
    return {Volumen(m, m.KsDurchmesserO, m.Hub), Volumen(m, m.KsDurchmesserU, m.Hub),
            Volumen(m, m.KsDurchmesserO, m.KOFreihub), Volumen(m, m.KsDurchmesserU, m.KUFreihub)};
}

void KurbelvoluminaEintragen(Modell& m) {
    const Kurbelvolumina v = KurbelvoluminaBerechnen(m);
    m.HubvolumenO = v.HubvolumenO;
    m.HubvolumenU = v.HubvolumenU;
    m.FreiHubvolumenO = v.FreiHubvolumenO;
    m.FreiHubvolumenU = v.FreiHubvolumenU;
}

// --- Entry of the operating parameters -----------------------------------------

namespace {

// The limits bring every whole-number entry into 16-bit range before rounding.
int16_t Ganz(double v) {
    return RundeGerade16(v, "operating parameters");
}

} // namespace

BetriebsparameterÜbernahme BetriebsparameterÜbernehmen(Modell& m,
                                                       const BetriebsparameterEingabe& e) {
    BetriebsparameterÜbernahme r;
    auto begrenzt = [&r](Betriebsfeld f, bool ja) {
        if (ja) r.Begrenzt.push_back(f);
    };
    // Reads one entry; false (and the field noted) when it is not a number.
    auto lies = [&r](const std::optional<double>& wert, Betriebsfeld f, double& v) {
        if (!wert || std::isnan(*wert)) {
            r.Fehlerfeld = f;
            return false;
        }
        v = *wert;
        return true;
    };

    double v = 0;
    if (!lies(e.PO1, Betriebsfeld::PO1, v)) return r;
    const double po1 = std::clamp(v, 1.0, 500.0);
    begrenzt(Betriebsfeld::PO1, po1 != v);
    m.PO1 = static_cast<float>(po1);

    if (!lies(e.PO2, Betriebsfeld::PO2, v)) return r;
    const double po2 = std::clamp(v, 0.0, static_cast<double>(m.PO1));
    begrenzt(Betriebsfeld::PO2, po2 != v);
    m.PO2 = static_cast<float>(po2);

    if (!lies(e.Überhitzung, Betriebsfeld::Überhitzung, v)) return r;
    const double ü = std::clamp(v, 1.0, 1.3);
    begrenzt(Betriebsfeld::Überhitzung, ü != v);
    m.Überhitzung = static_cast<float>(ü);

    if (!lies(e.DrehzahlMax, Betriebsfeld::DrehzahlMax, v)) return r;
    const double max = v > 10000 ? 10000 : v < 0.1 ? 0 : v;
    begrenzt(Betriebsfeld::DrehzahlMax, max != v);
    m.DrehzahlMax = Ganz(max);

    // A step below 1 would leave the slider without steps and the figures
    // without a refresh; 1 is the smallest step that works.
    if (!lies(e.DrehzahlSchrittweite, Betriebsfeld::DrehzahlSchrittweite, v)) return r;
    const double schritt = std::max(std::min(v, static_cast<double>(m.DrehzahlMax)), 1.0);
    begrenzt(Betriebsfeld::DrehzahlSchrittweite, schritt != v);
    m.DrehzahlSchrittweite = Ganz(schritt);

    begrenzt(Betriebsfeld::Drehzahl, m.Drehzahl > m.DrehzahlMax);
    m.Drehzahl = std::min(m.Drehzahl, m.DrehzahlMax);

    if (!lies(e.MechWirkungsgrad, Betriebsfeld::MechWirkungsgrad, v)) return r;
    const double wg = v > 100 ? 100 : v < 0 ? 0.1 : v;
    begrenzt(Betriebsfeld::MechWirkungsgrad, wg != v);
    m.MechWirkungsgrad = Ganz(wg);
    return r;
}

void BetriebsparameterReparieren(Modell& m) {
    BetriebsparameterÜbernehmen(m, {m.PO1, m.PO2, m.Überhitzung, m.DrehzahlMax,
                                    m.DrehzahlSchrittweite, m.MechWirkungsgrad});
}

std::string BetriebsparameterFehlertext(const Sprache& sprache) {
    return Meldungstext(sprache.Text(2045), {{"|1", "\n"}});
}

// --- Speed slider ---------------------------------------------------------------

Drehzahlregler DrehzahlreglerEinrichten(int16_t drehzahlMax, int16_t schrittweite) {
    if (schrittweite < 1) throw GeometrieFehler("speed slider: step below 1");
    const double schritte = RundeHalbAuf(static_cast<double>(drehzahlMax) / schrittweite);
    Drehzahlregler r;
    r.Schritte = RundeGerade16(schritte, "speed slider");
    r.DrehzahlMax = RundeGerade16(schritte * schrittweite, "speed slider");
    return r;
}

// --- Operating figures ------------------------------------------------------------

std::optional<Sattdampfwerte> SattdampfAus(const std::optional<Dampfzustand>& zeile) {
    if (!zeile) return std::nullopt;
    Sattdampfwerte s;
    s.Druck = zeile->Druck;
    s.Sättigungstemperatur = zeile->Sättigungstemperatur;
    s.SättigungstemperaturZahl = LiesZahl(zeile->Sättigungstemperatur);
    s.V2Strich = zeile->V2Strich;
    s.V2StrichZahl = zeile->V2StrichZahl;
    return s;
}

namespace {

// Cubic inches in a cubic foot.
constexpr double KubikzollJeKubikfuß = 1728;

} // namespace

Betriebswerte BetriebswerteBerechnen(const Modell& m, float PM,
                                     const std::optional<Dampfzustand>& dampf) {
    Betriebswerte w;
    w.MM = IstMM(m);
    w.Drehzahl = m.Drehzahl;
    w.Volumina = KurbelvoluminaBerechnen(m);
    w.FüllungO = m.Oben.Füllung;
    w.FüllungU = m.Unten.Füllung;
    w.PM = PM;
    w.MechWirkungsgrad = m.MechWirkungsgrad;
    w.DampfvolumenUmdrehungO = static_cast<double>(w.Volumina.HubvolumenO) * w.FüllungO;
    w.DampfvolumenUmdrehungU = static_cast<double>(w.Volumina.HubvolumenU) * w.FüllungU;
    w.Sattdampf = SattdampfAus(dampf);

    // A standing engine uses no steam and gives no power.
    const double n = std::max<int16_t>(m.Drehzahl, 0);
    const double q = w.DampfvolumenUmdrehung() * n;
    w.DampfvolumenMin = q;

    // Without a positive v'' there is no weight to give (rather than a stale one).
    if (w.Sattdampf && w.Sattdampf->V2StrichZahl && *w.Sattdampf->V2StrichZahl > 0) {
        const double v2 = *w.Sattdampf->V2StrichZahl;
        // Cubic metres (mm) or cubic feet (inch) per minute over v''.
        const double kubikMin = w.MM ? q / 1e9 : q / KubikzollJeKubikfuß;
        w.DampfgewichtMin = kubikMin / v2;
        w.DampfgewichtStunde = kubikMin / v2 * 60;
    }

    const double h = m.Hub;
    w.Kolbengeschwindigkeit = w.MM ? 2 * h * n / 1000 / 60 : 2 * h * n / 60 / 12;

    // Swept volume per revolution times mean pressure: bar·mm³ or psi·cu in.
    const double arbeit = w.HubvolumenGesamt() * n * PM;
    w.LeistungKW = w.MM ? arbeit / 6e8 : arbeit / 12 / 33000 / KWzuHP;
    w.WellenleistungKW = w.LeistungKW * m.MechWirkungsgrad / 100;

    // Torque from shaft power in kW and speed in revolutions per minute.
    if (n > 0) {
        w.DrehmomentNm = 60000 * w.WellenleistungKW / (2 * Pi * n);
        w.DrehmomentFtLb = w.DrehmomentNm * NmZuFtLb;
    }
    return w;
}

// --- Read-out texts -----------------------------------------------------------------

BetriebswerteTexte BetriebswerteAnzeigen(const Betriebswerte& w, char dezimal) {
    auto f = [dezimal](double wert, std::string_view muster) {
        return FormatMuster(wert, muster, dezimal);
    };
    BetriebswerteTexte t;
    const double d = w.MM ? 1000 : 1; // cm³ or cu in
    const Kurbelvolumina& v = w.Volumina;
    t.Volumentabelle[0] = {f(v.HubvolumenO / d, "0.0"), f(v.HubvolumenU / d, "0.0"),
                           f(w.HubvolumenGesamt() / d, "0.0")};
    t.Volumentabelle[1] = {f(w.FüllungO * 100.0, "0.0"), f(w.FüllungU * 100.0, "0.0"),
                           f((static_cast<double>(w.FüllungO) + w.FüllungU) / 2 * 100, "0.0")};
    t.Volumentabelle[2] = {f(w.DampfvolumenUmdrehungO / d, "0.0"),
                           f(w.DampfvolumenUmdrehungU / d, "0.0"),
                           f(w.DampfvolumenUmdrehung() / d, "0.0")};

    const double q = w.DampfvolumenMin;
    if (w.MM) {
        t.Dampfvolumen = f(q / 1000, "0");
        t.DampfvolumenLiter = f(q / 1e6, "0.0");
        t.DampfvolumenKubikmeter = f(q / 1e9, "0.00");
        t.DampfvolumenStunde = f(q / 1e8 * 6, "0.00");
    } else {
        t.Dampfvolumen = f(q, "0");
        t.DampfvolumenLiter = f(q / KubikzollJeKubikfuß, "0.0");
        t.DampfvolumenStunde = f(q / KubikzollJeKubikfuß * 60, "0.00");
    }

    if (w.Sattdampf) {
        t.Sättigungstemperatur = w.Sattdampf->Sättigungstemperatur;
        t.V2Strich = w.Sattdampf->V2Strich;
        t.Druck = f(w.Sattdampf->Druck, w.MM ? "0.0" : "0");
    }
    if (w.DampfgewichtMin) t.DampfgewichtMin = f(*w.DampfgewichtMin, "0.00");
    if (w.DampfgewichtStunde) t.DampfgewichtStunde = f(*w.DampfgewichtStunde, "0.0");

    t.Kolbengeschwindigkeit = f(w.Kolbengeschwindigkeit, "0.00");
    t.PMittel = FormatMuster(w.PM, "0.0", dezimal);
    t.LeistungPS = f(w.LeistungKW * KWzuPS, "0.00");
    t.LeistungHP = f(w.LeistungKW * KWzuHP, "0.00");
    t.LeistungKW = f(w.LeistungKW, "0.000");
    t.MechWirkungsgrad = f(w.MechWirkungsgrad, "0.0");
    t.WellenleistungPS = f(w.WellenleistungKW * KWzuPS, "0.00");
    t.WellenleistungHP = f(w.WellenleistungKW * KWzuHP, "0.00");
    t.WellenleistungKW = f(w.WellenleistungKW, "0.000");
    t.DrehmomentNm = f(w.DrehmomentNm, "0.000");
    t.DrehmomentFtLb = f(w.DrehmomentFtLb, "0.000");
    return t;
}

} // namespace vapro
