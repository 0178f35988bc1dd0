// How long Vexo.dll takes from OnConnection to a command surface the user can click: the
// command bar in Office 2003 hosts, the ribbon (GetCustomUI and onLoad) in Office 2007 ones.
// Usage: connect_bench [CONNECTIONS]; prints the median per host.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "dll_fixture.h"
#include "fake_office.h"

using vexo::fake::FakeOffice;

namespace {

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

void Measure(FakeOffice::Kind kind, const char* version, const char* label, int runs) {
    FakeOffice office(kind, version);
    office.Open("Dokument1");
    CLSID clsid;
    CLSIDFromProgID(L"Vexo.VexoClass", &clsid);
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        vexo::office::ComPtr<IUnknown> addin;
        if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                    reinterpret_cast<void**>(addin.Put())))) {
            std::fprintf(stderr, "Vexo.VexoClass cannot be created\n");
            std::exit(1);
        }
        LARGE_INTEGER start, ready;
        QueryPerformanceCounter(&start);
        HRESULT hr = office.ConnectAddin(addin.Get());
        QueryPerformanceCounter(&ready);
        if (FAILED(hr)) {
            std::fprintf(stderr, "connection failed: 0x%08lX\n", static_cast<unsigned long>(hr));
            std::exit(1);
        }
        times.push_back(Milliseconds(start, ready));
        office.DisconnectAddin();
    }
    double first = times.front();
    std::sort(times.begin(), times.end());
    std::printf("%-32s median %6.2f ms over %d connections (first: %.2f ms)\n", label,
                times[times.size() / 2], runs, first);
}

}  // namespace

int main(int argc, char** argv) {
    int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 101;
    vexo::fake::ComApartment apartment;
    vexo::fake::ResetDataFolder();
    Measure(FakeOffice::Kind::Word, "11.0", "Word 11.0 (command bar)", runs);
    Measure(FakeOffice::Kind::Excel, "11.0", "Excel 11.0 (command bar)", runs);
    Measure(FakeOffice::Kind::Word, "12.0", "Word 12.0 (ribbon)", runs);
    Measure(FakeOffice::Kind::Excel, "12.0", "Excel 12.0 (ribbon)", runs);
    Measure(FakeOffice::Kind::InfoPath, "12.0", "InfoPath 12.0 (command bar)", runs);
    return 0;
}
