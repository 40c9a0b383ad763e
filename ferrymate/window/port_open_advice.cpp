#include "ferrymate/window/port_open_advice.h"

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pf {
namespace {

std::string owningGroup(const struct stat& status) {
    if (const group* owner = ::getgrgid(status.st_gid))
        return owner->gr_name;
    return std::to_string(status.st_gid);
}

std::string adviceFor(const std::string& portName, const std::string& device, const std::string& reason,
                      const std::filesystem::path& settingsFile) {
    const std::string changeDevice = portName + " が指すデバイスは設定ファイル " + settingsFile.string() +
                                     " の \"" + portName + "=sz:\" の行で変更できます。";
    if (device.empty() || device.find('/') == std::string::npos)
        return "このポートにはデバイスが割り当てられていません。" + changeDevice;
    struct stat status {};
    if (::stat(device.c_str(), &status) != 0)
        return "このデバイスはありません。ケーブルの接続を確かめてください。" + changeDevice;
    if (::access(device.c_str(), R_OK | W_OK) != 0) {
        const std::string group = owningGroup(status);
        return "このデバイスを使う権限がありません。ユーザをグループ「" + group +
               "」に加え (sudo adduser $USER " + group + ")、ログインし直してください。";
    }
    if (reason.find("in use") != std::string::npos)
        return "他のプログラムがこのポートを使っています。そのプログラムを終了してください。";
    return "このデバイスはシリアルポートとして使えません。" + changeDevice;
}

} // namespace

std::string portOpenAdvice(const std::string& portName, const std::string& device, const std::string& reason,
                           const std::filesystem::path& settingsFile) {
    const std::string shown = device.empty() ? std::string("(なし)") : device;
    return portName + " = " + shown + ": " + reason + "\n" +
           adviceFor(portName, device, reason, settingsFile);
}

} // namespace pf
