// The online and offline launches over the test registry, with a recorded
// client process.

#include "launch/launch_sequence.h"

#include <gtest/gtest.h>

#include "launch/patch_plan.h"
#include "tests/support/fake_registry.h"
#include "tests/support/memory_files.h"
#include "tests/support/written_client.h"

namespace zrk {
namespace {

const std::string kKey = "Software\\Brelvik\\ZRKV2";

struct Launch {
    FakeRegistry registry;
    MemoryFiles files;
    WrittenClient client;
    int firstRunShowings = 0;
    bool firstRunFails = false;
    std::vector<std::string> errors;
    bool terminated = false;

    Launch() {
        files.Put("zrk.exe", "MZ");
        files.Put("zrkr.exe", "MZ");
    }
    void Run(LaunchMode mode, int32_t width = 1920, int32_t height = 1080) {
        LaunchServices services{registry,
                                files,
                                client,
                                [this] {
                                    ++firstRunShowings;
                                    if (firstRunFails)
                                        throw Failure("Cannot open file \"C:\\game\\server.lst\". x");
                                },
                                [this](const std::string& m) { errors.push_back(m); },
                                [this] { terminated = true; },
                                "C:\\game\\",
                                width,
                                height};
        RunLaunchSequence(mode, services);
    }
    uint32_t CtrlFlag1() const { return registry.DwordValue("CTRLFLAG1").value_or(0xDEADBEEF); }
    std::string Host() const {
        for (const MemoryWrite& w : client.writes) {
            if (w.address == kHostNameField)
                return w.bytes;
        }
        return "(none)";
    }
};

TEST(LaunchSequence, StartsTheClientWithItsCommandLineTitleAndWindow) {
    for (LaunchMode mode : {LaunchMode::Online, LaunchMode::Offline}) {
        Launch launch;
        launch.registry.SetDword("CTRLFLAG1", 0);
        launch.Run(mode, 1366, 768);
        const ClientStart& s = launch.client.started;
        EXPECT_EQ(s.commandLine, mode == LaunchMode::Online ? "zrk.exe -online" : "zrkr.exe -offline");
        EXPECT_EQ(s.directory, "C:\\game\\");
        EXPECT_EQ(s.title, "Zarkenfall Online: Vesperine");
        EXPECT_EQ(s.window.x, 273);
        EXPECT_EQ(s.window.y, 76);
        EXPECT_EQ(s.window.width, 820);
        EXPECT_EQ(s.window.height, 615);
        EXPECT_EQ(launch.client.calls.front(), "Create");
        EXPECT_EQ(launch.client.calls.back(), "Resume") << "held until the writes have landed";
        EXPECT_TRUE(launch.terminated);
        EXPECT_EQ(launch.registry.OpenKeys(), 0);
    }
}

// The failure table of the launch: what each failing point leaves.
struct FailureCase {
    const char* name;
    void (*arrange)(FakeRegistry&);
    uint32_t ctrlFlag1After;  // 0xDEADBEEF: missing
    size_t writesOnline;      // 12 patches when windowed, + 1 host
    std::string host;
};

void Windowed(FakeRegistry& r) {
    r.SetDword("CTRLFLAG1", 0x100);
    r.SetDword("CTRLFLAG6", 3);
    r.SetString("SERVER", "abc");
}

const FailureCase kFailureCases[] = {
    {"everything readable", Windowed, 0x114, 13, std::string("abc") + '\0'},
    {"open key refused",
     [](FakeRegistry& r) {
         Windowed(r);
         r.FailOn(FakeRegistry::Op::Create, kKey);
     },
     0x100, 1, DefaultHostString()},
    {"CTRLFLAG1 missing",
     [](FakeRegistry& r) {
         r.SetDword("CTRLFLAG6", 3);
         r.SetString("SERVER", "abc");
     },
     0xDEADBEEF, 1, DefaultHostString()},
    {"CTRLFLAG1 not an integer",
     [](FakeRegistry& r) {
         Windowed(r);
         r.SetString("CTRLFLAG1", "1");
     },
     0xDEADBEEF, 1, DefaultHostString()},
    {"CTRLFLAG6 missing",
     [](FakeRegistry& r) {
         r.SetDword("CTRLFLAG1", 0x100);
         r.SetString("SERVER", "abc");
     },
     0x114, 1, DefaultHostString()},
    {"SERVER not a string",
     [](FakeRegistry& r) {
         Windowed(r);
         r.SetDword("SERVER", 5);
     },
     0x114, 13, DefaultHostString()},
    {"SERVER missing",
     [](FakeRegistry& r) {
         r.SetDword("CTRLFLAG1", 0x100);
         r.SetDword("CTRLFLAG6", 3);
     },
     0x114, 13, std::string(1, '\0')},
    {"custom-server bit clear",
     [](FakeRegistry& r) {
         Windowed(r);
         r.SetDword("CTRLFLAG6", 1);
     },
     0x114, 13, DefaultHostString()},
    {"writing CTRLFLAG1 refused",
     [](FakeRegistry& r) {
         Windowed(r);
         r.FailOn(FakeRegistry::Op::Set, "CTRLFLAG1");
     },
     0x100, 13, std::string("abc") + '\0'},
};

TEST(LaunchSequence, RegistryFailuresAreSilentAndLeaveWhatTheTableSays) {
    for (const FailureCase& c : kFailureCases) {
        SCOPED_TRACE(c.name);
        Launch launch;
        c.arrange(launch.registry);
        launch.Run(LaunchMode::Online);
        EXPECT_EQ(launch.CtrlFlag1(), c.ctrlFlag1After);
        EXPECT_EQ(launch.client.writes.size(), c.writesOnline);
        EXPECT_EQ(launch.Host(), c.host);
        EXPECT_TRUE(launch.errors.empty());
        EXPECT_TRUE(launch.terminated);
        EXPECT_EQ(launch.registry.OpenKeys(), 0);
    }
}

TEST(LaunchSequence, OfflineClearsTheOnlineBitsAndNeverReadsServer) {
    struct Case {
        uint32_t before;
        LaunchMode mode;
        uint32_t after;
    } cases[] = {
        {0, LaunchMode::Online, 0x14},
        {0, LaunchMode::Offline, 0},
        {0xFFFFFFFF, LaunchMode::Offline, 0xFFFFFFEB},
        {0xFFFFFFFF, LaunchMode::Online, 0xFFFFFFFF},
    };
    for (const Case& c : cases) {
        Launch launch;
        launch.registry.SetDword("CTRLFLAG1", c.before);
        launch.registry.SetDword("CTRLFLAG6", 2);
        launch.registry.SetString("SERVER", "abc");
        launch.Run(c.mode);
        EXPECT_EQ(launch.CtrlFlag1(), c.after);
        const auto& log = launch.registry.Log();
        EXPECT_EQ(std::count(log.begin(), log.end(), "Query SERVER"), c.mode == LaunchMode::Online ? 1 : 0);
        EXPECT_EQ(launch.client.writes.size(), c.mode == LaunchMode::Online ? 1u : 0u);
    }
}

TEST(LaunchSequence, WindowedOfflineWritesTheTwelvePatchesOnly) {
    Launch launch;
    launch.registry.SetDword("CTRLFLAG1", 0x14);
    launch.registry.SetDword("CTRLFLAG6", 1);
    launch.Run(LaunchMode::Offline);
    ASSERT_EQ(launch.client.writes.size(), 12u);
    for (size_t i = 0; i < 12; ++i)
        EXPECT_EQ(launch.client.writes[i].address, kWindowedPatchTable[i].address);
    EXPECT_EQ(launch.CtrlFlag1(), 0u);
}

TEST(LaunchSequence, FirstLaunchCreatesTheKeyThenShowsThePanel) {
    Launch launch;
    bool keyExistedWhenShown = false;
    LaunchServices services{launch.registry, launch.files, launch.client,
                            [&] {
                                keyExistedWhenShown = launch.registry.HasKey(kKey);
                                launch.registry.SetDword("CTRLFLAG1", 0x54);  // the player saves
                                launch.registry.SetDword("CTRLFLAG6", 1);
                            },
                            [](const std::string&) {}, [] {}, "C:\\game\\", 1024, 768};
    RunLaunchSequence(LaunchMode::Offline, services);
    EXPECT_TRUE(keyExistedWhenShown);
    EXPECT_EQ(launch.CtrlFlag1(), 0x40u);
    EXPECT_EQ(launch.client.writes.size(), 12u) << "the saved windowed mode is used";

    Launch again;  // the key exists now: no panel
    again.registry.SetDword("CTRLFLAG1", 0);
    again.Run(LaunchMode::Offline);
    EXPECT_EQ(again.firstRunShowings, 0);
}

TEST(LaunchSequence, FirstRunThatCannotLoadTheServerListEndsThePhaseSilently) {
    Launch launch;
    launch.firstRunFails = true;
    launch.Run(LaunchMode::Online);
    EXPECT_EQ(launch.firstRunShowings, 1);
    EXPECT_FALSE(launch.registry.Value("CTRLFLAG1").has_value());
    EXPECT_EQ(launch.Host(), DefaultHostString());
    EXPECT_TRUE(launch.errors.empty());
    EXPECT_TRUE(launch.terminated);
}

TEST(LaunchSequence, MissingExecutableShowsItsMessageAfterMarkingTheMode) {
    for (LaunchMode mode : {LaunchMode::Online, LaunchMode::Offline}) {
        Launch launch;
        launch.files = MemoryFiles();
        launch.files.AddFolder(mode == LaunchMode::Online ? "zrk.exe" : "zrkr.exe");
        launch.registry.SetDword("CTRLFLAG1", 0x100);
        launch.Run(mode);
        EXPECT_EQ(launch.errors, std::vector<std::string>{mode == LaunchMode::Online
                                                              ? "File zrk.exe cannot be found."
                                                              : "File zrkr.exe cannot be found."});
        EXPECT_EQ(launch.CtrlFlag1(), mode == LaunchMode::Online ? 0x114u : 0x100u);
        EXPECT_TRUE(launch.client.calls.empty());
        EXPECT_FALSE(launch.terminated);
    }
}

TEST(LaunchSequence, FailedCreationIsReportedWithoutWritesAndStillEnds) {
    Launch launch;
    launch.registry.SetDword("CTRLFLAG1", 0);
    launch.registry.SetDword("CTRLFLAG6", 1);
    launch.client.failCreate = true;
    launch.Run(LaunchMode::Online);
    EXPECT_EQ(launch.client.calls, std::vector<std::string>{"Create"});
    EXPECT_EQ(launch.errors, std::vector<std::string>{
                                 "Cannot start \"zrk.exe -online\". The system cannot find the file specified."});
    EXPECT_TRUE(launch.terminated);
}

}  // namespace
}  // namespace zrk
