#include "ribbon_xml.h"

namespace vexo::office {
namespace {

struct GroupSpec {
    const char* id;
    const char* label;
    const char* keytip;  // nullptr: none, and no tips either
    const char* box_id;
    const char* box_style;
};

constexpr GroupSpec kGroups[] = {
    {"adxRibbonGroup956286B942D84877B8F8FEBCA283CDFE", "Speichern", nullptr,
     "adxRibbonBox16151BE9E67D4C18B4074EDED8D8FB7C", "horizontal"},
    {"adxRibbonGroupA9562C67B34747559596C46FE68F385A", "Rechnungsnummer", "R",
     "adxRibbonBox0F674408DB4F4B3A8975229C9AD1F198", "vertical"},
};

std::string Narrow(std::wstring_view ascii) {
    return std::string(ascii.begin(), ascii.end());
}

std::string Escaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default: out += c;
        }
    }
    return out;
}

// Office refuses the whole customization for one empty attribute: values are never empty.
void Attribute(std::string& xml, const char* name, std::string_view value) {
    xml += ' ';
    xml += name;
    xml += "=\"" + Escaped(value) + '"';
}

}  // namespace

bool IsVexoRibbon(std::wstring_view ribbon_id) {
    return ribbon_id == L"Microsoft.Excel.Workbook" || ribbon_id == L"Microsoft.Word.Document";
}

std::string RibbonXml() {
    std::string xml = "<customUI xmlns=\"http://schemas.microsoft.com/office/2006/01/customui\"";
    Attribute(xml, "onLoad", Narrow(kOnLoad));
    Attribute(xml, "loadImage", Narrow(kLoadImage));
    xml += "><ribbon><tabs><tab";
    Attribute(xml, "id", "adxRibbonTabA48D29DA270E4F32A05C6C7014E3EBD2");
    Attribute(xml, "label", "Ostrak Vexo");
    xml += '>';
    for (int g = 0; g < 2; ++g) {
        const GroupSpec& group = kGroups[g];
        xml += "<group";
        Attribute(xml, "id", group.id);
        Attribute(xml, "label", group.label);
        if (group.keytip) {
            Attribute(xml, "keytip", group.keytip);
            Attribute(xml, "screentip", "ScreenTip");
            Attribute(xml, "supertip", "SuperTip");
        }
        xml += "><box";
        Attribute(xml, "id", group.box_id);
        Attribute(xml, "boxStyle", group.box_style);
        xml += '>';
        for (const RibbonButtonSpec& b : kRibbonButtons) {
            if (b.group != g) continue;
            xml += "<button";
            Attribute(xml, "id", b.id);
            Attribute(xml, "label", b.label);
            Attribute(xml, "size", b.large ? "large" : "normal");
            Attribute(xml, "keytip", b.keytip);
            Attribute(xml, "screentip", b.screentip);
            Attribute(xml, "supertip", b.supertip);
            Attribute(xml, "description", b.supertip);
            Attribute(xml, "image", b.image);
            Attribute(xml, "getEnabled", Narrow(kGetEnabled));
            Attribute(xml, "onAction", Narrow(kOnAction));
            xml += "/>";
        }
        xml += "</box></group>";
    }
    xml += "</tab></tabs></ribbon></customUI>";
    return xml;
}

const RibbonButtonSpec* FindRibbonButton(std::string_view id) {
    for (const RibbonButtonSpec& b : kRibbonButtons)
        if (id == b.id) return &b;
    return nullptr;
}

const RibbonButtonSpec* FindRibbonButton(int group, int button) {
    for (const RibbonButtonSpec& b : kRibbonButtons)
        if (b.group == group && b.button == button) return &b;
    return nullptr;
}

}  // namespace vexo::office
