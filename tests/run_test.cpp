// The program as users run it: command line, exit status, output replacement.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "driver/run.h"
#include "support/bytes.h"
#include "tools/example_sections.h"

namespace fs = std::filesystem;
using kmdtest::Bytes;

namespace {

struct Result {
    int status;
    std::string err;
};

class RunTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("kmdrun-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    // Runs the program with the shell-quoted arguments; standard input is not a terminal.
    Result Run(const std::string& args) {
        std::string errFile = (dir / "stderr.txt").string();
        std::string cmd = std::string(KMDCONVERT_EXE) + " " + args + " </dev/null >/dev/null 2>" + errFile;
        int raw = std::system(cmd.c_str());
        Result r{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, Slurp(errFile)};
        fs::remove(errFile);
        return r;
    }
    static std::string Slurp(const fs::path& p) {
        std::ifstream f(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(f), {});
    }
    void Put(const fs::path& p, const std::vector<std::uint8_t>& b) {
        std::ofstream f(p, std::ios::binary);
        f.write(reinterpret_cast<const char*>(b.data()), std::streamsize(b.size()));
    }
    static std::vector<std::uint8_t> Example() {
        kmd::Writer out;
        kmd::example::WriteExampleLegacyFile(out);
        return out.TakeBuffer();
    }
    std::string P(const char* name) { return "'" + (dir / name).string() + "'"; }
    // Files in the folder besides the given ones (left-over temporaries).
    std::size_t Entries() { return std::size_t(std::distance(fs::directory_iterator(dir), fs::directory_iterator())); }

    fs::path dir;
};

TEST_F(RunTest, UsageErrorsExitTwo) {
    EXPECT_EQ(Run("").status, 2);
    EXPECT_EQ(Run("''").status, 2);
    EXPECT_EQ(Run("'KALDO| |only-three'").status, 2);
    EXPECT_EQ(Run("a b c").status, 2);
    EXPECT_EQ(Run("--bogus a b").status, 2);
    EXPECT_EQ(Run("--product").status, 2);
    Result r = Run("");
    EXPECT_NE(r.err.find("Usage: kmdconvert"), std::string::npos);
    EXPECT_EQ(Run("--help").status, 0);
    EXPECT_EQ(Run("--version").status, 0);
}

TEST_F(RunTest, ConvertsAndReplacesALongerOutputWhole) {
    Put(dir / "old.KMD", Example());
    Put(dir / "new.KMD", std::vector<std::uint8_t>(100000, 0x55));
    Result r = Run("--yes " + P("old.KMD") + " " + P("new.KMD"));
    EXPECT_EQ(r.status, 0) << r.err;
    std::string out = Slurp(dir / "new.KMD");
    EXPECT_EQ(out.substr(0, 15), std::string("\x05\x00KALDO\x04\x00" "9.72\x00\x00", 15));
    EXPECT_LT(out.size(), 100000u);  // no stale tail of the old file
    EXPECT_EQ(Entries(), 2u);
}

TEST_F(RunTest, ArgumentStringFormTrimsItsFields) {
    Put(dir / "old.KMD", Example());
    Result r = Run("-y '  KALDO  |anything|  " + (dir / "old.KMD").string() + "  | " + (dir / "new.KMD").string() +
                   " |extra|fields'");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(fs::exists(dir / "new.KMD"));
    // The product name must match the file's.
    EXPECT_EQ(Run("-y 'OTHER| |" + (dir / "old.KMD").string() + "|" + (dir / "x.KMD").string() + "'").status, 1);
    EXPECT_FALSE(fs::exists(dir / "x.KMD"));
}

TEST_F(RunTest, SamePathForInputAndOutput) {
    auto example = Example();
    Put(dir / "m.KMD", example);
    EXPECT_EQ(Run("-y " + P("m.KMD") + " " + P("m.KMD")).status, 0);
    std::string out = Slurp(dir / "m.KMD");
    EXPECT_EQ(out.substr(2, 5), "KALDO");
    EXPECT_EQ(Entries(), 1u);
}

TEST_F(RunTest, FailuresExitOneAndLeaveNoOutput) {
    // Missing and empty inputs.
    Result missing = Run(P("none.KMD") + " " + P("out.KMD"));
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("KALDO: Can not Open File " + (dir / "none.KMD").string()), std::string::npos);
    Put(dir / "empty.KMD", {});
    EXPECT_EQ(Run(P("empty.KMD") + " " + P("out.KMD")).status, 1);
    // Not a model file, too new, refused beta.
    Put(dir / "bad.KMD", Bytes::Legacy("9.5", "9.5", "SOMETHING").data);
    EXPECT_EQ(Run(P("bad.KMD") + " " + P("out.KMD")).status, 1);
    Put(dir / "new.KMD", Bytes::Legacy("9.8", "9.8", "KALDO").data);
    EXPECT_EQ(Run(P("new.KMD") + " " + P("out.KMD")).status, 1);
    Put(dir / "beta.KMD", Bytes::Legacy("8.00 Beta").data);
    EXPECT_EQ(Run("-y " + P("beta.KMD") + " " + P("out.KMD")).status, 1);
    // Truncated header.
    Put(dir / "trunc.KMD", Bytes().fixed("KALDO", 16).fixed("9.", 5).data);
    Result trunc = Run(P("trunc.KMD") + " " + P("out.KMD"));
    EXPECT_EQ(trunc.status, 1);
    EXPECT_NE(trunc.err.find("byte offset 16"), std::string::npos) << trunc.err;
    EXPECT_FALSE(fs::exists(dir / "out.KMD"));
    // An output in a missing folder.
    Put(dir / "ok.KMD", Example());
    Result noDir = Run("-y " + P("ok.KMD") + " " + P("nodir/out.KMD"));
    EXPECT_EQ(noDir.status, 1);
    EXPECT_NE(noDir.err.find("Can not Open File"), std::string::npos);
}

