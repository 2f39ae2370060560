#include "platform/wine_keyboard.h"

#include <windows.h>

#include <string>

void LetWineGiveTheKeyboardToTheWindows() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    if (ntdll == nullptr || GetProcAddress(ntdll, "wine_get_version") == nullptr) {
        return;
    }
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length == MAX_PATH) {
        return;
    }
    std::wstring program(path, length);
    program = program.substr(program.find_last_of(L"\\/") + 1);
    // Wine reads its per-program options when the first window is made, so this run has them.
    const std::wstring key = L"Software\\Wine\\AppDefaults\\" + program + L"\\X11 Driver";
    HKEY options = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0,
                        KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &options,
                        nullptr) != ERROR_SUCCESS) {
        return;
    }
    if (RegQueryValueExW(options, L"Managed", nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS) {
        const wchar_t no[] = L"N";
        RegSetValueExW(options, L"Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>(no),
                       sizeof no);
    }
    RegCloseKey(options);
}
