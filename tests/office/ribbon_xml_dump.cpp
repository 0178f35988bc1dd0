// Prints the ribbon tab's customUI XML, for the schema check.
#include <cstdio>

#include "ribbon_xml.h"

int main() {
    std::fputs(vexo::office::RibbonXml().c_str(), stdout);
    return 0;
}
