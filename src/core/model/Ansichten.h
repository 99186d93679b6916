#pragma once
// What a frame and a recomputation ask of the windows. The desktop program
// forwards these calls to its open windows; tests record them; the command
// line uses the silent defaults.

#include <cstdint>

namespace vapro {

// The analysis windows that add a step during a frame, in the order they are asked.
enum class Schrittfenster : uint8_t {
    SteuerHub,
    SteuerHubWeg,
    Diagramm,
    Steuerzeiten,
    Meßwerte,
    Betriebsparameter,
    Stein,             // die slip
    Steuerungsverlauf, // lever range and design checks
};

class Ansichten {
  public:
    virtual ~Ansichten() = default;

    // --- frame ---
    // Seconds of one revolution, measured between two passes through 0°.
    virtual void Umlaufzeit(double /*sekunden*/) {}
    virtual void SchrittMalen(Schrittfenster /*fenster*/) {}
    virtual void TabelleAusgeben() {}
    virtual void Ausgabe() {}
    virtual void BildZeichnen() {}
    virtual void DruckZeichnen() {}

    // --- recomputation ---
    virtual void DatenGeändert() {}
    // Rescales the engine picture; sets the model's picture frame.
    virtual void BildSkalieren() {}
    virtual void BildNeuzeichnen() {}
    virtual void DrehrichtungsbilanzZeigen(int16_t /*bilanz*/) {}
    virtual void DiagrammNeuzeichnen() {}

    // Monotonic clock in seconds for the revolution time.
    virtual double Sekunden() const;
};

} // namespace vapro
