#include "core/analysis/Steuerzeiten.h"

#include <array>

#include "core/model/Bewegung.h"
#include "core/model/Kinematik.h"
#include "core/model/Rechnen.h"
#include "core/model/Schieberkanten.h"

namespace vapro {

namespace {

struct Kanten {
    float untenAußen, untenInnen, obenInnen, obenAußen;
};

Kanten KantenJetzt(const Modell& m) {
    return {KanteUntenAußen(m), KanteUntenInnen(m), KanteObenInnen(m), KanteObenAußen(m)};
}

void Merken(Steuerzeit& z, float winkel, float weg) {
    z.Winkel = winkel;
    z.Weg = weg;
}

} // namespace

void SteuerzeitenSuchen(Modell& m) {
    m.Steuerzeitensuche.gesucht = false;
    for (Steuerzeit* z : {&m.EinlaßAufOben, &m.EinlaßZuOben, &m.AuslaßAufOben, &m.AuslaßZuOben,
                          &m.EinlaßAufUnten, &m.EinlaßZuUnten, &m.AuslaßAufUnten, &m.AuslaßZuUnten})
        z->Winkel = -1.0f;

    WinkelMerker merker(m);
    const bool vor = m.Drehrichtung;
    const float start = vor ? 0.0f : 360.0f;
    const float schritt = vor ? 0.25f : -0.25f;
    m.Winkel = vor ? 359.99f : 0.01f;
    KinematikOhneBild(m);
    Kanten alt = KantenJetzt(m);

    for (int i = 0; i <= 1440; ++i) {
        const float w = start + schritt * static_cast<float>(i);
        m.Winkel = w;
        KinematikOhneBild(m);
        const float p = m.kwegmm;
        const Kanten neu = KantenJetzt(m);

        float e = m.KaKanteUU;
        if (alt.untenAußen <= e && neu.untenAußen > e) Merken(m.EinlaßAufUnten, w, p);
        if (alt.untenAußen >= e && neu.untenAußen <= e) Merken(m.EinlaßZuUnten, w, p);
        e = m.KaKanteUO;
        if (alt.untenInnen >= e && neu.untenInnen < e) Merken(m.AuslaßAufUnten, w, p);
        if (alt.untenInnen <= e && neu.untenInnen >= e) Merken(m.AuslaßZuUnten, w, p);
        e = m.KaKanteOU;
        if (alt.obenInnen <= e && neu.obenInnen > e) Merken(m.AuslaßAufOben, w, p);
        if (alt.obenInnen >= e && neu.obenInnen <= e) Merken(m.AuslaßZuOben, w, p);
        e = m.KaKanteOO;
        if (alt.obenAußen >= e && neu.obenAußen < e) Merken(m.EinlaßAufOben, w, p);
        if (alt.obenAußen <= e && neu.obenAußen >= e) Merken(m.EinlaßZuOben, w, p);
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
