// Output replacement: a run killed at any moment leaves no temporary file.
#include <gtest/gtest.h>
#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <cerrno>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <thread>

#include "fileformat/file_io.h"
#include "support/process.h"

#ifndef _WIN32
extern char** environ;
#endif

namespace fs = std::filesystem;
using Names = std::set<std::string>;

namespace {

class AtomicOutputTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("kmdatomic-" + kmdtest::ProcessId() + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir / "w");
    }
    void TearDown() override { fs::remove_all(dir); }

#ifndef _WIN32
    // Starts the program with its output thrown away.
    static pid_t Spawn(const std::vector<std::string>& args) {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        std::vector<char*> argv;
        for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        pid_t pid = -1;
        int rc = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        return rc == 0 ? pid : -1;
    }
    static int Wait(pid_t pid) {
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        return status;
    }
    static bool RunsOk(const std::vector<std::string>& args) {
        pid_t pid = Spawn(args);
        if (pid < 0) return false;
        int status = Wait(pid);
        return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
#endif
    static Names Entries(const fs::path& folder) {
        Names names;
        for (const auto& e : fs::directory_iterator(folder)) names.insert(kmd::Utf8Path(e.path().filename()));
        return names;
    }
    static std::string Slurp(const fs::path& p) {
        std::ifstream f(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(f), {});
    }
    static void Put(const fs::path& p, const std::string& text) { std::ofstream(p, std::ios::binary) << text; }
    static bool SameContent(const fs::path& a, const fs::path& b) {
        if (fs::file_size(a) != fs::file_size(b)) return false;
        std::ifstream fa(a, std::ios::binary), fb(b, std::ios::binary);
        std::vector<char> ba(1 << 20), bb(1 << 20);
        while (fa && fb) {
            fa.read(ba.data(), std::streamsize(ba.size()));
            fb.read(bb.data(), std::streamsize(bb.size()));
            if (fa.gcount() != fb.gcount() || !std::equal(ba.begin(), ba.begin() + fa.gcount(), bb.begin())) return false;
        }
        return true;
    }

    fs::path dir;
};

#ifndef _WIN32  // killed processes, permissions and mapped files cut short are POSIX cases
TEST_F(AtomicOutputTest, KilledRunLeavesTheInputAndNoOutputOrTheOldOne) {
#ifdef __SANITIZE_ADDRESS__
    constexpr std::uintmax_t kMiB = 40;
#else
    constexpr std::uintmax_t kMiB = 128;
#endif
    // Input, reference copy, output and its temporary.
    struct statvfs vfs {};
    ASSERT_EQ(::statvfs(dir.c_str(), &vfs), 0);
    if (std::uintmax_t(vfs.f_bavail) * vfs.f_frsize < 5 * kMiB << 20) GTEST_SKIP() << "too little free disk";

    const fs::path exe = KMDCONVERT_EXE, generator = exe.parent_path() / "make_example";
    ASSERT_TRUE(fs::exists(generator)) << generator << " is built with kmdconvert";
    const fs::path work = dir / "w", in = work / "in.KMD", out = work / "out.KMD", ref = dir / "ref.KMD";
    ASSERT_TRUE(RunsOk({generator.string(), "--size", std::to_string(kMiB) + "M", in.string()}));
    const std::vector<std::string> convert = {exe.string(), "--yes", in.string(), out.string()};

    // Uninterrupted runs, to a new and over an existing output; the shorter
    // one sets the kill times.
    auto runTime = std::chrono::steady_clock::duration::max();
    for (int run = 0; run < 2; ++run) {
        auto start = std::chrono::steady_clock::now();
        ASSERT_TRUE(RunsOk(convert));
        runTime = std::min(runTime, std::chrono::steady_clock::now() - start);
        EXPECT_EQ(Entries(work), (Names{"in.KMD", "out.KMD"}));
    }
    fs::rename(out, ref);

    const std::string old = "the old output";
    int interrupted = 0;
    for (int percent : {5, 25, 50, 75, 95}) {
        for (bool hadOutput : {false, true}) {
            SCOPED_TRACE(testing::Message() << "killed at " << percent << " %" << (hadOutput ? " over an old output" : ""));
            if (hadOutput) Put(out, old);
            pid_t pid = Spawn(convert);
            ASSERT_GT(pid, 0);
            std::this_thread::sleep_for(runTime * percent / 100);
            ::kill(pid, SIGKILL);
            int status = Wait(pid);
            bool finished = WIFEXITED(status) && WEXITSTATUS(status) == 0;
            ASSERT_TRUE(finished || (WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)) << status;

            Names names = Entries(work);
            if (!names.count("out.KMD")) {
                EXPECT_EQ(names, Names{"in.KMD"});
                EXPECT_FALSE(hadOutput || finished);
                ++interrupted;
            } else {
                EXPECT_EQ(names, (Names{"in.KMD", "out.KMD"}));
                bool oldKept = hadOutput && !finished && fs::file_size(out) == old.size() && Slurp(out) == old;
                EXPECT_TRUE(oldKept || SameContent(out, ref));
                interrupted += oldKept;
            }
            for (const auto& name : names)
                if (name != "in.KMD") fs::remove(work / name);
        }
    }
    EXPECT_GT(interrupted, 0) << "every run ended before it was killed";
}

