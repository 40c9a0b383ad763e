#pragma once
// Test rig of the window tests: the cartridge simulator as a process on a
// pseudo-terminal, a scripted prompt, a clock that hurries timeouts, and a
// temporary folder.

#include "ferrymate/link/link_clock.h"
#include "ferrymate/window/prompt.h"

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <chrono>
#include <functional>
#include <string>

namespace pf::test {

// Writes a file entry named `name` with `dataSize` data bytes to `path`.
void writeEntry(const QString& path, const std::string& name, const std::string& info, std::size_t dataSize);

// cartsim on a fresh pseudo-terminal, seeded from two folders of entries the
// rig writes; stopped when the object goes.
class Cartridge {
  public:
    explicit Cartridge(const QStringList& extraOptions = {});
    ~Cartridge();
    // The symbolic link to the simulator's pseudo-terminal.
    std::string device() const { return m_link.toStdString(); }
    bool ready() const { return m_ready; }

  private:
    QTemporaryDir m_folder;
    QString m_link;
    QProcess m_process;
    bool m_ready = false;
};

// Records every message and answers questions from a script.
class ScriptedPrompt final : public Prompt {
  public:
    void message(QWidget*, const QString& text) override { messages << text; }
    bool askYesNo(QWidget*, const QString& text) override {
        messages << text;
        return yes;
    }
    void reportError(QWidget*, const QString& text) override { errors << text; }
    QStringList messages;
    QStringList errors;
    bool yes = false;
};

// A clock on which every wait without a byte passes at once, so that the
// link's ten-second timeouts end in a moment.
class HurriedClock final : public LinkClock {
  public:
    TimePoint now() override { return std::chrono::steady_clock::now() + m_skew; }
    void sleepFor(Duration duration) override { m_skew += duration; }
    short waitReadable(int fd, Duration limit) override;

  private:
    Duration m_skew{0};
};

} // namespace pf::test
