#pragma once
// The valve-events graph window: a backing image the graph is drawn into,
// redrawn whenever the engine it shows changed, and red markers added at
// every step once the crank has passed 0° after a redraw.

#include <QImage>
#include <QPointF>
#include <optional>

#include "core/model/Bewegung.h"
#include "render/Steuerzeitenbild.h"
#include "ui/dialogs/Dialograhmen.h"

namespace vapro {

class F_Steuerzeiten : public Dialograhmen {
  public:
    explicit F_Steuerzeiten(Kontext& k, QWidget* eltern = nullptr);

    void WechselSprache() override;
    // On opening, after a load or a change of unit: the graph of this engine.
    void Einschreiben() override;
    // A redraw when the engine changed since the last one, then the markers.
    void SchrittMalen() override;
    // The whole graph with a new valve-event search. A failure of the solver
    // leaves an empty graph and no markers until the engine changes.
    void Neuzeichnen() override;
    // The markers at the engine's current position.
    void Zeichnen();

    const QImage& Bildpuffer() const { return puffer_; }
    const Steuerzeitenbild& Bild() const { return bild_; }
    // Markers wait for the crank to pass 0° after a redraw.
    bool Gesperrt() const { return gesperrt_; }

  protected:
    void FarbeGeändert() override { Neuzeichnen(); }
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

  private:
    void PufferAnpassen();

    Steuerzeitenbild bild_;
    QImage puffer_;
    // The engine the graph was last drawn for, drawn or not.
    std::optional<Ansichtsstand> stand_;
    bool gezeichnet_ = false, gesperrt_ = true, ersterPunkt_ = true;
    QPointF letzterPunkt_;
};

} // namespace vapro
