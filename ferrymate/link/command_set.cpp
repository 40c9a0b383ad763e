#include "ferrymate/link/command_set.h"

#include "ferrymate/link/do_xmodem.h"
#include "ferrymate/link/exceptions.h"

#include <string>

namespace pf {
namespace {

// Refuses an argument that would change the shape of the command line.
void checkArgument(std::string_view argument) {
    if (argument.find('"') != std::string_view::npos)
        throw CmdArgumentException("名前や説明に二重引用符（\"）は使えません。");
    if (argument.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos)
        throw CmdArgumentException("名前や説明に改行文字やNUL文字は使えません。");
}

std::string bare(std::string_view argument) {
    checkArgument(argument);
    return std::string(argument);
}

std::string quoted(std::string_view argument) {
    checkArgument(argument);
    return "\"" + std::string(argument) + "\"";
}

} // namespace

std::string_view BareAreaName(std::string_view area) {
    return area.starts_with('/') ? area.substr(1) : area;
}

void CmdHelo(TCommPort& port, ReplyList* replies) {
    ExecuteCommand(port, "HELO \"Ferrymate version 1.03 beta\"", replies);
}

void CmdSttyEchoOff(TCommPort& port) {
    ExecuteCommand(port, "stty -echo");
}

void CmdList(TCommPort& port, std::string_view area, ReplyList* replies) {
    ExecuteCommand(port, "ls -l " + bare(area), replies);
}

void CmdDf(TCommPort& port, ReplyList* replies) {
    ExecuteCommand(port, "df", replies);
}

void CmdDefrag(TCommPort& port, std::string_view area) {
    ExecuteCommand(port, "defrag " + bare(BareAreaName(area)));
}

void CmdNewfs(TCommPort& port, std::string_view area) {
    ExecuteCommand(port, "newfs " + bare(BareAreaName(area)));
}

void CmdGet(TCommPort& port, std::string_view remotePath, const std::filesystem::path& pcPath) {
    const std::string line = "get " + quoted(remotePath);
    cmd_get::DoXModem transfer(port, pcPath);
    ExecuteCommand(port, line, nullptr, &transfer);
}

void CmdPut(TCommPort& port, std::string_view area, const std::filesystem::path& pcPath) {
    const std::string line = "put " + bare(area);
    cmd_put::DoXModem transfer(port, pcPath);
    ExecuteCommand(port, line, nullptr, &transfer);
}

void CmdDelete(TCommPort& port, std::string_view remotePath) {
    ExecuteCommand(port, "delete " + quoted(remotePath));
}

void CmdDate(TCommPort& port, ReplyList* replies) {
    ExecuteCommand(port, "date", replies);
}

void CmdSetDate(TCommPort& port, std::string_view dateText) {
    ExecuteCommand(port, "date " + bare(dateText));
}

void CmdRename(TCommPort& port, std::string_view remotePath, std::string_view newName) {
    ExecuteCommand(port, "rename " + quoted(remotePath) + " " + quoted(newName));
}

void CmdSetInfo(TCommPort& port, std::string_view remotePath, std::string_view description) {
    ExecuteCommand(port, "setinfo " + quoted(remotePath) + " " + quoted(description));
}

} // namespace pf
