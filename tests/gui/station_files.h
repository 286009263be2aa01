// Writing a station's files for the tests of the real windows.
#pragma once
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <fstream>
#include <map>

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

// The bridge station of cruise 0701JD of the scenario set-up files on the drive root
// `root` (shared number 41, a position of 32.9 N 117.3 W), with configuration lines
// replaced as given.
inline void WriteStation(const QString& root, const std::map<int, QString>& cfg = {}) {
    for (const char* inc : {"config.inc", "files.inc"}) {
        QFile f(QStringLiteral(VARNEL_SCENARIO_SETUP "/") + inc);
        if (!f.open(QIODevice::ReadOnly)) return;
        QString path;
        QStringList block;
        for (QString line : QString::fromLatin1(f.readAll()).split('\n')) {
            line.remove('\r');
            if (line.startsWith("file ")) {
                path = root + "/" + line.mid(5).replace(":\\", "/").replace('\\', '/');
                block.clear();
            } else if (line == "end" && !path.isEmpty()) {
                WriteFile(path, block);
                path.clear();
            } else if (!path.isEmpty()) {
                block << line.mid(2);
            }
        }
    }
    QStringList lines = ReadLines(root + "/C/VarnelGPS/VarnelGPS.cfg");
    for (const auto& [n, v] : cfg) lines[n - 1] = v;
    WriteFile(root + "/C/VarnelGPS/VarnelGPS.cfg", lines);
}

inline DriveMap Drives(const QString& root) {
    DriveMap m;
    m.root = root.toStdString();
    return m;
}

}  // namespace varnel::testing
