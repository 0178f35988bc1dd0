#pragma once

// The command bar "Ostrak Vexo" of hosts with classic menus and toolbars.
#include <array>
#include <functional>
#include <iterator>
#include <memory>

#include "com_types.h"
#include "event_sink.h"
#include "pictures.h"

namespace vexo::office {

inline constexpr wchar_t kBarName[] = L"Ostrak Vexo";

struct BarButtonSpec {
    const wchar_t* caption;
    bool begin_group;
    long style;  // MsoButtonStyle
    const wchar_t* tooltip;
    const wchar_t* description;
    const wchar_t* tag;
    Symbol symbol;
};

inline constexpr long msoButtonAutomatic = 0, msoButtonIcon = 1, msoButtonIconAndCaption = 3;

inline constexpr BarButtonSpec kBarButtons[] = {
    {L"Speichern unter...", false, msoButtonAutomatic,
     L"Speichert das Dokument mit der Rechnungsnummer als Dateinamen", L"",
     L"{B9D4909A-61F6-403E-AD81-20260B75EBE0}", Symbol::SaveDisk},
    {L"Einfügen...", true, msoButtonIconAndCaption, L"Nächste Rechnungsnummer einfügen",
     L"Fügt die nächste Rechnungsnummer ein", L"{93114B42-5C5B-48E6-B872-57D595FA655E}",
     Symbol::Hash},
    {L"Einstellungen...", true, msoButtonIcon, L"Formate und Einstellungen",
     L"Formate und Einstellungen", L"{E867CBA5-9521-4178-A3F2-8822A38B90C3}", Symbol::Gear},
    {L"Logfile...", false, msoButtonAutomatic, L"", L"", L"{2B219C74-857E-4427-B981-A19E00717CA7}",
     Symbol::Scroll},
    {L"InfoPath...", true, msoButtonAutomatic, L"InfoPath Einstellungen",
     L"XML-Einstellungen InfoPath", L"{36756B03-9AE2-4C31-987C-5BB2B70564DB}",
     Symbol::FolderDocument},
    {L"Info...", true, msoButtonIcon, L"Über Vexo Freeware 2007 Add-In", L"Infos",
     L"{556A503E-F87A-4646-B8AD-B93B6629BF1A}", Symbol::Info},
};
inline constexpr int kBarButtonTotal = static_cast<int>(std::size(kBarButtons));

class OfficeCommandBar {
public:
    using ClickHandler = std::function<void(int index)>;
    using StateOf = std::function<bool(int index)>;

    // Finds the bar of an earlier start (and its buttons by Tag) or adds what is missing,
    // applies every setting with the states given, and listens to each button's Click.
    OfficeCommandBar(IDispatch* application, const StateOf& enabled, const StateOf& visible,
                     ClickHandler on_click);
    ~OfficeCommandBar();  // stops listening; the bar stays in the host for the next start
    OfficeCommandBar(const OfficeCommandBar&) = delete;
    OfficeCommandBar& operator=(const OfficeCommandBar&) = delete;

    // Writes the button's Enabled and Visible where they differ from what was last written.
    void Show(int index, bool enabled, bool visible);
    // Removes the bar from the host (the user unloaded the add-in).
    void Delete();

private:
    ComPtr<IDispatch> bar_;
    std::array<ComPtr<IDispatch>, kBarButtonTotal> buttons_;
    std::array<std::unique_ptr<EventConnection>, kBarButtonTotal> clicks_;
    std::array<bool, kBarButtonTotal> enabled_{}, visible_{};  // as last written
    ClickHandler on_click_;
};

}  // namespace vexo::office
