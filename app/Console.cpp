#include "app/Console.h"

#include <QString>
#include <cstdio>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#include <shellapi.h>
#endif

namespace rdo {

#ifdef Q_OS_WIN

std::vector<std::string> programArguments(int, char*[]) {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i) {
        arguments.push_back(QString::fromWCharArray(wide[i]).toStdString());
    }
    LocalFree(wide);
    return arguments;
}

void useStartingConsole() {
    // Output already going to a file or a pipe keeps going there.
    if (GetStdHandle(STD_OUTPUT_HANDLE) == nullptr && AttachConsole(ATTACH_PARENT_PROCESS)) {
        std::freopen("CONOUT$", "w", stdout);
        std::freopen("CONOUT$", "w", stderr);
    }
    SetConsoleOutputCP(CP_UTF8);
}

#else

std::vector<std::string> programArguments(int argc, char* argv[]) {
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) {
        arguments.push_back(QString::fromLocal8Bit(argv[i]).toStdString());
    }
    return arguments;
}

// A Linux program writes to the terminal it was started from, in its encoding, UTF-8.
void useStartingConsole() {}

#endif

}  // namespace rdo
