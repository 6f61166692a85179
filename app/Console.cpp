#include "app/Console.h"

#include <QString>
#include <cstdio>
#include <iostream>

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

StartingConsole::StartingConsole() {
    // Output already going to a file or a pipe keeps going there.
    if (GetStdHandle(STD_OUTPUT_HANDLE) == nullptr && AttachConsole(ATTACH_PARENT_PROCESS)) {
        std::freopen("CONOUT$", "w", stdout);
        std::freopen("CONOUT$", "w", stderr);
    }
    codePage_ = GetConsoleOutputCP();
    SetConsoleOutputCP(CP_UTF8);
}

StartingConsole::~StartingConsole() {
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    if (codePage_ != 0) {
        SetConsoleOutputCP(codePage_);
    }
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
StartingConsole::StartingConsole() = default;
StartingConsole::~StartingConsole() = default;

#endif

}  // namespace rdo
