#include "fileformat/legacy_reader.h"

#include <cstdlib>
#include <new>
#include <stdexcept>

#include "driver/messages.h"
#include "fileformat/encoding.h"
#include "fileformat/file_io.h"
#include "fileformat/steps.h"

namespace kmd {

bool IsVersionNumber(std::string_view text) {
    int periods = 0;
    for (char c : text) {
        if (c == '.') ++periods;
        else if (c != ' ' && (c < '0' || c > '9')) return false;
    }
    return periods < 2;
}

double ParseFileVersion(std::string& text) {
    text = TrimSpaces(text);
    if (IsVersionNumber(text)) {
        std::string digits;
        for (char c : text)
            if (c != ' ') digits += c;
        // Digits with at most one period: strtod reads them whole ("." and "" are 0).
        return digits.empty() ? 0.0 : std::strtod(digits.c_str(), nullptr);
    }
    if (text == "8.00 Beta") return 7.99;
    if (text == "8.00 Beta B") return 7.9902;
    return 0.0;
}

std::string VersionMessage(VersionMessageKind kind, const std::string& t, const RunState& run) {
    std::int32_t middle = kind == VersionMessageKind::TooNew    ? 12485
                          : kind == VersionMessageKind::Refused ? 12487
                                                                : 12488;
    std::string s = ResString(12484) + Spaces(1) + t + Spaces(1) + ResString(middle) + Spaces(1) +
                    run.CurrentVersionText + "." + run.LineBreak;
    if (kind == VersionMessageKind::OlderVersion)
        s += ResString(12489) + run.LineBreak + ResString(12490) + run.LineBreak + ResString(12491);
    else
        s += ResString(12486);
    return s;
}

std::optional<InputFile> OpenInputFile(const std::string& path) {
    auto data = InputFile::Open(path);
    if (!data || data->Bytes().empty()) {
        ShowMessage(ResString(11967) + path, MessageStyle::Exclamation);
        return std::nullopt;
    }
    return data;
}

namespace {

std::string HeaderField(Reader& in) {
    FixedString<16> f;
    in(f);
    return Trimmed(f);
}

ReadOutcome ReadTables(Reader& in, Conversion& cv, std::span<const ReadStep> steps, const ReadHooks& hooks) {
    try {
        for (std::size_t i = 0; i < steps.size(); ++i) {
            in.SetTable(steps[i].name);
            steps[i].fn(in, cv);
            if (hooks.afterStep) hooks.afterStep(i);
        }
        // Bytes after the trailer are not part of the model: reported, not read.
        // (Results that end the reading leave their records and the trailer.)
        if (in.Remaining() > 0 && !cv.model.results.EndedReading)
            ShowMessage("The model file holds " + std::to_string(in.Remaining()) +
                        " bytes after its end (byte offset " + std::to_string(in.Offset()) +
                        "); they were ignored.");
        return ReadOutcome::Loaded;
    } catch (const FormatError& e) {
        ShowMessage(e.Message());
    } catch (const MemoryLimitExceeded& e) {
        ShowMessage(FormatError(in.Table(), in.Offset(), e.what()).Message());
    } catch (const std::bad_alloc&) {
        ShowMessage("Not enough memory to read table \"" + in.Table() + "\" (byte offset " +
                    std::to_string(in.Offset()) + ").");
        return ReadOutcome::Failed;
    } catch (const std::exception& e) {
        ShowMessage(InternalErrorMessage("reading", in.Table(), e.what()));
        return ReadOutcome::Failed;
    }
    return ReadOutcome::Corrupt;
}

}  // namespace

ReadOutcome ReadLegacyModelFile(std::span<const std::uint8_t> file, Conversion& cv, LegacyHeader* out,
                                const ReadHooks& hooks) {
    return ReadLegacyModelFile(file, cv, out, LegacyReadSteps(), hooks);
}

ReadOutcome ReadLegacyModelFile(std::span<const std::uint8_t> file, Conversion& cv, LegacyHeader* out,
                                std::span<const ReadStep> steps, const ReadHooks& hooks) {
    cv.run.ModelLoaded = false;
    Reader in(file, hooks.input);
    in.SetTable("file header");
    LegacyHeader h;
    try {
        h.HeaderProgramName = HeaderField(in);
        if (h.HeaderProgramName != TrimSpaces(cv.run.ProgramName)) {
            ShowMessage(kInvalidFileMessage);
            return ReadOutcome::Invalid;
        }
        h.HeaderVersionText = HeaderField(in);
        h.FileVersion = ParseFileVersion(h.HeaderVersionText);
        h.HeaderSavedByText = h.FileVersion <= 8.015 ? h.HeaderVersionText : HeaderField(in);
    } catch (const FormatError& e) {
        ShowMessage(e.Message());
        return ReadOutcome::Corrupt;
    }
    if (out) *out = h;
    cv.FileVersion = h.FileVersion;

    const double v = h.FileVersion;
    const std::string& t = h.HeaderSavedByText;
    if (v > 9.745) {
        ShowMessage(VersionMessage(VersionMessageKind::TooNew, t, cv.run));
        return ReadOutcome::TooNew;
    }
    if (v <= 8.995 && v > 7.985 && v <= 7.995) {
        ShowMessage(VersionMessage(VersionMessageKind::Refused, t, cv.run));
        return ReadOutcome::Refused;
    }
    if (v <= 6.995) {
        ShowMessage(kInvalidFileMessage);
        return ReadOutcome::Invalid;
    }
    if (v <= 8.995 && !AskOkCancel(VersionMessage(VersionMessageKind::OlderVersion, t, cv.run)))
        return ReadOutcome::Declined;

    ReadOutcome result = ReadTables(in, cv, steps, hooks);
    if (result == ReadOutcome::Loaded) cv.run.ModelLoaded = true;
    return result;
}

}  // namespace kmd
