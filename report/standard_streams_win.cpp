#include "report/standard_streams.h"

#include "report/report_output.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>

namespace {

// Lines as Windows' editors and tools expect them in a file.
QString WithCrLf(const QString& text) {
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lines.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return lines;
}

// A console takes the characters themselves; a pipe or a file takes bytes in the console's code
// page, or in the system's when there is no console (932 on a Japanese Windows either way), with
// CR LF line ends, as the programs that read them (type, more, PowerShell, Notepad) expect. A
// stream in binary mode (standard output, UseBinaryStandardOutput) gets its CRs here; one in text
// mode from the C runtime.
bool WriteText(DWORD stream, FILE* file, const QString& consoleText, bool binary) {
    const HANDLE handle = GetStdHandle(stream);
    DWORD mode = 0;
    if (handle != INVALID_HANDLE_VALUE && handle != nullptr && GetConsoleMode(handle, &mode)) {
        DWORD written = 0;
        return WriteConsoleW(handle, reinterpret_cast<const wchar_t*>(consoleText.utf16()),
                             DWORD(consoleText.size()), &written, nullptr) &&
               written == DWORD(consoleText.size());
    }
    if (consoleText.isEmpty()) {
        return true;
    }
    const QString text = binary ? WithCrLf(consoleText) : consoleText;
    UINT codePage = GetConsoleOutputCP();
    if (codePage == 0) {
        codePage = GetACP();
    }
    const auto* wide = reinterpret_cast<LPCWCH>(text.utf16());
    const int n =
        WideCharToMultiByte(codePage, 0, wide, int(text.size()), nullptr, 0, nullptr, nullptr);
    QByteArray bytes(n, Qt::Uninitialized);
    WideCharToMultiByte(codePage, 0, wide, int(text.size()), bytes.data(), n, nullptr, nullptr);
    return std::fwrite(bytes.constData(), 1, size_t(n), file) == size_t(n) &&
           std::fflush(file) == 0;
}

}  // namespace

QStringList ProgramArguments(int /*argc*/, char** /*argv*/) {
    QStringList arguments;
    int count = 0;
    if (wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 1; i < count; ++i) {
            arguments << QString::fromWCharArray(words[i]);
        }
        LocalFree(words);
    }
    return arguments;
}

void UseBinaryStandardOutput() {
    _setmode(_fileno(stdout), _O_BINARY);
}

bool StandardOutputIsTerminal() {
    const HANDLE handle = GetStdHandle(STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    return handle != INVALID_HANDLE_VALUE && handle != nullptr && GetConsoleMode(handle, &mode);
}

QString WriteTextToStandardOutput(const QString& text) {
    return WriteText(STD_OUTPUT_HANDLE, stdout, text, true)
               ? QString()
               : QStringLiteral("標準出力に書けません");
}

void WriteTextToStandardError(const QString& text) {
    WriteText(STD_ERROR_HANDLE, stderr, text, false);
}

QByteArray TextFileBytes(const QString& text) {
    return WithCrLf(text).toUtf8();
}
