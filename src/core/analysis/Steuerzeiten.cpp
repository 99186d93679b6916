#include "core/analysis/Steuerzeiten.h"

#include <cstddef>

#include "core/model/Bewegung.h"
#include "core/model/Kinematik.h"
#include "core/model/Rechnen.h"
#include "core/model/Schieberkanten.h"

namespace vapro {

namespace {

// Where each edge crossing is recorded. With inside admission the cavity
// edges admit and the outer edges exhaust: the same crossings, admission and
// exhaust of each end exchanged.
struct Ziele {
    Steuerzeit *außenAufU, *außenZuU, *innenAufU, *innenZuU;
    Steuerzeit *innenAufO, *innenZuO, *außenAufO, *außenZuO;
};

Ziele ZieleFür(Modell& m) {
    const auto k = KantenereignisseFür(m.Einströmung);
    return {&(m.*k[0].auf), &(m.*k[0].zu), &(m.*k[1].auf), &(m.*k[1].zu),
            &(m.*k[2].auf), &(m.*k[2].zu), &(m.*k[3].auf), &(m.*k[3].zu)};
}

void Merken(Steuerzeit* z, const Kantenlage& l) {
    z->Winkel = l.Winkel;
    z->Weg = l.Weg;
}

// Records the crossings between two successive positions. A port counts as
// open only while its valve edge is strictly past the seat edge.
void Vergleichen(const Modell& m, const Ziele& z, const Kantenlage& alt, const Kantenlage& neu) {
    float e = m.KaKanteUU;
    if (alt.UntenAußen <= e && neu.UntenAußen > e) Merken(z.außenAufU, neu);
    if (alt.UntenAußen >= e && neu.UntenAußen <= e) Merken(z.außenZuU, neu);
    e = m.KaKanteUO;
    if (alt.UntenInnen >= e && neu.UntenInnen < e) Merken(z.innenAufU, neu);
    if (alt.UntenInnen <= e && neu.UntenInnen >= e) Merken(z.innenZuU, neu);
    e = m.KaKanteOU;
    if (alt.ObenInnen <= e && neu.ObenInnen > e) Merken(z.innenAufO, neu);
    if (alt.ObenInnen >= e && neu.ObenInnen <= e) Merken(z.innenZuO, neu);
    e = m.KaKanteOO;
    if (alt.ObenAußen >= e && neu.ObenAußen < e) Merken(z.außenAufO, neu);
    if (alt.ObenAußen <= e && neu.ObenAußen >= e) Merken(z.außenZuO, neu);
}

void Zurücksetzen(Modell& m) {
    // Events of another engine or lever until a search finishes.
    m.Steuerzeitensuche.gesucht = false;
    for (Steuerzeit* z : {&m.EinlaßAufOben, &m.EinlaßZuOben, &m.AuslaßAufOben, &m.AuslaßZuOben,
                          &m.EinlaßAufUnten, &m.EinlaßZuUnten, &m.AuslaßAufUnten, &m.AuslaßZuUnten})
        z->Winkel = -1.0f;
}

} // namespace

std::array<Kantenereignisse, 4> KantenereignisseFür(int16_t einströmung) {
    using M = Modell;
    if (einströmung == 1)
        return {{{&M::AuslaßAufUnten, &M::AuslaßZuUnten},
                 {&M::EinlaßAufUnten, &M::EinlaßZuUnten},
                 {&M::EinlaßAufOben, &M::EinlaßZuOben},
                 {&M::AuslaßAufOben, &M::AuslaßZuOben}}};
    return {{{&M::EinlaßAufUnten, &M::EinlaßZuUnten},
             {&M::AuslaßAufUnten, &M::AuslaßZuUnten},
             {&M::AuslaßAufOben, &M::AuslaßZuOben},
             {&M::EinlaßAufOben, &M::EinlaßZuOben}}};
}

Kantenlage KantenlageJetzt(const Modell& m) {
    return {m.Winkel,           m.kwegmm,          KanteUntenAußen(m),
            KanteUntenInnen(m), KanteObenInnen(m), KanteObenAußen(m)};
}

void SteuerzeitenSuchen(Modell& m) {
    Zurücksetzen(m);
    const Ziele ziele = ZieleFür(m);
    WinkelMerker merker(m);
    const bool vor = m.Drehrichtung;
    m.Winkel = vor ? SuchVorlaufVor : SuchVorlaufZurück;
    KinematikOhneBild(m);
    Kantenlage alt = KantenlageJetzt(m);
    for (int i = 0; i < SuchSchritte; ++i) {
        m.Winkel = SuchWinkel(vor ? i : SuchSchritte - 1 - i);
        KinematikOhneBild(m);
        const Kantenlage neu = KantenlageJetzt(m);
        Vergleichen(m, ziele, alt, neu);
        alt = neu;
    }
    m.Steuerzeitensuche = {true, m.Änderungen, m.WinkelSchritt, m.UmWinkel, m.Drehrichtung};
}

bool SteuerzeitenSuchenWennNötig(Modell& m) {
    const Modell::Suchstand& s = m.Steuerzeitensuche;
    if (s.gesucht && s.änderungen == m.Änderungen && s.winkelSchritt == m.WinkelSchritt &&
        s.umWinkel == m.UmWinkel && s.drehrichtung == m.Drehrichtung)
        return false;
    SteuerzeitenSuchen(m);
    return true;
}

void SteuerzeitenAusLagen(Modell& m, const Kantenlage& vorlauf, std::span<const Kantenlage> lagen) {
    Zurücksetzen(m);
    const Ziele ziele = ZieleFür(m);
    const Kantenlage* alt = &vorlauf;
    const auto n = static_cast<std::ptrdiff_t>(lagen.size());
    for (std::ptrdiff_t i = 0; i < n; ++i) {
        const Kantenlage& neu = lagen[static_cast<size_t>(m.Drehrichtung ? i : n - 1 - i)];
        Vergleichen(m, ziele, *alt, neu);
        alt = &neu;
    }
}

namespace {

// Dead-centre references of an event angle.
constexpr int16_t VorOT = 1, NachOT = 2, VorUT = 3, NachUT = 4;

Steuerereignis Ereignis(float winkel, int16_t bezug, float weg) {
    return {winkel, bezug, weg};
}

float F(double v) {
    return Einzel(v, "valve events");
}

} // namespace

void SteuerzeitenAuswerten(Modell& m) {
    const float h = F(2.0 * m.KWRadius);
    const bool vor = m.Drehrichtung;
    Steuerzeitergebnis& o = m.Oben;
    Steuerzeitergebnis& u = m.Unten;

    // Top end.
    {
        const float a = m.EinlaßAufOben.Winkel, p = m.EinlaßAufOben.Weg;
        if (vor)
            o.Einlaßbeginn =
                a <= 180 ? Ereignis(a, NachOT, F(h - p)) : Ereignis(F(360.0 - a), VorOT, F(h - p));
        else
            o.Einlaßbeginn =
                a < 180 ? Ereignis(a, VorOT, F(h - p)) : Ereignis(F(360.0 - a), NachOT, F(h - p));
    }
    {
        const float a = m.EinlaßZuOben.Winkel, p = m.EinlaßZuOben.Weg;
        // Cut-off after bottom dead centre: admission through the whole stroke.
        // Forward running keeps the travel from top dead centre here, backward
        // running the travel from bottom dead centre.
        if (vor ? a < 180 : a > 180) {
            o.Einlaßende = Ereignis(vor ? a : F(360.0 - a), NachOT, F(h - p));
            o.FüllungWeg = F(h - p);
        } else {
            o.Einlaßende =
                vor ? Ereignis(F(a - 180.0), NachUT, F(h - p)) : Ereignis(F(180.0 - a), NachUT, p);
            o.FüllungWeg = h;
        }
    }
    {
        const float a = m.AuslaßAufOben.Winkel, p = m.AuslaßAufOben.Weg;
        if (vor)
            o.Auslaßbeginn =
                a < 180 ? Ereignis(F(180.0 - a), VorUT, p) : Ereignis(F(a - 180.0), NachUT, p);
        else
            o.Auslaßbeginn =
                a <= 180 ? Ereignis(F(180.0 - a), NachUT, p) : Ereignis(F(a - 180.0), VorUT, p);
    }
    {
        const float a = m.AuslaßZuOben.Winkel, p = m.AuslaßZuOben.Weg;
        const bool erst = a < 180;
        const int16_t b = vor ? (erst ? NachOT : VorOT) : (erst ? VorOT : NachOT);
        o.Auslaßende = Ereignis(erst ? a : F(360.0 - a), b, F(h - p));
    }

    // Bottom end.
    {
        const float a = m.EinlaßAufUnten.Winkel, p = m.EinlaßAufUnten.Weg;
        if (vor)
            u.Einlaßbeginn =
                a < 180 ? Ereignis(F(180.0 - a), VorUT, p) : Ereignis(F(a - 180.0), NachUT, p);
        else
            u.Einlaßbeginn =
                a <= 180 ? Ereignis(F(180.0 - a), NachUT, p) : Ereignis(F(a - 180.0), VorUT, p);
    }
    {
        const float a = m.EinlaßZuUnten.Winkel, p = m.EinlaßZuUnten.Weg;
        if (vor ? a <= 180 : a >= 180) {
            // Cut-off after top dead centre: admission through the whole stroke.
            u.Einlaßende = Ereignis(vor ? a : F(360.0 - a), NachOT, F(h - p));
            u.FüllungWeg = h;
        } else {
            u.Einlaßende = Ereignis(vor ? F(a - 180.0) : F(180.0 - a), NachUT, p);
            u.FüllungWeg = p;
        }
    }
    {
        const float a = m.AuslaßAufUnten.Winkel, p = m.AuslaßAufUnten.Weg;
        if (vor)
            u.Auslaßbeginn =
                a <= 180 ? Ereignis(a, NachOT, F(h - p)) : Ereignis(F(360.0 - a), VorOT, F(h - p));
        else
            u.Auslaßbeginn =
                a < 180 ? Ereignis(a, VorOT, F(h - p)) : Ereignis(F(360.0 - a), NachOT, F(h - p));
    }
    {
        const float a = m.AuslaßZuUnten.Winkel, p = m.AuslaßZuUnten.Weg;
        if (vor)
            u.Auslaßende =
                a < 180 ? Ereignis(F(180.0 - a), VorUT, p) : Ereignis(F(a - 180.0), NachUT, p);
        else
            u.Auslaßende =
                a <= 180 ? Ereignis(F(180.0 - a), NachUT, p) : Ereignis(F(a - 180.0), VorUT, p);
    }

    // Compression: travel with both ports of an end closed before its dead centre.
    if (o.Auslaßende.Bezug == NachOT)
        o.KompressionWeg = 0;
    else if (o.Einlaßbeginn.Bezug == VorOT)
        o.KompressionWeg = F(static_cast<double>(o.Auslaßende.Weg) - o.Einlaßbeginn.Weg);
    else
        o.KompressionWeg = o.Auslaßende.Weg;

    if (u.Auslaßende.Bezug == NachUT)
        u.KompressionWeg = 0;
    else if (u.Einlaßbeginn.Bezug == VorUT)
        u.KompressionWeg = F(static_cast<double>(m.AuslaßZuUnten.Weg) - m.EinlaßAufUnten.Weg);
    else
        u.KompressionWeg = m.AuslaßZuUnten.Weg;

    for (Steuerzeitergebnis* e : {&o, &u}) {
        e->Füllung = F(Teilen(e->FüllungWeg, h, "valve events (stroke is 0)"));
        e->Kompression = F(Teilen(e->KompressionWeg, h, "valve events (stroke is 0)"));
    }
}

} // namespace vapro
