#pragma once

// The thirteen commands Ferrymate sends to the cartridge's shell. Each
// formats its line, runs it through ExecuteCommand and raises what that
// raises. Cartridge text (paths, names, descriptions, the date) is CP932
// bytes; PC paths are file-system paths.
//
// Arguments are inserted as they are. An argument holding a double quote, a
// CR or an LF, or a line longer than 510 bytes, is refused with
// CmdArgumentException before anything is sent.

#include "ferrymate/link/execute_command.h"

#include <filesystem>
#include <string_view>

namespace pf {

class TCommPort;

// The greeting: HELO "Ferrymate version 1.03 beta"
void CmdHelo(TCommPort& port, ReplyList* replies = nullptr);
// stty -echo
void CmdSttyEchoOff(TCommPort& port);
// ls -l <area>           area "/rom0" or "/ram0"
void CmdList(TCommPort& port, std::string_view area, ReplyList* replies);
// df
void CmdDf(TCommPort& port, ReplyList* replies);
// defrag <bare area>     "/rom0" is sent as "defrag rom0"
void CmdDefrag(TCommPort& port, std::string_view area);
// newfs <bare area>
void CmdNewfs(TCommPort& port, std::string_view area);
// get "<cartridge path>", receiving the file by XMODEM into `pcPath`.
void CmdGet(TCommPort& port, std::string_view remotePath, const std::filesystem::path& pcPath);
// put <area>, sending `pcPath` by XMODEM (the cartridge names the file from
// its entry header).
void CmdPut(TCommPort& port, std::string_view area, const std::filesystem::path& pcPath);
// delete "<cartridge path>"
void CmdDelete(TCommPort& port, std::string_view remotePath);
// date
void CmdDate(TCommPort& port, ReplyList* replies);
// date <text>            text as the clock dialog builds it
void CmdSetDate(TCommPort& port, std::string_view dateText);
// rename "<cartridge path>" "<new name>"
void CmdRename(TCommPort& port, std::string_view remotePath, std::string_view newName);
// setinfo "<cartridge path>" "<description>"
void CmdSetInfo(TCommPort& port, std::string_view remotePath, std::string_view description);

// The bare name of an area path: "rom0" for "/rom0" (the text after the
// leading "/"; the text itself when there is none).
std::string_view BareAreaName(std::string_view area);

} // namespace pf
