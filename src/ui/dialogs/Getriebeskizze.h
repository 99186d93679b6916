#pragma once
// A sketch of the valve gear beside the reversing-gear fields, so that a
// caption such as "Hängeeisen Länge" finds its part at a glance. The single
// eccentric, its rod, the valve rod and the valve are always drawn; the five
// parts only a link motion has (reverse eccentric and its rod, the link, the
// suspension link, the reversing lever on its shaft) only with a link.

#include <QWidget>

namespace vapro {

class Getriebeskizze : public QWidget {
  public:
    explicit Getriebeskizze(QWidget* eltern = nullptr);

    void KulisseZeigen(bool zeigen);
    bool KulisseGezeigt() const { return kulisse_; }

    QSize sizeHint() const override { return {150, 280}; }

  protected:
    void paintEvent(QPaintEvent* e) override;

  private:
    bool kulisse_ = true;
};

} // namespace vapro
