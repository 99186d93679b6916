#pragma once
// What every window works with: the one model and the program's services.
// Created once by the application and passed by reference.

#include <QLocale>
#include <QString>
#include <string_view>

#include "core/analysis/Dampftafelvorrat.h"
#include "core/analysis/Verlaufsvorrat.h"
#include "core/model/Ansichten.h"
#include "core/model/Modell.h"
#include "core/persist/Einheiten.h"
#include "core/persist/Einstellungsspeicher.h"
#include "core/persist/Programmzustand.h"
#include "core/persist/Texte.h"
#include "ui/platform/Plattform.h"

namespace vapro {

struct Kontext {
    Modell& m;
    Sprache& sprache;
    Einheitennamen& einheiten;
    Einstellungsspeicher& speicher;
    Plattform& plattform;
    Programmzustand& zustand;
    // The windows' side of a frame and a recomputation; set by the main window.
    Ansichten* ansichten = nullptr;
    // The steam tables, read once for every window that shows or looks them up.
    Dampftafelvorrat dampftafeln{};
    // The lever range of the engine, for every window that shows it.
    Verlaufsvorrat verläufe{};

    // Text k (German number - 1000) of the current language.
    QString T(int k) const {
        return QString::fromUtf8(sprache.Text(k).data(),
                                 static_cast<qsizetype>(sprache.Text(k).size()));
    }
};

// The user's decimal separator, for read-outs and edit fields.
// A separator outside ASCII cannot be typed through the fields' filter; '.' then.
inline char Dezimalzeichen() {
    const QString punkt = QLocale::system().decimalPoint();
    if (punkt.size() == 1 && punkt[0].unicode() < 128) return static_cast<char>(punkt[0].unicode());
    return '.';
}

// A menu text without its keyboard mnemonic ("&Datei" -> "Datei", "&&" -> "&"),
// for captions that are not menu entries.
inline QString OhneKürzel(QString text) {
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i] == '&') text.remove(i, 1); // the character after it stays
    return text;
}

// UTF-8 text of the core as QString.
inline QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace vapro
