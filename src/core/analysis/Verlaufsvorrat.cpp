#include "core/analysis/Verlaufsvorrat.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "core/model/Bewegung.h"
#include "core/model/Verlauf.h"

namespace vapro {

double Fensterschritt(const Modell& m) {
    const double spanne = std::fabs(static_cast<double>(m.UmMax) - m.UmMin);
    if (!std::isfinite(spanne)) return 1.0; // the range refuses such a lever anyway
    return std::max(spanne / 90.0, 0.25);
}

Verlaufsvorrat::Verlaufsvorrat() = default;
Verlaufsvorrat::~Verlaufsvorrat() = default;

const Steuerungsverlauf& Verlaufsvorrat::Für(const Modell& m) {
    if (maschine_ && m.Änderungen == änderungen_) return verlauf_;
    änderungen_ = m.Änderungen;
    if (maschine_ && GleicheMaschine(*maschine_, m)) return verlauf_;
    maschine_ = std::make_unique<Modell>(m);
    ++berechnungen_;
    fehler_.clear();
    try {
        // The port-face levels of the engine as it stands now.
        SpiegelBerechnen(*maschine_);
        verlauf_ = SteuerungsverlaufBerechnen(*maschine_, Fensterschritt(m));
    } catch (const std::exception& e) {
        verlauf_ = Steuerungsverlauf{};
        fehler_ = e.what();
    }
    return verlauf_;
}

} // namespace vapro
