#include "app/command_line.h"

#include <gtest/gtest.h>

namespace varnel {
namespace {

TEST(CommandLine, ReadsTheOptionsAndRefusesTheRest) {
    using A = CommandLine::Action;
    struct Case {
        std::vector<std::string> args;
        A action;
        std::string drives;
    } cases[] = {{{}, A::Run, ""},
                 {{"--drives", "/srv/drives"}, A::Run, "/srv/drives"},
                 {{"--drives=rel/dir"}, A::Run, "rel/dir"},
                 {{"--version"}, A::Version, ""},
                 {{"--version", "--help"}, A::Help, ""},
                 {{"-h"}, A::Help, ""},
                 {{"--drives"}, A::Bad, ""},
                 {{"--drives="}, A::Bad, ""},
                 {{"-platform", "offscreen"}, A::Bad, ""},
                 {{"Q:\\0701"}, A::Bad, ""}};
    for (const auto& c : cases) {
        auto got = ParseCommandLine(c.args);
        EXPECT_EQ(got.action, c.action) << ::testing::PrintToString(c.args);
        EXPECT_EQ(got.drives, c.drives) << ::testing::PrintToString(c.args);
        EXPECT_EQ(got.problem.empty(), c.action != A::Bad) << ::testing::PrintToString(c.args);
    }
}

}  // namespace
}  // namespace varnel
