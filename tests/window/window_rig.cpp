#include "window_rig.h"

#include "entry/entry_header.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <poll.h>

namespace pf::test {

void writeEntry(const QString& path, const std::string& name, const std::string& info, std::size_t dataSize) {
    const EntryRecord record = makeEntryRecord(
        name, info, kDefaultEntryMode, 0, static_cast<std::uint32_t>(dataSize), kNoResources, 0x5A8C6000);
    const auto header = encodeEntryHeader(record);
    QByteArray bytes(reinterpret_cast<const char*>(header.data()), static_cast<qsizetype>(header.size()));
    bytes.append(QByteArray(static_cast<qsizetype>(dataSize), 'x'));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

Cartridge::Cartridge(const QStringList& extraOptions) {
    const QString rom = m_folder.filePath(QStringLiteral("rom0"));
    const QString ram = m_folder.filePath(QStringLiteral("ram0"));
    QDir().mkpath(rom);
    QDir().mkpath(ram);
    writeEntry(rom + "/a.vx", "alpha", "first", 3000);
    writeEntry(rom + "/b.vx", "beta", "second", 100);
    writeEntry(rom + "/c.vx", "gamma", "third", 1000);
    writeEntry(ram + "/s.vx", "save1", "work", 200);
    m_link = m_folder.filePath(QStringLiteral("line"));
    QStringList arguments{"--link", m_link, "--seed-rom0", rom, "--seed-ram0", ram};
    arguments << extraOptions;
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(QStringLiteral(CARTSIM_PATH), arguments);
    for (int i = 0; i < 500 && !QFileInfo::exists(m_link); ++i)
        QThread::msleep(20);
    m_ready = QFileInfo::exists(m_link);
}

Cartridge::~Cartridge() {
    m_process.terminate();
    if (!m_process.waitForFinished(5000))
        m_process.kill();
    m_process.waitForFinished(5000);
}

short HurriedClock::waitReadable(int fd, Duration limit) {
    pollfd entry{fd, POLLIN, 0};
    if (::poll(&entry, 1, 5) > 0)
        return entry.revents;
    m_skew += limit;
    return 0;
}

} // namespace pf::test
