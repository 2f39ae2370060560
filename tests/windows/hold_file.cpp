// Holds a file open as a spreadsheet holds the sheet it shows: others may read it, but nobody may
// write, replace or delete it meanwhile. Prints "held" once the file is open and lets it go when
// its standard input ends. Exit status 0, or 1 when the file could not be opened.
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <cstdio>

int main() {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (arguments == nullptr || count != 2) {
        std::fputs("usage: hold_file FILE\n", stderr);
        return 2;
    }
    const HANDLE file = CreateFileW(arguments[1], GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        std::fprintf(stderr, "cannot open the file: error %lu\n", GetLastError());
        return 1;
    }
    std::fputs("held\n", stdout);
    std::fflush(stdout);
    char buffer[64];
    DWORD read = 0;
    while (ReadFile(GetStdHandle(STD_INPUT_HANDLE), buffer, sizeof buffer, &read, nullptr) &&
           read > 0) {
    }
    CloseHandle(file);
    LocalFree(arguments);
    return 0;
}
