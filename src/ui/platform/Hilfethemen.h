#pragma once
// Context numbers of the help topics. Every number here has a topic in both
// help files (Vapro15.hlp and Vapro15e.hlp); a test keeps it that way.

#include <array>

namespace vapro::HilfeKontext {

// Windows
inline constexpr int Hauptfenster = 1000;
inline constexpr int Einführung = 3000;
inline constexpr int Kurbeltrieb = 2050;
inline constexpr int Umsteuerung = 2100;
inline constexpr int Schieberkasten = 2150;
inline constexpr int Schieber = 2200;
inline constexpr int Bild = 3500;
inline constexpr int BildKonfiguration = 3510;
inline constexpr int SteuerHub = 3800;     // valve travel over crank angle
inline constexpr int SteuerHubMenü = 4010; // its settings window
inline constexpr int SteuerHubWeg = 4000;  // valve travel over piston travel
inline constexpr int Steuerzeiten = 4100;  // valve-events graph
inline constexpr int Tabelle = 4200;       // motion table
inline constexpr int Meßwerte = 4300;      // valve-events table
inline constexpr int Diagramm = 4500;      // steam diagram
inline constexpr int Konstruktionsprüfung = 4600;
inline constexpr int Einstellung = 4610;       // automatic setting of the valve gear
inline constexpr int Steinspringen = 4620;     // die-slip graph
inline constexpr int Steuerungsverlauf = 4630; // lever range
inline constexpr int Betriebsparameter = 5000;
inline constexpr int Dampftafel = 5020;
inline constexpr int DampftafelUS = 6000;

// Controls of the main window (right button or direct help)
inline constexpr int Knopf_Start_Stop = 1001;
inline constexpr int Knopf_Vor = 1002;
inline constexpr int Knopf_Zurück = 1003;
inline constexpr int K_NullGrad = 1004;
inline constexpr int Slider_Zeit = 1005;
inline constexpr int Slider_Winkel = 1006;
inline constexpr int Slider_UmWinkel = 1007;
inline constexpr int T_Dateiname = 1008;
inline constexpr int T_KLproz = 1009;
inline constexpr int T_kwegmm = 1010;
inline constexpr int T_Winkel = 1011;
inline constexpr int T_Springen = 1012;
inline constexpr int T_Schieberhub = 1013;
inline constexpr int T_Zeit = 1014;
inline constexpr int T_Direkthilfe = 1015;
inline constexpr int T_Drehung = 1016;

inline constexpr std::array Alle = {Hauptfenster,
                                    Einführung,
                                    Kurbeltrieb,
                                    Umsteuerung,
                                    Schieberkasten,
                                    Schieber,
                                    Bild,
                                    BildKonfiguration,
                                    SteuerHub,
                                    SteuerHubMenü,
                                    SteuerHubWeg,
                                    Steuerzeiten,
                                    Tabelle,
                                    Meßwerte,
                                    Diagramm,
                                    Betriebsparameter,
                                    Dampftafel,
                                    DampftafelUS,
                                    Knopf_Start_Stop,
                                    Knopf_Vor,
                                    Knopf_Zurück,
                                    K_NullGrad,
                                    Slider_Zeit,
                                    Slider_Winkel,
                                    Slider_UmWinkel,
                                    T_Dateiname,
                                    T_KLproz,
                                    T_kwegmm,
                                    T_Winkel,
                                    T_Springen,
                                    T_Schieberhub,
                                    T_Zeit,
                                    T_Direkthilfe,
                                    T_Drehung,
                                    Einstellung,
                                    Konstruktionsprüfung,
                                    Steuerungsverlauf,
                                    Steinspringen};

} // namespace vapro::HilfeKontext
