// ferrymate: the program. Parses the few options, sets up the application
// and shows the main window.

#include "ferrymate/link/message_pump.h"
#include "ferrymate/link/port_names.h"
#include "ferrymate/platform/settings_store.h"
#include "ferrymate/window/form_font.h"
#include "ferrymate/window/main_frm.h"
#include "ferrymate/window/prompt.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr const char* kHelp = R"HELP(Usage: ferrymate [--port COMn=DEVICE]... [--connect]
Ferrymate, the PC side of the Pocketforge cartridge: a PC folder on the left,
a cartridge area on the right, connected over a serial line.

  --port COMn=DEVICE  use DEVICE (for example /dev/ttyUSB0 or a pseudo-
                      terminal) for COMn during this run only.
  --connect           connect as soon as the window is shown, as the menu
                      entry "接続(&C)" does.
  --help, --version   show this text or the version and exit.

Settings (window placement, folder, port and speed, and which device each of
COM1..COM5 stands for) are kept in $XDG_CONFIG_HOME/Orvane/Ferrymate.conf
(default ~/.config/Orvane/Ferrymate.conf). The protocol log keeps the newest
2,000,000 characters: when more arrive, the oldest lines are dropped whole.
)HELP";

struct Options {
    std::vector<std::pair<std::string, std::string>> ports;
    bool connect = false;
    bool help = false;
    bool version = false;
};

bool parseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--help")
            options.help = true;
        else if (argument == "--connect")
            options.connect = true;
        else if (argument == "--version")
            options.version = true;
        else if (argument == "--port" && i + 1 < argc) {
            const std::string value = argv[++i];
            const std::size_t equals = value.find('=');
            if (equals == std::string::npos)
                return false;
            options.ports.emplace_back(value.substr(0, equals), value.substr(equals + 1));
        } else if (!argument.starts_with("-platform") && !argument.starts_with("-style")) {
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parseOptions(argc, argv, options)) {
        std::fputs("ferrymate: unknown option\nTry \"ferrymate --help\".\n", stderr);
        return 1;
    }
    if (options.help || options.version) {
        std::fputs(options.help ? kHelp : "Ferrymate version 1.03 beta\n", stdout);
        return 0;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ferrymate"));
    QApplication::setApplicationDisplayName(QStringLiteral("Ferrymate"));
    QApplication::setFont(pf::formFont());
    pf::SetMessagePump([] { QCoreApplication::processEvents(); });
    pf::MessageBoxPrompt prompt;
    try {
        pf::TMainFrm window(pf::SettingsStore(pf::SettingsStore::defaultPath()), prompt);
        for (const auto& [port, device] : options.ports)
            if (!pf::SetPortDevice(port, device)) {
                std::fprintf(stderr, "ferrymate: --port: %s is not one of COM1..COM5\n", port.c_str());
                return 1;
            }
        window.show();
        if (options.connect)
            QTimer::singleShot(0, &window, &pf::TMainFrm::ConnectClick);
        return QApplication::exec();
    } catch (const std::exception& error) {
        QMessageBox::critical(nullptr, QStringLiteral("Ferrymate"), QString::fromStdString(error.what()));
        return 1;
    }
}
