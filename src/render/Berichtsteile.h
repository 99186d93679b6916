#pragma once
// The parts of the design report after its title and inputs: each writes
// its headings, tables and pictures through the page layout. Each works on
// its own copy of the model.

#include <QSizeF>
#include <QString>

#include "core/model/Modell.h"
#include "core/persist/Einheiten.h"
#include "core/persist/Texte.h"
#include "render/Bericht.h"
#include "render/Berichtseiten.h"

namespace vapro::bericht {

// The text of German number `deutsch` in the current language.
QString T(const Sprache& s, int deutsch);
QString Q(const std::string& text);

struct Teil {
    Berichtsseiten& seiten;
    const Modell& m;
    const Sprache& s;
    const Berichtsangaben& a;
    Einheitennamen einheiten;
};

// The valve-events table at the current lever angle, forwards and backwards.
void Steuerzeiten(const Teil& t);
// Both valve-travel graphs, the valve-events graph and the steam diagram;
// gives the size the steam diagram was drawn at.
QSizeF Graphen(const Teil& t);
// The operating figures at the current speed, their mean pressure from a
// steam diagram of `diagramm` size.
void Betriebswerte(const Teil& t, QSizeF diagramm);
// Cut-off and lead of both ends over the lever's travel, every 5°.
void Hebelbereich(const Teil& t);

} // namespace vapro::bericht
