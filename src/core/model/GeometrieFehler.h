#pragma once
// Impossible geometry: thrown where the arithmetic of a computation fails
// (arc functions at |x| >= 1, roots of negatives, division by zero,
// 16-bit overflow). The model stays usable; the caller shows the message.

#include <stdexcept>
#include <string>

namespace vapro {

class GeometrieFehler : public std::runtime_error {
  public:
    explicit GeometrieFehler(const std::string& was) : std::runtime_error(was) {}
};

} // namespace vapro
