#pragma once

// The shown flags of every window. Which windows are open belongs to the
// session, not to an engine: installing defaults, undoing a step and the
// start-up state all go through this one list.

#include <cstdint>

#include "core/model/Modell.h"

namespace vapro {

inline constexpr int16_t Modell::*Fensterflaggen[] = {
    &Modell::BildZeigen,
    &Modell::DiagrammZeigen,
    &Modell::TabelleZeigen,
    &Modell::SteinZeigen,
    &Modell::SteuerHubZeigen,
    &Modell::SteuerHubWegZeigen,
    &Modell::SteuerzeitenZeigen,
    &Modell::MeßwerteZeigen,
    &Modell::KurbeltriebZeigen,
    &Modell::UmsteuerungZeigen,
    &Modell::SchiekaZeigen,
    &Modell::SchieberZeigen,
    &Modell::BetriebsparameterZeigen,
    &Modell::DampftafelZeigen,
    &Modell::DampftafelUSZeigen,
    &Modell::EinstellungZeigen,
    &Modell::SteuerungsverlaufZeigen,
};

} // namespace vapro
