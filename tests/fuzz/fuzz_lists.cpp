// The role event list and the comment options file on any bytes, in both panel modes.
#include <fstream>
#include <string>

#include "fuzz_station.h"
#include "lists/comment_options.h"
#include "lists/role_lists.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    static varnel::fuzz::Station s;
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (const char* name : {"BridgeEvents.txt", "CommentOpt.txt"})
        std::ofstream(s.root / "C" / "VarnelGPS" / name, std::ios::binary) << text;
    auto& f = s.w->frmActivity;
    f.EventListPath = "C:\\VarnelGPS\\BridgeEvents.txt";
    f.commentOptPath = "C:\\VarnelGPS\\CommentOpt.txt";
    for (auto occasion : {varnel::ListOccasion::StartUp, varnel::ListOccasion::RoleMenu}) {
        f.MultiMode = !f.MultiMode;
        varnel::LoadEventList(*s.w, occasion);
    }
    varnel::LoadCommentOptions(*s.w);
    return 0;
}
