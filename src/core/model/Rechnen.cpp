#include "core/model/Rechnen.h"

namespace vapro {

void Überlauf(const char* was) {
    throw GeometrieFehler(std::string(was) + ": overflow");
}

void NegativeWurzel(const char* was) {
    throw GeometrieFehler(std::string(was) + ": square root of a negative number");
}

void DurchNull(const char* was) {
    throw GeometrieFehler(std::string(was) + ": division by zero");
}

} // namespace vapro
