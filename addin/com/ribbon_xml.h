#pragma once

// The ribbon tab "Ostrak Vexo" as customUI XML. Portable, so that the XML can be checked
// against Office's schema on any build machine.
#include <string>
#include <string_view>

namespace vexo::office {

struct RibbonButtonSpec {
    int group;
    int button;  // position in its group's box
    const char* id;
    const char* label;
    bool large;
    const char* keytip;
    const char* screentip;
    const char* supertip;  // also the description
    const char* image;     // name that loadImage receives
};

inline constexpr RibbonButtonSpec kRibbonButtons[] = {
    {0, 0, "adxRibbonButton8C5B153EB84E4FAEBFBB83923A01C3FA", "Speichern", true, "S",
     "Speichern unter...", "Speichert das Dokument mit der Rechnungsnummer im Dateinamen",
     "vexoSave32"},
    {1, 0, "adxRibbonButtonCEE2D128D81940E9B970ABAB598A8918", "Einfügen", true, "E",
     "Neue Rechnungsnummer einfügen", "Fügt eine Rechnungsnummer ein", "vexoInsert32"},
    {1, 1, "adxRibbonButton5739DE94ECA44E339E3B52E1828F22BA", "Einstellungen", false, "O",
     "Einstellungen", "Ändert die Einstellungen des Add-Ins wie etwa das Zählerformat",
     "vexoOptions16"},
    {1, 2, "adxRibbonButton912EEF6A0575407D8EE0444D2D4176E3", "Logfile", false, "L",
     "Logfile anzeigen", "Zeigt das Logfile der Rechnungsnummernvergabe", "vexoLogfile16"},
    {1, 3, "adxRibbonButton1C70D627216B485AAEB9CD77099F8D1E", "Über Vexo", false, "I", "Info",
     "Zeigt Informationen über das Vexo Add-In an", "vexoInfo16"},
};

// Names of the callbacks in the XML; Office calls them by name through IDispatch.
inline constexpr wchar_t kOnLoad[] = L"OnRibbonLoad";
inline constexpr wchar_t kLoadImage[] = L"LoadRibbonImage";
inline constexpr wchar_t kGetEnabled[] = L"GetRibbonEnabled";
inline constexpr wchar_t kOnAction[] = L"OnRibbonAction";

// The ribbons that show the tab.
bool IsVexoRibbon(std::wstring_view ribbon_id);

// The customUI document (UTF-8) of the tab.
std::string RibbonXml();

// The button with control id `id`; nullptr when there is none.
const RibbonButtonSpec* FindRibbonButton(std::string_view id);
const RibbonButtonSpec* FindRibbonButton(int group, int button);

}  // namespace vexo::office