TEST_F(RunTest, CheckConvertsInMemoryAndWritesNothing) {
    Put(dir / "ok.KMD", Example());
    Put(dir / "bad.KMD", Bytes::Legacy("9.8", "9.8", "KALDO").data);
    Result ok = Run("--yes --check " + P("ok.KMD"));
    EXPECT_EQ(ok.status, 0) << ok.err;
    EXPECT_NE(ok.err.find("ok.KMD converts ("), std::string::npos) << ok.err;
    EXPECT_EQ(Run("--yes --check " + P("ok.KMD") + " " + P("bad.KMD")).status, 1);
    EXPECT_EQ(Run("--check").status, 2);
    EXPECT_EQ(Entries(), 2u);
}

TEST_F(RunTest, OlderVersionsNeedYesWithoutATerminal) {
    Put(dir / "old.KMD", Bytes::Legacy("8.5", "8.5", "KALDO").data);
    Put(dir / "out.KMD", {1, 2, 3});
    Result r = Run(P("old.KMD") + " " + P("out.KMD"));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("file is being opened in Version"), std::string::npos);
    EXPECT_NE(r.err.find("--yes"), std::string::npos);
    EXPECT_EQ(Slurp(dir / "out.KMD"), std::string("\x01\x02\x03", 3));  // untouched
}

TEST(ArgumentString, SplitAndTrim) {
    EXPECT_EQ(kmd::SplitArgumentString("a||b|").size(), 4u);
    auto r = kmd::ParseArgumentString(" KALDO | x |  in path | out ");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->ProgramName, "KALDO");
    EXPECT_EQ(r->InputPath, "in path");
    EXPECT_EQ(r->OutputPath, "out");
    EXPECT_FALSE(kmd::ParseArgumentString(""));
    EXPECT_FALSE(kmd::ParseArgumentString("KALDO| |in"));
    auto extra = kmd::ParseArgumentString("KALDO||in|out|more|fields");
    ASSERT_TRUE(extra);
    EXPECT_EQ(extra->OutputPath, "out");
}

}  // namespace
