#include "core/model/Kinematik.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>

#include "core/model/Rechnen.h"

namespace vapro {

double ArcCosFür(double x, const char* was) {
    const double n = Wurzel(-x * x + 1.0, was);
    return std::atan(Teilen(-x, n, was)) + 2.0 * std::atan(1.0);
}

double ArcSinFür(double x, const char* was) {
    const double n = Wurzel(-x * x + 1.0, was);
    return std::atan(Teilen(x, n, was));
}

double ArcCos(double x) {
    return ArcCosFür(x, "ArcCos");
}
double ArcSin(double x) {
    return ArcSinFür(x, "ArcSin");
}

namespace {

// Sine and cosine of the crank and eccentric angles. Sweeps and the animation
// visit the same angles again and again (whole and quarter degrees), so the
// results are remembered by their exact argument: a hit returns the very
// numbers sincos gave, a miss computes them.
SinCos WinkelSinCos(double x) {
    struct Eintrag {
        double x = std::numeric_limits<double>::quiet_NaN();
        SinCos sc{0, 1};
    };
    constexpr int kBits = 15;
    thread_local std::array<Eintrag, 1u << kBits> tafel{};
    const uint64_t bits = std::bit_cast<uint64_t>(x);
    Eintrag& e = tafel[static_cast<size_t>((bits * 0x9E3779B97F4A7C15ull) >> (64 - kBits))];
    if (e.x != x) {
        e.sc = SinUndCos(x);
        e.x = x;
    }
    return e.sc;
}

// Stores a value whose size is bounded by construction (a length times a
// sine, an arc function's angle): it cannot leave the float range.
float Begrenzt(double v) {
    return static_cast<float>(v);
}

// Picture coordinates of a model point in the cylinder view and the valve-gear view.
float BildX(const Modell& m, double x) {
    return Einzel(x * m.Maßstab + m.XKw, "picture x");
}
float BildXSteuerung(const Modell& m, double x) {
    return Einzel(x * m.Maßstab + m.XSteuerung, "picture x");
}
float BildY(const Modell& m, double y) {
    return Einzel(static_cast<double>(m.BildHöhe) - m.YKwUnten - y * m.Maßstab, "picture y");
}

void Kurbeltrieb(Modell& m) {
    const SinCos phi = WinkelSinCos(Rad(450.0 - m.Winkel));
    m.KurbelX = Begrenzt(m.KWRadius * phi.cos);
    m.KurbelY = Begrenzt(m.KWRadius * phi.sin);
    const double pl = m.PLänge, kx = m.KurbelX;
    m.KreuzkopfY =
        Einzel(Wurzel(pl * pl - kx * kx, "connecting rod cannot reach the crank pin") + m.KurbelY,
               "crosshead");
    m.kwegmm = Einzel((static_cast<double>(m.KreuzkopfY) - m.PLänge) + m.KWRadius, "piston travel");
    m.kwegproz = Einzel(Teilen(m.kwegmm, m.Hub, "piston travel in percent (stroke is 0)") * 100.0,
                        "piston travel in percent");
}

void Exzenter(Modell& m, float voreilwinkel, float& x, float& y) {
    const SinCos psi = WinkelSinCos(Rad(450.0 - m.Winkel + voreilwinkel));
    x = Begrenzt(m.ExZentrizität * psi.cos);
    y = Begrenzt(m.ExZentrizität * psi.sin);
}

void HubExtreme(Modell& m) {
    if (m.HubMax < m.SteinY)
        m.HubMax = m.SteinY;
    else if (m.HubMin > m.SteinY)
        m.HubMin = m.SteinY;
    m.SchieHub = Einzel(static_cast<double>(m.HubMax) - m.HubMin, "valve travel");
}

void Stephenson(Modell& m) {
    auto& vorrat = m.Kinematikvorrat;
    if (!(vorrat.UmWinkel == m.UmWinkel)) {
        const SinCos u = SinUndCos(m.UmWinkel);
        vorrat.UmSin = u.sin;
        vorrat.UmCos = u.cos;
        vorrat.UmWinkel = m.UmWinkel;
    }
    // 5. reversing lever
    m.HebelX = Einzel(m.ummx - m.UmLänge * vorrat.UmSin, "reversing lever");
    m.HebelY = Einzel(m.ummy - m.UmLänge * vorrat.UmCos, "reversing lever");

    // 6./7. forward eccentric and the link pin it meets with the suspension link
    Exzenter(m, m.ExVorWinkel, m.ExVorX, m.ExVorY);
    {
        const char* was = "suspension link and forward eccentric rod cannot meet";
        const float dx = Einzel(static_cast<double>(m.HebelX) - m.ExVorX, was);
        const float dy = Einzel(static_cast<double>(m.HebelY) - m.ExVorY, was);
        const float d =
            Einzel(Wurzel(static_cast<double>(dy) * dy + static_cast<double>(dx) * dx, was), was);
        const float beta = Begrenzt(std::atan(Teilen(dx, dy, was)));
        const double he = m.HeLänge, st = m.ExStangenlängeV;
        const float c =
            Einzel(Teilen(he * he + static_cast<double>(d) * d - st * st, 2.0 * d * he, was), was);
        const float gamma = Begrenzt(ArcCosFür(c, was));
        const float theta = Begrenzt(Pi - gamma - beta);
        const SinCos t = SinUndCos(theta);
        m.BalkenVorX = Einzel(m.HebelX - he * t.sin, was);
        m.BalkenVorY = Einzel(m.HebelY + he * t.cos, was);
    }

    // 8./9. backward eccentric and its link pin, one chord length from the forward pin
    Exzenter(m, m.ExRückWinkel, m.ExRückX, m.ExRückY);
    float theta2;
    {
        const char* was = "backward eccentric rod cannot reach the link";
        const float dx = Einzel(static_cast<double>(m.ExRückX) - m.BalkenVorX, was);
        const float dy = Einzel(static_cast<double>(m.BalkenVorY) - m.ExRückY, was);
        const float d =
            Einzel(Wurzel(static_cast<double>(dy) * dy + static_cast<double>(dx) * dx, was), was);
        const float beta2 = Begrenzt(std::atan(Teilen(dx, dy, was)));
        const double ba = m.BaLänge, st = m.ExStangenlängeR;
        const float c2 =
            Einzel(Teilen(ba * ba + static_cast<double>(d) * d - st * st, 2.0 * d * ba, was), was);
        const float gamma2 = Begrenzt(ArcCosFür(c2, was));
        theta2 = Begrenzt(Pi / 2.0 - gamma2 - beta2);
        const SinCos t2 = SinUndCos(theta2);
        m.BalkenRückX = Einzel(m.BalkenVorX + ba * t2.cos, was);
        m.BalkenRückY = Einzel(m.BalkenVorY - ba * t2.sin, was);
    }

    // 10. the link arc through both pins
    {
        const char* was = "expansion link (chord too long for its radius)";
        const float ue = Einzel(Teilen(m.BaÜberstand, m.BaRadius, was), was);
        if (!(vorrat.BaLänge == m.BaLänge && vorrat.BaRadius == m.BaRadius)) {
            vorrat.Sigma =
                Einzel(2.0 * ArcSinFür(Teilen(m.BaLänge / 2.0, m.BaRadius, was), was), was);
            vorrat.BaLänge = m.BaLänge;
            vorrat.BaRadius = m.BaRadius;
        }
        const float sigma = vorrat.Sigma;
        const float mu = Einzel((Pi / 2.0 - theta2) - (Pi / 2.0 - sigma / 2.0), was);
        m.KulisseAnfang = Einzel((Pi / 2.0 - sigma) + mu - ue, was);
        m.KulisseEnde = Einzel(static_cast<double>(m.KulisseAnfang) + sigma + 2.0 * ue, was);
        const SinCos t3 = SinUndCos(mu);
        m.KulisseMitteX = Einzel(m.BalkenVorX + static_cast<double>(m.BaRadius) * t3.sin, was);
        m.KulisseMitteY = Einzel(m.BalkenVorY - static_cast<double>(m.BaRadius) * t3.cos, was);
    }

    // 11.-13. die block where the valve-rod line crosses the upper half of the arc
    {
        const char* was = "valve rod line misses the expansion link";
        const double r = m.BaRadius, ex = static_cast<double>(m.ussmx) - m.KulisseMitteX;
        m.SteinY = Einzel(m.KulisseMitteY + Wurzel(r * r - ex * ex, was), was);
        m.SchieberY = Einzel(static_cast<double>(m.SteinY) + m.SstLänge, "valve position");
        const float alpha = Begrenzt(ArcCosFür(Teilen(ex, r, was), was));
        m.SteinWinkel = Einzel(static_cast<double>(m.KulisseAnfang) - alpha, was);
    }

    // 14. running extremes
    if (m.UmWinkel != m.LetzterUmWinkel) {
        m.LetzterUmWinkel = m.UmWinkel;
        m.SteinMin = m.SteinMax = m.SteinWinkel;
        m.HubMax = m.HubMin = m.SteinY;
    }
    if (m.SteinWinkel < m.SteinMin)
        m.SteinMin = m.SteinWinkel;
    else if (m.SteinWinkel > m.SteinMax)
        m.SteinMax = m.SteinWinkel;
    const int16_t n = RundeGerade16(
        (static_cast<double>(m.SteinMax) - m.SteinMin) * m.BaRadius * 100.0, "die slip");
    m.Springen = Begrenzt(n / 100.0);
    HubExtreme(m);
}

void FesterExzenter(Modell& m) {
    Exzenter(m, m.ExVorWinkel, m.ExVorX, m.ExVorY);
    const char* was = "eccentric rod cannot reach the valve rod";
    const double st = m.ExStangenlängeV, ex = m.ExVorX;
    m.SteinY = Einzel(Wurzel(st * st - ex * ex, was) + m.ExVorY, was);
    m.SchieberY = Einzel(static_cast<double>(m.SteinY) + m.SstLänge, "valve position");
    if (m.UmWinkel != m.LetzterUmWinkel) {
        m.LetzterUmWinkel = m.UmWinkel;
        m.HubMax = m.HubMin = m.SteinY;
        m.SteinMin = m.SteinMax = m.SteinWinkel;
    }
    HubExtreme(m);
}

} // namespace

void KinematikOhneBild(Modell& m) {
    try {
        Kurbeltrieb(m);
        if (m.Umsteuertyp == 1)
            Stephenson(m);
        else
            FesterExzenter(m);
    } catch (const GeometrieFehler& e) {
        char winkel[32];
        std::snprintf(winkel, sizeof winkel, "%.2f", static_cast<double>(m.Winkel));
        throw GeometrieFehler(std::string(e.what()) + " at crank angle " + winkel + "°");
    }
}

void Bildpunkte(Modell& m) {
    m.KurbelXBild = BildX(m, m.KurbelX);
    m.KurbelYBild = BildY(m, m.KurbelY);
    m.KreuzkopfYBild = BildY(m, m.KreuzkopfY);
    m.KolbenYBild = Einzel(static_cast<double>(m.KreuzkopfYBild) - m.KsLänge * m.Maßstab, "piston");
    m.ExVorXBild = BildXSteuerung(m, m.ExVorX);
    m.ExVorYBild = BildY(m, m.ExVorY);
    m.ummxBild = BildXSteuerung(m, m.ummx);
    m.ummyBild = BildY(m, m.ummy);
    if (m.Umsteuertyp != 1) {
        m.SteinYBild = BildY(m, m.SteinY);
        m.StangeVorXBild = m.XSteuerung;
        m.StangeVorYBild = m.SteinYBild;
        return;
    }
    m.HebelXBild = BildXSteuerung(m, m.HebelX);
    m.HebelYBild = BildY(m, m.HebelY);
    m.ExRückXBild = BildXSteuerung(m, m.ExRückX);
    m.ExRückYBild = BildY(m, m.ExRückY);
    m.BalkenVorXBild = BildXSteuerung(m, m.BalkenVorX);
    m.BalkenVorYBild = BildY(m, m.BalkenVorY);
    m.BalkenRückXBild = BildXSteuerung(m, m.BalkenRückX);
    m.BalkenRückYBild = BildY(m, m.BalkenRückY);
    m.KulisseMitteXBild = BildXSteuerung(m, m.KulisseMitteX);
    m.KulisseMitteYBild = BildY(m, m.KulisseMitteY);
    m.SteinXBild = BildXSteuerung(m, m.ussmx);
    m.SteinYBild = BildY(m, m.SteinY);
    m.StangeVorXBild = m.BalkenVorXBild;
    m.StangeVorYBild = m.BalkenVorYBild;
}

void Kinematik(Modell& m) {
    KinematikOhneBild(m);
    Bildpunkte(m);
}

} // namespace vapro
