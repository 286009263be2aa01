// Writing a station's files for the tests of the real windows.
#pragma once
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <fstream>

#include "platform/paths.h"

namespace varnel::testing {

inline void WriteFile(const QString& path, const QStringList& lines) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    std::ofstream out(path.toStdString(), std::ios::binary);
    for (const auto& l : lines) out << l.toStdString() << "\r\n";
}

inline QStringList ReadLines(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromLatin1(f.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

// A bridge station of cruise 0701JD on the drive root `root`, shared number 41.
inline void WriteStation(const QString& root, const QString& source, const QString& port = QStringLiteral("1"),
                         const QString& rate = QStringLiteral("15000")) {
    const QString home = root + "/C/VarnelGPS/";
    WriteFile(home + "VarnelGPS.cfg", {"Ormanti",
                                       "0701JD",
                                       "Q:\\0701\\Events\\",
                                       "Q:\\0701\\Events\\",
                                       "BridgeEvents.txt",
                                       "Watch.txt",
                                       "EventNumber.txt",
                                       "CurrPos.txt",
                                       rate,
                                       "NETWORK",
                                       source,
                                       port,
                                       "4800,n,8,1",
                                       "$GPGGA",
                                       "$GPZDA",
                                       "STANDARD",
                                       "LASTEVENT",
                                       "CommentOpt.txt",
                                       "NUMERIC",
                                       "SINGLE"});
    WriteFile(home + "BridgeEvents.txt", {"STATION ARRIVAL", "CTD DEPLOYED", "CTD AT DEPTH"});
    WriteFile(home + "Watch.txt", {"JD"});
    WriteFile(home + "CommentOpt.txt", {"Station Type", "Standard", "Prodo", "SCCOOS", "Sea Conditions", "Calm",
                                        "Moderate", "Rough", "Day/Night", "Day", "Night"});
    WriteFile(home + "Lines.txt", {"93.3"});
    WriteFile(home + "Line93.txt", {"26.7"});
    WriteFile(root + "/Q/0701/Events/EventNumber.txt", {"41"});
}

inline DriveMap Drives(const QString& root) {
    DriveMap m;
    m.root = root.toStdString();
    return m;
}

}  // namespace varnel::testing
