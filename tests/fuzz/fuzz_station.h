// A headless station for the fuzz targets: a drive root of its own under /tmp, the
// bridge configuration, every question answered No, every message recorded and dropped.
#pragma once
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "config/configuration.h"
#include "forms/workstation.h"
#include "platform/headless/headless_host.h"

namespace varnel::fuzz {

struct QuietHost : HeadlessHost {
    using HeadlessHost::HeadlessHost;
    Answer MsgBox(const std::string&, Buttons, Icon, const std::string&, Answer) override { return Answer::No; }
};

struct Station {
    std::filesystem::path root;
    std::unique_ptr<QuietHost> host;
    std::unique_ptr<Workstation> w;
    Station() {
        root = std::filesystem::temp_directory_path() / ("varnel-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(root / "Q" / "E");
        DriveMap map;
        map.root = root.string();
        host = std::make_unique<QuietHost>(map);
        w = std::make_unique<Workstation>(*host);
        w->cfg = StarterConfiguration();
        w->cfg[3] = w->cfg[4] = "Q:\\E\\";
        w->cfg[11] = "UDP";
        w->cfg[15] = "$GPZDA";
        auto& f = w->frmActivity;
        f.homeFolder = "C:\\VarnelGPS\\";
        f.dataFolder = "Q:\\E\\";
        f.CurrPosFile = "Q:\\E\\CurrPos.txt";
        f.NavSource = "UDP";
        w->files().CreateFolder(f.homeFolder);
    }
};

}  // namespace varnel::fuzz
