#pragma once
// The valve-events table: where each valve edge crosses its port edge over a
// revolution (left), and what that means for both cylinder ends (right).
// Follows the running engine, searching the valve events again only when
// the engine, the angle step, the lever or the direction changed.

#include <array>
#include <optional>

#include "core/model/Bewegung.h"
#include "ui/dialogs/Dialograhmen.h"

class QLabel;
class QTableWidget;

namespace vapro {

class F_SteuerzeitenTabelle : public Dialograhmen {
  public:
    explicit F_SteuerzeitenTabelle(Kontext& k, QWidget* eltern = nullptr);

    // Captions, then a refill.
    void WechselSprache() override;
    // On opening, after a load or a change of unit: captions and a refill.
    void Einschreiben() override;
    void MZ() override;
    // A refill when the valve events may have moved since the last one.
    void SchrittMalen() override;

    // Every caption and fixed cell in the current language.
    void Beschriftung();
    // Valve-event search and evaluation, then every value cell. A solver
    // failure shows "---" in every value cell.
    void TabelleFüllen();

    QTableWidget* G_Meß;
    std::array<QLabel*, 2> Ü_1{};
    QLabel *T_Überschrift, *T_Hinweis1;

  private:
    void Zelle(int zeile, int spalte, const QString& text);
    void GrößeAnpassen();

    // The engine the table was last filled for, found or not.
    std::optional<Ansichtsstand> stand_;
};

} // namespace vapro
