// A short session of Vexo.dll in the fake Word host: connect, click "Einfügen" twice (the
// second time after the 500 ms re-arm), then show the document and the issue log.
#include <cstdio>
#include <string>

#include "dll_fixture.h"
#include "fake_office.h"
#include "files.h"
#include "issue_log.h"
#include "settings.h"

using vexo::fake::FakeOffice;

namespace {

void Say(const std::string& text) {
    std::printf("%s\n", text.c_str());
    std::fflush(stdout);
}

}  // namespace

int main() {
    vexo::fake::ComApartment apartment;
    vexo::fake::ResetDataFolder();
    // "RE-", year and month with a dash, "/", four digits, counter 17.
    vexo::files::ReplaceAtomically(vexo::SettingsPath(),
                                   "[Optionen]\r\nTextBefore=\"RE-\"\r\nPrefix=3\r\nSep=2\r\n"
                                   "TextAfter=\"/\"\r\nPadding=3\r\n[Zaehler]\r\nCounter=17\r\n");

    FakeOffice word(FakeOffice::Kind::Word, "11.0");
    word.Open("Rechnung an Muster GmbH");
    word.active().text = "Rechnung Nr. ";
    if (FAILED(word.LoadAddin(L"Vexo.VexoClass"))) {
        Say("Vexo.dll did not connect");
        return 1;
    }
    std::string bar;
    for (auto& button : word.Controls(L"Ostrak Vexo"))
        if (button->Stored(L"Visible").ToBool("Visible"))
            bar += "[" + button->Stored(L"Caption").ToText("Caption") + "] ";
    Say("Word 11.0 connected Vexo; command bar \"Ostrak Vexo\": " + bar);

    Say("click \"Einfügen...\"");
    word.Click(L"Ostrak Vexo", 1);
    Say("click \"Einfügen...\" again at once: ignored until the re-arm");
    word.Click(L"Ostrak Vexo", 1);
    vexo::fake::PumpMessages(600);
    word.active().text += ", Gutschrift Nr. ";
    Say("600 ms later, click \"Einfügen...\"");
    word.Click(L"Ostrak Vexo", 1);

    Say("\ndocument text: " + word.active().text);
    Say("document property VexoCounter: " + word.active().properties["VexoCounter"].value);
    Say("\n" + vexo::LogPath() + ":");
    std::string log = vexo::FromAnsi(vexo::files::ReadAll(vexo::LogPath()).value_or(""));
    std::printf("%s", log.c_str());
    word.DisconnectAddin();
    return 0;
}
