// The program as users run it: command line, exit status, output replacement.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "driver/platform.h"
#include "driver/run.h"
#include "fileformat/file_io.h"
#include "support/bytes.h"
#include "support/json.h"
#include "support/process.h"
#include "tools/example_sections.h"

namespace fs = std::filesystem;
using kmdtest::Bytes;

namespace {

struct Result {
    int status;
    std::string err;
    std::string out;
};

class RunTest : public ::testing::Test {
protected:
    void SetUp() override {
#ifdef _WIN32
        // The argument-string form shows its messages on standard error, not in a box.
        ::SetEnvironmentVariableW(L"KMDCONVERT_MESSAGES", L"stderr");
#endif
        dir = fs::temp_directory_path() /
              ("kmdrun-" + kmdtest::ProcessId() + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    // Runs the program with the shell-quoted arguments; standard input is not a terminal.
    Result Run(const std::string& args) {
        std::vector<std::string> argv = kmdtest::ShellWords(args);
        argv.insert(argv.begin(), KMDCONVERT_EXE);
        kmdtest::ProcessResult p = kmdtest::RunProgram(argv, dir);
        return {p.status, p.err, p.out};
    }
    static std::string Slurp(const fs::path& p) { return kmdtest::Slurp(p); }
    void Put(const fs::path& p, const std::vector<std::uint8_t>& b) {
        fs::create_directories(p.parent_path());
        std::ofstream f(p, std::ios::binary);
        f.write(reinterpret_cast<const char*>(b.data()), std::streamsize(b.size()));
    }
    static std::vector<std::uint8_t> Example(const char* version = nullptr, std::uint64_t seed = 1) {
        kmd::Writer out;
        kmd::example::ExampleOptions o;
        if (version) o.versionText = version;
        o.seed = seed;
        kmd::example::WriteExampleLegacyFile(out, o);
        return out.TakeBuffer();
    }
    // Runs the program with the arguments as they stand (the last one unquoted on Windows).
    Result RunArgs(std::vector<std::string> args, bool quoteLast = true) {
        args.insert(args.begin(), KMDCONVERT_EXE);
        kmdtest::ProcessResult p = kmdtest::RunProgram(args, dir, quoteLast);
        return {p.status, p.err, p.out};
    }
    // A relative path as the program joins folder and name.
    static std::string Native(const char* path) { return kmd::Utf8Path(fs::path(path).make_preferred()); }
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

// 200 files of ten versions in nested folders, one damaged and one already in
// the current layout, converted four at a time.
TEST_F(RunTest, BatchConvertsNestedFoldersInParallelWithASummary) {
    const char* versions[] = {"7.0", "7.5", "7.985", "8.0151", "8.3", "8.5", "8.9", "9.0015", "9.5", "9.74"};
    for (int i = 0; i < 198; ++i)
        Put(dir / "in" / ("v" + std::to_string(i % 10)) / (i % 3 ? "deep" : ".") / ("m" + std::to_string(i) + ".KMD"),
            Example(versions[i % 10], std::uint64_t(i)));
    auto bad = Example("8.5");
    bad.resize(bad.size() / 2);
    Put(dir / "in" / "bad.kmd", bad);
    Put(dir / "current.KMD", Example());
    ASSERT_EQ(Run("--yes current.KMD in/v9/current.Kmd").status, 0);
    Put(dir / "in" / "notes.txt", {1});

    Result r = Run("--yes -r -j 4 --out-dir out in");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("kmdconvert: 200 files: 198 converted, 1 skipped (1 already current), 1 failed\n"
                         "  failed: " + Native("in/bad.kmd") + ": Corrupt or truncated model file"),
              std::string::npos)
        << r.err;
    ASSERT_EQ(Run("--yes in/v3/deep/m13.KMD conv13.KMD").status, 0);
    EXPECT_EQ(Slurp(dir / "out" / "v3" / "deep" / "m13.KMD"), Slurp(dir / "conv13.KMD"));
    EXPECT_FALSE(fs::exists(dir / "out" / "bad.kmd"));
    EXPECT_FALSE(fs::exists(dir / "out" / "v9" / "current.Kmd"));

    // Up to date now, unless forced; without -r only the top folder.
    Result again = Run("--yes -r --out-dir=out in");
    EXPECT_NE(again.err.find("200 files: 0 converted, 199 skipped (1 already current), 1 failed"), std::string::npos)
        << again.err;
    EXPECT_NE(Run("--yes -r --force -j2 --out-dir out in").err.find("198 converted"), std::string::npos);
    EXPECT_NE(Run("--yes --out-dir out in").err.find("1 files: 0 converted, 0 skipped (0 already current), 1 failed"),
              std::string::npos);
    EXPECT_EQ(Run("--yes --out-dir out in/v1").status, 0);
}

TEST_F(RunTest, InPlaceKeepsTheOriginalBesideIt) {
    Put(dir / "a.KMD", Example("8.5"));
    Put(dir / "b.KMD", Example("9.5"));
    const std::string original = Slurp(dir / "a.KMD");
    Result r = Run("--yes --in-place a.KMD b.KMD");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Slurp(dir / "a.KMD.bak"), original);
    EXPECT_NE(Slurp(dir / "a.KMD"), original);
    EXPECT_NE(Run("--yes --in-place a.KMD").err.find("1 skipped (1 already current)"), std::string::npos);
    EXPECT_EQ(Run("--yes --in-place --no-backup c.KMD").status, 1);
    Put(dir / "c.KMD", Example("7.5"));
    EXPECT_EQ(Run("--yes --in-place --no-backup c.KMD").status, 0);
    EXPECT_FALSE(fs::exists(dir / "c.KMD.bak"));
    EXPECT_EQ(Run("--in-place --out-dir x a.KMD").status, 2);
}

TEST_F(RunTest, JsonReportOfAnOlderAndANewerFile) {
    Put(dir / "in" / "old.KMD", Example("7.5"));
    Put(dir / "in" / "new.KMD", Example("9.5"));
    Result r = Run("--yes --out-dir out --report rep.json --report-format json in");
    ASSERT_EQ(r.status, 0) << r.err;
    const auto report = kmdtest::Json::Parse(Slurp(dir / "rep.json"));
    const auto& files = report["files"];
    ASSERT_EQ(files.items.size(), 2u);
    const auto& nw = files[0];
    const auto& old = files[1];
    EXPECT_EQ(old["input"].string, Native("in/old.KMD"));
    EXPECT_EQ(old["output"].string, Native("out/old.KMD"));
    EXPECT_EQ(old["status"].string, "converted");
    EXPECT_EQ(old["version_text"].string, "7.5");
    EXPECT_EQ(old["version"].number, 7.5);
    EXPECT_EQ(nw["version"].number, 9.5);
    auto find = [](const kmdtest::Json& list, const char* key, const std::string& name) -> const kmdtest::Json* {
        for (const auto& item : list.items)
            if (item[key].string == name) return &item;
        return nullptr;
    };
    const auto* stories = find(old["layouts"], "table", "Story");
    ASSERT_TRUE(stories);
    EXPECT_EQ((*stories)["form"].number, 1);
    EXPECT_EQ((*stories)["range"].string, "at most 7.985");
    ASSERT_TRUE(find(nw["layouts"], "table", "Story"));
    EXPECT_EQ((*find(nw["layouts"], "table", "Story"))["range"].string, "above 7.985");
    ASSERT_TRUE(find(old["tables"], "table", "Story"));
    EXPECT_GT((*find(old["tables"], "table", "Story"))["records"].number, 0);
    EXPECT_TRUE(find(old["dropped"], "what", "window records"));
    EXPECT_FALSE(old["filled"].items.empty());
    EXPECT_EQ(old["tables"].items.size(), nw["tables"].items.size());
}

TEST_F(RunTest, InspectAndVerify) {
    Put(dir / "old.KMD", Example("8.3"));
    Result v = Run("--yes --verify old.KMD new.KMD");
    ASSERT_EQ(v.status, 0) << v.err;
    Result legacy = Run("inspect --json old.KMD"), current = Run("inspect --json new.KMD");
    ASSERT_EQ(legacy.status, 0) << legacy.err;
    ASSERT_EQ(current.status, 0) << current.err;
    const auto a = kmdtest::Json::Parse(legacy.out)["files"][0], b = kmdtest::Json::Parse(current.out)["files"][0];
    EXPECT_EQ(a["layout"].string, "legacy");
    EXPECT_EQ(b["layout"].string, "current");
    EXPECT_EQ(b["version_text"].string, "9.72");
    ASSERT_EQ(a["tables"].items.size(), b["tables"].items.size());
    for (std::size_t i = 0; i < a["tables"].items.size(); ++i) {
        EXPECT_EQ(a["tables"][i]["table"].string, b["tables"][i]["table"].string);
        EXPECT_EQ(a["tables"][i]["records"].number, b["tables"][i]["records"].number);
    }
    Result text = Run("-v --yes old.KMD again.KMD");
    EXPECT_NE(text.err.find("legacy file of KALDO, version 8.3"), std::string::npos) << text.err;
    EXPECT_NE(text.err.find("  records:\n"), std::string::npos);
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

// The bundled example under a name with blanks and non-ASCII letters, in
// both forms; on Windows also as the host program passes it (no quotes,
// backslashes, drive letter). Every output is the expected file.
TEST_F(RunTest, BundledExampleInEveryFormUnderAnyName) {
    const fs::path examples = fs::path(KMD_SOURCE_DIR) / "examples";
    const fs::path in = dir / fs::path(u8"mödel 7 ü.KMD");
    fs::copy_file(examples / "example.KMD", in);
    const std::string expected = Slurp(examples / "example.converted.KMD");
    auto at = [&](const char* name) { return kmd::Utf8Path(dir / kmd::PathFromUtf8(name)); };
    EXPECT_EQ(RunArgs({kmd::Utf8Path(in), at("out ä.KMD")}).status, 0);
    EXPECT_EQ(RunArgs({"KALDO| |" + kmd::Utf8Path(in) + "|" + at("out ö.KMD")}).status, 0);
    std::vector<std::string> outputs = {"out ä.KMD", "out ö.KMD"};
#ifdef _WIN32
    EXPECT_EQ(RunArgs({"-y", " KALDO | |" + kmd::Utf8Path(in) + "|" + at("out ü.KMD") + " "}, false).status, 0);
    outputs.push_back("out ü.KMD");
#endif
    for (const std::string& name : outputs) EXPECT_TRUE(Slurp(dir / kmd::PathFromUtf8(name)) == expected) << name;
    EXPECT_EQ(RunArgs({kmd::Utf8Path(dir / "none.KMD"), at("x.KMD")}).status, 1);
}

// The host's one argument string shows its messages and its question in the
// message box; the ordinary form does not use it.
TEST_F(RunTest, ArgumentStringFormUsesTheMessageBox) {
    struct Shown {
        std::string title, text;
        kmd::MessageStyle style;
    };
    std::vector<Shown> shown;
    bool pressOk = false;
    kmd::MessageBoxFunction box = [&](const std::string& title, const std::string& text, kmd::MessageStyle style) {
        shown.push_back({title, text, style});
        return pressOk;
    };
    auto run = [&](std::vector<std::string> args) {
        shown.clear();
        args.insert(args.begin(), "kmdconvert");
        return kmd::Main(args, box);
    };
    Put(dir / "old.KMD", Example("8.5"));
    const std::string in = kmd::Utf8Path(dir / "old.KMD"), out = kmd::Utf8Path(dir / "new.KMD");
    const std::string none = kmd::Utf8Path(dir / "none.KMD");
    // Cancel: not converted; the question was the only box.
    EXPECT_EQ(run({"KALDO| |" + in + "|" + out}), 1);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, "KALDO");
    EXPECT_EQ(shown[0].style, kmd::MessageStyle::ExclamationOkCancel);
    EXPECT_NE(shown[0].text.find("file is being opened in Version"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir / "new.KMD"));
    // OK: converted.
    pressOk = true;
    EXPECT_EQ(run({"KALDO| |" + in + "|" + out}), 0);
    EXPECT_EQ(shown.size(), 1u);
    EXPECT_TRUE(fs::exists(dir / "new.KMD"));
    // --yes answers; a failure is one box of style 48.
    EXPECT_EQ(run({"--yes", "KALDO| |" + none + "|" + out}), 1);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].style, kmd::MessageStyle::Exclamation);
    EXPECT_EQ(shown[0].text, "Can not Open File " + none);
    EXPECT_EQ(run({"--yes", none, out}), 1);
    EXPECT_TRUE(shown.empty());
}

