// Runs for a minute doing nothing; copied as EXCEL.EXE it stands in for a running Office host.
#include <windows.h>

int main() {
    Sleep(60000);
    return 0;
}
