#pragma once
// The die-slip window: a place for a graph of the die's movement in the link.

#include <QWidget>
#include <functional>

#include "ui/Kontext.h"

class QLabel;

namespace vapro {

class F_Stein : public QWidget {
  public:
    explicit F_Stein(Kontext& k, QWidget* eltern = nullptr);
    void WechselSprache();

    std::function<void()> beimSchließen;

  protected:
    void closeEvent(QCloseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

  private:
    Kontext& k;
    QLabel* T_Hinweis;
};

} // namespace vapro
