#include "driver/batch.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <iostream>
#include <map>
#include <mutex>
#include <optional>
#include <thread>

#include "driver/messages.h"
#include "driver/platform.h"
#include "fileformat/file_io.h"

namespace kmd {

namespace {

namespace fs = std::filesystem;

struct Job {
    fs::path input, output;
    FileReport report;
    bool done = false;  // decided before the run (skipped or failed)
};

bool IsModelFile(const fs::path& p) {
    std::string ext = Utf8Path(p.extension());
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return ext == ".kmd";
}

// Outputs are one file when their full paths are equal (on Windows in any letter case).
std::string OutputKey(const fs::path& p) {
    std::error_code ec;
    std::string key = Utf8Path(fs::weakly_canonical(p, ec));
#ifdef _WIN32
    std::transform(key.begin(), key.end(), key.begin(), [](unsigned char c) { return char(std::tolower(c)); });
#endif
    return key;
}

bool Inside(const fs::path& p, const fs::path& dir) {
    if (dir.empty()) return false;
    auto rel = p.lexically_relative(dir);
    return !rel.empty() && *rel.begin() != "..";
}

void Decided(Job& job, const char* status, std::string reason) {
    job.report.status = status;
    job.report.reason = std::move(reason);
    job.done = true;
}

// The files of the operands, each with its output path, in a stable order.
std::vector<Job> FindJobs(const BatchRequest& r) {
    std::vector<Job> jobs;
    std::error_code ec;
    const fs::path outDir = r.outDir.empty() ? fs::path() : fs::weakly_canonical(PathFromUtf8(r.outDir), ec);
    auto add = [&](const fs::path& input, const fs::path& rel) {
        Job job;
        job.input = input;
        job.output = r.inPlace ? input : PathFromUtf8(r.outDir) / rel;
        job.report.inputPath = Utf8Path(input);
        jobs.push_back(std::move(job));
    };
    for (const std::string& operand : r.operands) {
        const fs::path root = PathFromUtf8(operand);
        if (fs::is_directory(root, ec)) {
            std::vector<fs::path> found;
            auto consider = [&](const fs::directory_entry& e) {
                std::error_code fec;
                if (!e.is_regular_file(fec) || !IsModelFile(e.path())) return;
                if (Inside(fs::weakly_canonical(e.path(), fec), outDir)) return;  // earlier outputs
                found.push_back(e.path());
            };
            if (r.recursive) {
                for (fs::recursive_directory_iterator it(root, fs::directory_options::skip_permission_denied, ec), end;
                     !ec && it != end; it.increment(ec))
                    consider(*it);
            } else {
                for (fs::directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec)) consider(*it);
            }
            std::sort(found.begin(), found.end());
            for (const fs::path& p : found) add(p, p.lexically_relative(root));
            if (ec) {
                add(root, root.filename());
                Decided(jobs.back(), "failed", "cannot read the folder: " + ec.message());
            }
        } else {
            add(root, root.filename());
            if (!fs::exists(root, ec)) Decided(jobs.back(), "failed", ResString(11967) + operand);
        }
    }
    // Two inputs must not write one output.
    std::map<std::string, std::size_t> outputs;
    for (Job& job : jobs) {
        if (job.done) continue;
        const std::string key = OutputKey(job.output);
        auto [it, fresh] = outputs.emplace(key, &job - jobs.data());
        if (!fresh) Decided(job, "failed", "its output " + Utf8Path(job.output) + " is also the output of " +
                                               Utf8Path(jobs[it->second].input));
    }
    return jobs;
}

// An output newer than its source is up to date.
bool UpToDate(const Job& job) {
    const auto out = LastWriteTime(Utf8Path(job.output));
    const auto in = out ? LastWriteTime(Utf8Path(job.input)) : std::nullopt;
    return in && *out > *in;
}

// Progress on standard error: one line updated in place on a terminal, a
// line per file otherwise.
class Progress {
public:
    Progress(std::size_t total) : total_(total), terminal_(StandardErrorIsTerminal()) {}

