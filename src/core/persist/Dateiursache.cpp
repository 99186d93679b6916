#include "core/persist/Dateiursache.h"

#include <cerrno>

namespace vapro {

namespace {

std::string_view Deutsch(const Sprache& s, int nummer) {
    return s.Text(nummer - SprachbasisDeutsch);
}

} // namespace

std::string Ursachentext(const Sprache& s, Ursache u, long stelle) {
    return Meldungstext(Deutsch(s, static_cast<int>(u)), {{"|1", std::to_string(stelle)}});
}

std::string Systemursache(const Sprache& s, std::error_code ec) {
    const std::error_condition c = ec.default_error_condition();
    if (c == std::errc::no_such_file_or_directory || c == std::errc::not_a_directory)
        return Ursachentext(s, Ursache::NichtGefunden);
    if (c == std::errc::permission_denied || c == std::errc::operation_not_permitted)
        return Ursachentext(s, Ursache::KeinZugriff);
    if (c == std::errc::no_space_on_device) return Ursachentext(s, Ursache::DatenträgerVoll);
#ifdef EDQUOT
    if (c == std::error_condition(EDQUOT, std::generic_category()))
        return Ursachentext(s, Ursache::DatenträgerVoll);
#endif
    if (c == std::errc::read_only_file_system)
        return Ursachentext(s, Ursache::NurLesbaresDateisystem);
    if (c == std::errc::filename_too_long) return Ursachentext(s, Ursache::NameZuLang);
    if (c == std::errc::is_a_directory) return Ursachentext(s, Ursache::KeineDatei);
    if (c == std::errc::file_too_large) return Ursachentext(s, Ursache::ZuGroß);
    return Meldungstext(Deutsch(s, 3026), {{"|1", ec.message()}});
}

std::error_code LetzterSystemfehler() {
    return {errno != 0 ? errno : EIO, std::generic_category()};
}

std::string Dateizeile(const Sprache& s, const std::filesystem::path& datei) {
    return Meldungstext(Deutsch(s, 3018), {{"|1", datei.string()}});
}

} // namespace vapro
