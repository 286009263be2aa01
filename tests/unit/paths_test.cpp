// Program paths mapped to native ones: drive letters, overrides and bare names.
#include <gtest/gtest.h>

#include "platform/paths.h"

using namespace varnel;

TEST(NativePath, DrivesOverridesAndBareNames) {
    DriveMap map;
    map.root = "/nowhere/drives";
    map.overrides['C'] = "/nowhere/station/C";
    struct {
        const char* program;
        const char* native;
    } rows[] = {{"Q:\\0701\\Events\\EventNumber.txt", "/nowhere/drives/Q/0701/Events/EventNumber.txt"},
                {"c:\\VarnelGPS\\Watch.txt", "/nowhere/station/C/VarnelGPS/Watch.txt"},
                {"/tmp/abs.txt", "/tmp/abs.txt"},
                // An empty data folder joined to a file name stays in the program's folder.
                {"OrderOcc.txt", "/nowhere/station/C/VarnelGPS/OrderOcc.txt"}};
    for (const auto& r : rows) EXPECT_EQ(NativePath(map, r.program), r.native) << r.program;
    // Back again: paths under a drive read as drive paths, others stay as they are.
    EXPECT_EQ(ProgramPath(map, "/nowhere/drives/Q/0701/Events"), "Q:\\0701\\Events");
    EXPECT_EQ(ProgramPath(map, "/nowhere/station/C/VarnelGPS/a.txt"), "C:\\VarnelGPS\\a.txt");
    EXPECT_EQ(ProgramPath(map, "/somewhere/else/entirely/x.txt"), "/somewhere/else/entirely/x.txt");
    EXPECT_EQ(ProgramPath(map, "/nowhere/drivesXQ/a.txt"), "/nowhere/drivesXQ/a.txt");  // beside the root
}
