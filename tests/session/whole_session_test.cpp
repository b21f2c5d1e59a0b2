#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "app/t73_test_support.h"
#include "session/random_design.h"
#include "session/random_user.h"

namespace tc::session_test {
namespace {

using t73::test::TempDir;
using testing::IsEmpty;

// Sessions one after the other on one design: each starts on what the last one saved, so the
// later ones edit designs of many kinds that the editor itself made.
void run_sessions(unsigned seed, const std::vector<Byte>* start, std::size_t sessions) {
    // Save syncs every file to the disk; in memory the sessions take a fifth of the time.
    const std::filesystem::path memory = "/dev/shm";
    const TempDir dir(
        std::filesystem::is_directory(memory) ? memory : std::filesystem::temp_directory_path());
    SeededChoices choices(seed);
    RandomUserHost host(choices);
    shell::Session session(dir.path(), host);
    session.start_up();
    if (start != nullptr) {
        t73::test::write_bytes(dir.file("start.T73"), *start);
        ASSERT_TRUE(
            open_design_file(session.document(), dir.file("start.T73"), session.file_context()));
    }
    for (std::size_t i = 0; i < sessions; ++i) {
        const auto broken = random_session(session, host, choices, 200, dir.path() / "d.T73");
        EXPECT_THAT(broken, IsEmpty()) << "seed " << seed << ", session " << i;
        if (!broken.empty()) return;
    }
}

// TC_SESSION_SEEDS=N runs seeds 1 to N instead of the few that the normal test run can afford.
unsigned last_seed(unsigned normal) {
    const char* seeds = std::getenv("TC_SESSION_SEEDS");
    return seeds != nullptr ? static_cast<unsigned>(std::stoul(seeds)) : normal;
}

TEST(WholeSession, RandomUsersOnNewDesignsKeepEveryPromise) {
    for (unsigned seed = 1; seed <= last_seed(40); ++seed) run_sessions(seed, nullptr, 6);
}

TEST(WholeSession, RandomUsersOnDamagedDesignsKeepEveryPromise) {
    for (unsigned seed = 1; seed <= last_seed(40); ++seed) {
        const std::vector<Byte> design = t73::test::random_design_bytes(seed);
        run_sessions(seed, &design, 3);
    }
}

TEST(WholeSession, RandomUsersOnRandomValidDesignsKeepEveryPromise) {
    const TempDir dir;
    ui::HeadlessHost host;
    shell::Session session(dir.path(), host);
    session.start_up();
    const std::vector<Byte> fresh = design_file_bytes(session.document());
    for (unsigned seed = 1; seed <= last_seed(80); ++seed) {
        const std::vector<Byte> design = random_valid_design(fresh, seed);
        ASSERT_THAT(design_problems(design), IsEmpty());
        run_sessions(seed, &design, 3);
    }
}

}  // namespace
}  // namespace tc::session_test
