// Times Ferrymate's main window: construction to the first shown window, and
// listing and filling the PC view with a folder of N files (icons included),
// best and median of RUNS. Run by bench/window.sh.

#include "ferrymate/window/main_frm.h"
#include "ferrymate/window/prompt.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

class SilentPrompt final : public pf::Prompt {
  public:
    void message(QWidget*, const QString&) override {}
    bool askYesNo(QWidget*, const QString&) override { return false; }
    void reportError(QWidget*, const QString& text) override {
        std::fprintf(stderr, "%s\n", qPrintable(text));
    }
};

void report(const char* what, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    std::printf("%-44s best %8.1f ms   median %8.1f ms\n", what, ms.front(), ms[ms.size() / 2]);
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const int files = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
    QTemporaryDir work;
    const QString folder = work.filePath(QStringLiteral("many"));
    QDir().mkpath(folder);
    const char* kinds[] = {"txt", "png", "vx", "bin", "c", "h", "wav", "bmp"};
    for (int i = 0; i < files; ++i) {
        QFile file(folder + QStringLiteral("/file%1.%2").arg(i, 5, 10, QLatin1Char('0')).arg(kinds[i % 8]));
        file.open(QIODevice::WriteOnly);
        file.write(QByteArray(i % 3000, 'x'));
    }
    SilentPrompt prompt;
    std::vector<double> startup, fill;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer clock;
        clock.start();
        pf::TMainFrm window(
            pf::SettingsStore(work.filePath(QStringLiteral("cfg/Ferrymate.conf")).toStdString()), prompt);
        window.show();
        QCoreApplication::processEvents();
        startup.push_back(clock.nsecsElapsed() / 1e6);

        window.LocalDirEdit->setText(folder);
        clock.restart();
        window.LocalFileListRefreshClick();
        QCoreApplication::processEvents();
        fill.push_back(clock.nsecsElapsed() / 1e6);
        if (window.LocalFileView->topLevelItemCount() != files + 1)
            std::fprintf(stderr, "unexpected row count %d\n", window.LocalFileView->topLevelItemCount());
    }
    report("start-up to the first shown window", startup);
    char label[64];
    std::snprintf(label, sizeof label, "PC view filled with %d files (icons)", files);
    report(label, fill);
    return 0;
}
