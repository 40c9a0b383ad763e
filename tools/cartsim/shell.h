#pragma once
// The cartridge's command shell: assembles command lines from the bytes
// that arrive, echoes them until "stty -echo", and answers each command
// with reply lines and one final line.

#include "tools/cartsim/cartridge.h"
#include "tools/cartsim/fault_plan.h"
#include "tools/cartsim/reply_writer.h"
#include "tools/cartsim/serial_line.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace cartsim {

class Shell {
  public:
    // `changed` runs after every command that changed the cartridge.
    Shell(SerialLine& line, Cartridge& cart, const FaultPlan& faults, const XmodemTiming& timing,
          std::function<void()> changed);

    // Takes one byte from the line; a CR ends the command line and runs it.
    void feed(std::uint8_t byte);

    // Runs one command line as if it had arrived.
    void execute(std::string_view commandLine);

  private:
    using Words = std::vector<std::string>;
    using Handler = void (Shell::*)(const Words&);

    void echo(std::string_view text);
    void endLine();

    void helo(const Words& words);
    void stty(const Words& words);
    void list(const Words& words);
    void df(const Words& words);
    void date(const Words& words);
    void get(const Words& words);
    void put(const Words& words);
    void remove(const Words& words);
    void rename(const Words& words);
    void setinfo(const Words& words);
    void defrag(const Words& words);
    void newfs(const Words& words);

    // The one argument of a command as an area; when it names none, the
    // final line is sent ("501" for a wrong count, "450" for no such area).
    CartArea* areaArgument(const Words& words);
    // The file path of a command of `count` words; "501" when there is none.
    std::optional<CartPath> fileArgument(const Words& words, std::size_t count);

    // The final line for a changed cartridge, after the change was saved.
    void changedOk();
    void storeReceived(CartArea& area, const std::vector<std::uint8_t>& bytes);

    SerialLine& m_line;
    Cartridge& m_cart;
    const FaultPlan& m_faults;
    XmodemTiming m_timing;
    std::function<void()> m_changed;
    ReplyWriter m_reply;
    std::string m_pending;
    bool m_overlong = false;
    bool m_echo = true;
};

// The longest command line the shell takes; a longer one is answered with
// "501 SYNTAX ERR".
inline constexpr std::size_t kLongestCommand = 511;

} // namespace cartsim
