#include "cli/Bildzeichner.h"

#include <utility>

namespace vapro::cli {

namespace {

Bildzeichner& Installiert() {
    static Bildzeichner zeichner;
    return zeichner;
}

Berichtzeichner& BerichtInstalliert() {
    static Berichtzeichner zeichner;
    return zeichner;
}

} // namespace

void BildzeichnerSetzen(Bildzeichner zeichner) {
    Installiert() = std::move(zeichner);
}

void BildZeichnen(Modell& m, const Aufruf& auf, const Sprache& s) {
    if (!Installiert())
        throw Bedienfehler("render: this vapro-cli was built without the drawing library");
    Installiert()(m, auf, s);
}

void BerichtzeichnerSetzen(Berichtzeichner zeichner) {
    BerichtInstalliert() = std::move(zeichner);
}

void BerichtZeichnen(Modell& m, const Aufruf& auf, const Sprache& s) {
    if (!BerichtInstalliert())
        throw Bedienfehler("report: this vapro-cli was built without the drawing library");
    BerichtInstalliert()(m, auf, s);
}

} // namespace vapro::cli
