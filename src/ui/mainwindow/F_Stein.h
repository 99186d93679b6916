#pragma once
// The die-slip window: where the die block runs in the link over one
// revolution at the current lever angle, and the slip over the lever's whole
// travel. The curve is drawn anew when the engine, the lever, the step or
// the direction changed; every frame adds the crank's marker on top.

#include <QImage>
#include <cstdint>
#include <optional>

#include "core/analysis/Steinweg.h"
#include "core/model/Bewegung.h"
#include "render/Steinspringbild.h"
#include "ui/dialogs/Dialograhmen.h"

class QAction;
class QPainter;

namespace vapro {

class Bildfläche;

class F_Stein : public Dialograhmen {
  public:
    explicit F_Stein(Kontext& k, QWidget* eltern = nullptr);

    void WechselSprache() override;
    // The graph has no fields; it follows the engine at its next frame.
    void Einschreiben() override {}
    // A frame: the whole graph when the engine or the lever changed, then the marker.
    void SchrittMalen() override;
    // The whole graph for the current engine, lever and window size. A gear
    // that cannot turn at this lever angle shows why instead of a curve.
    void Neuzeichnen() override;

    const QImage& Bildpuffer() const;
    const Steinspringbild& Graph() const { return bild_; }
    // The curve drawn last; nothing without a link or when it cannot be computed.
    const std::optional<Steinweg>& Weg() const { return weg_; }
    int Neuzeichnungen() const { return neuzeichnungen_; }
    // "Export ...": the graph as a file, drawn anew at the size asked for.
    void M_Export_Click();

  protected:
    void FarbeGeändert() override { Neuzeichnen(); }

  private:
    void GraphZeichnen(QPainter& p, QSizeF fläche, Steinspringbild& bild) const;

    QAction* M_Export;
    Bildfläche* fläche_;
    Steinspringbild bild_;
    std::optional<Steinweg> weg_;
    // What the graph was drawn for: the engine and lever, and the range.
    std::optional<Ansichtsstand> stand_;
    std::optional<uint32_t> verlauf_;
    int neuzeichnungen_ = 0;
};

} // namespace vapro
