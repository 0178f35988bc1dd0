#pragma once

namespace vexo {

// What shows the add-in's commands: the command bar "Ostrak Vexo" (classic hosts) and the
// ribbon tab "Ostrak Vexo" (Excel and Word 12 and later). The module keeps the enabled and
// visible states; a surface only shows them, and is told about each change.
class CommandSurface {
public:
    virtual ~CommandSurface() = default;
    // Command-bar button 0..5 (Speichern unter, Einfügen, Einstellungen, Logfile, InfoPath,
    // Info) changed its enabled or visible state.
    virtual void BarButtonChanged(int index) = 0;
    // Ribbon button `button` of group `group` changed its enabled state.
    virtual void RibbonButtonChanged(int group, int button) = 0;
};

}  // namespace vexo