TEST_F(AtomicOutputTest, NewFileHasTheUmaskPermissions) {
    const fs::path p = dir / "new.KMD";
    std::string error;
    mode_t saved = ::umask(027);
    bool ok = kmd::WriteFileAtomically(p.string(), std::vector<std::uint8_t>{1, 2, 3}, error);
    ::umask(saved);
    ASSERT_TRUE(ok) << error;
    struct stat st {};
    ASSERT_EQ(::stat(p.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

// An input cut short by another program while mapped ends the run in order.
TEST_F(AtomicOutputTest, InputCutShortWhileReadStopsInOrder) {
    const fs::path in = dir / "in.KMD";
    Put(in, std::string(1 << 16, 'x'));
    pid_t pid = ::fork();
    if (pid == 0) {
        ::close(2);
        ::open("/dev/null", O_WRONLY);
        auto f = kmd::InputFile::Open(in.string());
        if (!f || ::truncate(in.c_str(), 0) != 0) ::_exit(3);
        volatile std::uint8_t last = f->Bytes().back();
        (void)last;
        ::_exit(0);
    }
    int status = Wait(pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
}

#endif

// An existing file is replaced; on Windows one that another program holds open
// cannot be, and is kept whole.
TEST_F(AtomicOutputTest, ReplacesAnExistingFileUnlessItIsHeldOpen) {
    const fs::path p = dir / "out.KMD";
    Put(p, "the old output");
    std::string error;
    ASSERT_TRUE(kmd::WriteFileAtomically(kmd::Utf8Path(p), std::vector<std::uint8_t>{1, 2, 3}, error)) << error;
    EXPECT_EQ(Slurp(p), "\x01\x02\x03");
#ifdef _WIN32
    HANDLE reader = ::CreateFileW(p.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(kmd::WriteFileAtomically(kmd::Utf8Path(p), std::vector<std::uint8_t>{4, 5}, error));
    EXPECT_FALSE(error.empty());
    ::CloseHandle(reader);
    EXPECT_EQ(Slurp(p), "\x01\x02\x03");
    EXPECT_EQ(Entries(dir), (Names{"out.KMD", "w"}));
#endif
}

TEST_F(AtomicOutputTest, FolderAsOutputFailsAndLeavesNothing) {
    fs::create_directory(dir / "sub");
    Names before = Entries(dir);
    for (const fs::path& p : {dir / "sub", dir / "sub/", dir / "missing/out.KMD"}) {
        std::string error;
        EXPECT_FALSE(kmd::WriteFileAtomically(p.string(), std::vector<std::uint8_t>{1, 2, 3}, error)) << p;
        EXPECT_FALSE(error.empty()) << p;
        EXPECT_EQ(Entries(dir), before) << p;
        EXPECT_TRUE(fs::is_empty(dir / "sub")) << p;
    }
}

}  // namespace
