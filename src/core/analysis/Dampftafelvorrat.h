#pragma once
// The two steam tables of a program run, shared by the table windows and the
// operating figures so that each file is read once and in one way. A table
// is read when first asked for; a read that failed is repeated only when the
// caller asks for it (the user opening a table window again); so is a read
// the lookup could not use, in case the file was mended meanwhile.

#include <array>
#include <filesystem>
#include <optional>

#include "core/analysis/Dampftafel.h"

namespace vapro {

class Dampftafelvorrat {
  public:
    struct Eintrag {
        bool gelesen = false;
        // The grid as far as it was read, and why reading stopped early.
        DampftafelErgebnis ergebnis;
        // Why the lookup cannot use the table: the read failure, or the
        // first fault DampftafelPrüfen finds in a table that was read.
        std::optional<DampftafelFehler> suchfehler;
        // The failure of this read was shown to the user.
        bool gemeldet = false;

        // The table the lookup can use, or nullptr.
        const Dampftafel* FürSuche() const {
            return gelesen && !suchfehler ? &ergebnis.Tafel : nullptr;
        }
    };

    // The table of a kind from `ordner`, read now if it has not been read,
    // or if `erneut` is set and the lookup could not use the last read.
    Eintrag& Tafel(Dampftafelart art, const std::filesystem::path& ordner, bool erneut = false);

    // How many times a file was read, for tests.
    int Lesevorgänge() const { return lesevorgänge_; }

  private:
    std::array<Eintrag, 2> einträge_;
    int lesevorgänge_ = 0;
};

} // namespace vapro