    void Started(const Job& job) {
        std::lock_guard lock(mutex_);
        if (terminal_) Line(Utf8Path(job.input));
    }
    void Finished(const Job& job) {
        std::lock_guard lock(mutex_);
        ++done_;
        if (job.report.status == "failed") ++failed_;
        if (terminal_) {
            Line(Utf8Path(job.input));
        } else {
            std::cerr << "kmdconvert: [" << done_ << "/" << total_ << "] " << job.report.status << ": "
                      << Utf8Path(job.input);
            if (job.report.status == "failed") std::cerr << ": " << job.report.reason;
            std::cerr << "\n";
        }
    }
    // Runs `f` with the progress line cleared (a question, the summary).
    template <class F>
    auto Aside(F f) {
        std::lock_guard lock(mutex_);
        if (terminal_) std::cerr << "\r\x1b[K" << std::flush;
        return f();
    }

private:
    void Line(const std::string& current) {
        std::cerr << "\r\x1b[K[" << done_ << "/" << total_ << "] " << failed_ << " failed  " << current
                  << std::flush;
    }

    std::mutex mutex_;
    std::size_t total_, done_ = 0, failed_ = 0;
    bool terminal_;
};

// The older-version question, asked once for the whole batch.
class AskOnce {
public:
    explicit AskOnce(Progress& progress) : progress_(progress) {}
    bool operator()(const std::string& question) {
        std::lock_guard lock(mutex_);
        if (!answer_)
            answer_ = progress_.Aside([&] {
                return AskOnTerminal(question + "\r\nThe answer holds for every file of this batch older than 9.0.");
            });
        return *answer_;
    }

private:
    Progress& progress_;
    std::mutex mutex_;
    std::optional<bool> answer_;
};

void Convert(Job& job, const BatchRequest& r, const ConvertOptions& options) {
    std::error_code ec;
    if (!r.inPlace) {
        fs::create_directories(job.output.parent_path(), ec);
        if (ec) return Decided(job, "failed", "cannot create " + Utf8Path(job.output.parent_path()) + ": " + ec.message());
    }
    ConvertOptions o = options;
    if (r.inPlace && r.backup) o.backupPath = Utf8Path(job.input) + ".bak";
    ConversionResult result = ConvertFile(Utf8Path(job.input), Utf8Path(job.output), o);
    job.report = std::move(result.report);
    if (result.outcome == Outcome::AlreadyCurrent) job.report.reason = "the file is in the current layout";
}

void Summary(const std::vector<Job>& jobs) {
    std::size_t converted = 0, skipped = 0, current = 0, failed = 0;
    for (const Job& job : jobs) {
        const std::string& s = job.report.status;
        if (s == "converted") ++converted;
        else if (s == "failed") ++failed;
        else ++skipped, current += s == "already current";
    }
    std::cerr << "kmdconvert: " << jobs.size() << " files: " << converted << " converted, " << skipped
              << " skipped (" << current << " already current), " << failed << " failed\n";
    for (const Job& job : jobs)
        if (job.report.status == "failed")
            std::cerr << "  failed: " << Utf8Path(job.input) << ": " << job.report.reason << "\n";
}

}  // namespace

std::vector<FileReport> RunBatch(const BatchRequest& r) {
    std::vector<Job> jobs = FindJobs(r);
    for (Job& job : jobs)
        if (!job.done && !r.inPlace && !r.force && UpToDate(job))
            Decided(job, "skipped", "the output is newer than its source");

    Progress progress(jobs.size());
    AskOnce ask(progress);
    ConvertOptions options = r.options;
    if (r.answerYes)
        options.confirmOlderVersion = [](const std::string&) { return true; };
    else if (StandardInputIsTerminal())
        options.confirmOlderVersion = std::ref(ask);

    std::atomic<std::size_t> next{0};
    auto work = [&] {
        for (std::size_t i; (i = next++) < jobs.size();) {
            Job& job = jobs[i];
            if (!job.done) {
                progress.Started(job);
                Convert(job, r, options);
            }
            progress.Finished(job);
        }
    };
    unsigned n = r.jobs ? r.jobs : std::max(1u, std::thread::hardware_concurrency());
    n = unsigned(std::min<std::size_t>(n, jobs.size()));
    std::vector<std::thread> workers;
    for (unsigned k = 1; k < n; ++k) workers.emplace_back(work);
    work();
    for (std::thread& t : workers) t.join();

    progress.Aside([&] { Summary(jobs); });
    std::vector<FileReport> reports;
    for (Job& job : jobs) reports.push_back(std::move(job.report));
    return reports;
}

}  // namespace kmd
