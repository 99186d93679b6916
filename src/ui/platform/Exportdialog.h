#pragma once
// What a window's "Export ..." entry does: asks for the file (and for a
// picture in pixels, its size), writes it and reports a failure in the
// current language. Pictures come from the window's painter, so the file
// shows what the window shows, at any size.

#include <QSize>
#include <QString>
#include <functional>
#include <string>

#include "render/Bildexport.h"
#include "ui/Kontext.h"

class QWidget;

namespace vapro {

// `bildschirm`: the window's size, offered for a PNG and used for SVG and
// PDF. `name`: the file name offered, without extension. True when written.
bool BildExportDialog(QWidget* eltern, Kontext& k, QSize bildschirm, const Maler& maler,
                      const QString& name);

// A table as CSV; `inhalt` gives the text when the file is chosen.
bool CsvExportDialog(QWidget* eltern, Kontext& k, const std::function<std::string()>& inhalt,
                     const QString& name);

// `name` in the folder of the current machine file, or on its own.
QString ExportVorschlag(const Kontext& k, const QString& name);

} // namespace vapro
