#pragma once
// Colours of the model (red + 256 green + 65536 blue) as Qt colours and back.

#include <QColor>
#include <cstdint>

namespace vapro {

inline QColor AlsQColor(uint32_t farbe) {
    return QColor(static_cast<int>(farbe & 0xFF), static_cast<int>((farbe >> 8) & 0xFF),
                  static_cast<int>((farbe >> 16) & 0xFF));
}

inline uint32_t AlsFarbe(const QColor& c) {
    return static_cast<uint32_t>(c.red()) | (static_cast<uint32_t>(c.green()) << 8) |
           (static_cast<uint32_t>(c.blue()) << 16);
}

} // namespace vapro