TEST(WindowsCommandLine, SplitAsTheRuntimeAndTheHostsArgumentStringVerbatim) {
    using V = std::vector<std::string>;
    EXPECT_EQ(kmd::WindowsArguments(R"("C:\Program Files\k.exe" -y "a b.KMD" c\\"d" e\"f g\h)"),
              (V{R"(C:\Program Files\k.exe)", "-y", "a b.KMD", R"(c\d)", R"(e"f)", R"(g\h)"}));
    EXPECT_EQ(kmd::WindowsArguments(R"(k.exe KALDO| |C:\my models\old.KMD|C:\my models\new.KMD  )"),
              (V{"k.exe", R"(KALDO| |C:\my models\old.KMD|C:\my models\new.KMD)"}));
    EXPECT_EQ(kmd::WindowsArguments(R"(k.exe --yes --product P  KALDO | |C:\a  b\x.KMD|y.KMD)"),
              (V{"k.exe", "--yes", "--product", "P", R"(KALDO | |C:\a  b\x.KMD|y.KMD)"}));
    EXPECT_EQ(kmd::WindowsArguments(R"(k.exe -y | |a|b)"), (V{"k.exe", "-y", " | |a|b"}));
    EXPECT_EQ(kmd::WindowsArguments(R"(k.exe "KALDO| |C:\a b\x.KMD|y.KMD" --yes)"),
              (V{"k.exe", R"(KALDO| |C:\a b\x.KMD|y.KMD)", "--yes"}));
    EXPECT_EQ(kmd::WindowsArguments("k.exe"), (V{"k.exe"}));
}

}  // namespace
