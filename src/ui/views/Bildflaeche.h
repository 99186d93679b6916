#pragma once
// A widget that shows a kept image: the drawing surface of a graph window
// that adds markers step by step. The image has one pixel per device pixel
// and is drawn in logical units; the owner draws into it and is told when a
// new size wants a new drawing. Mouse presses it does not use go on to the
// window (the pop-up menu).

#include <QImage>
#include <QWidget>
#include <functional>

namespace vapro {

class Bildfläche : public QWidget {
  public:
    explicit Bildfläche(QWidget* eltern = nullptr);

    // Fits the image to the widget's size and pixel ratio; true when it is
    // new (and holds nothing yet). An empty widget has a null image.
    bool PufferAnpassen();
    QImage& Puffer() { return puffer_; }
    const QImage& Puffer() const { return puffer_; }
    // The area to draw, in logical units.
    QSizeF Fläche() const { return QSizeF(size()); }

    // Called after the widget got a new size or pixel ratio.
    std::function<void()> beiNeuerGröße;

  protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;

  private:
    QImage puffer_;
    bool bildschirmVerbunden_ = false;
};

} // namespace vapro
