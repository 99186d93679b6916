#pragma once
// The pictures of `vapro-cli render`, drawn by the same painters as the
// windows, headless. Each picture is one row of a table: its name on the
// command line and the painter that draws it; a picture whose painter is not
// there yet is named but refused.

#include <memory>
#include <span>
#include <string_view>

#include "cli/Aufruf.h"
#include "core/model/Modell.h"
#include "core/persist/Texte.h"
#include "render/Bildexport.h"

class QGuiApplication;

namespace vapro::cli {

struct Bildeintrag {
    std::string_view name;
    // The painter for the engine as the command line set it up, with the
    // words of the current language; nullptr while this picture cannot be
    // drawn yet.
    Maler (*maler)(const Modell& m, const Sprache& s);
};

std::span<const Bildeintrag> Bildtabelle();

// The Bildzeichner of vapro-cli: finds the picture, solves the engine at
// `auf.winkel`, writes the file by its extension (PNG, SVG, PDF).
void Bildausgabe(Modell& m, const Aufruf& auf, const Sprache& s);

// Painting needs a GUI application; the command line shows no window, so it
// makes one on the offscreen platform unless told otherwise. Nothing when
// there is one already.
std::unique_ptr<QGuiApplication> AnwendungSicherstellen();

} // namespace vapro::cli
