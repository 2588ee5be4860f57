// "Funcshun", "TV", "Spectra", "History", "LA" and "MD": legacy layouts in,
// current layout out.
#include "tables/functions.h"

#include "legacy/functions.h"
#include "tables/table_io.h"

namespace kmd {

namespace {

// P, Q and R are brought to S, S to the current record.
constexpr Layout<FunctionRecord> kFunctionLayouts[] = {
    UpTo<FunctionFixed, Chain<ImportFunctionFixed, ImportFunctionP, ImportFunctionS>>(kFunctionFixedUpTo),
    UpTo<FunctionP, Chain<ImportFunctionP, ImportFunctionS>>(kFunctionPUpTo),
    UpTo<FunctionQ, Chain<ImportFunctionQ, ImportFunctionS>>(kFunctionQUpTo),
    UpTo<FunctionR, Chain<ImportFunctionR, ImportFunctionS>>(kFunctionRUpTo),
    UpTo<FunctionS, ImportFunctionS>(kFunctionSUpTo),
    UpTo<FunctionT, ImportFunctionT>(kFunctionTUpTo),
    Newest<FunctionRecord>(),
};

constexpr Layout<SpectraRecord> kSpectraLayouts[] = {
    UpTo<HistoryFixed, Chain<ImportHistoryFixed, ImportSpectraFromHistory>>(kSpectraFixedUpTo),
    UpTo<HistoryRecord, ImportSpectraFromHistory>(kSpectraAsHistoryUpTo),
    Newest<SpectraRecord>(),
};

constexpr Layout<HistoryRecord> kHistoryLayouts[] = {
    UpTo<HistoryFixed, ImportHistoryFixed>(kHistoryFixedUpTo),
    Newest<HistoryRecord>(),
};

}  // namespace

void ReadFunctionTables(Reader& in, Conversion& cv) {
    FunctionData& d = cv.model.functions;
    ReadTable(in, cv, d.Funcshun, kFunctionLayouts);
    ReadTable(in, cv, d.TV);
    ReadTable(in, cv, d.Spectra, kSpectraLayouts);
    ReadTable(in, cv, d.History, kHistoryLayouts);
    ReadTable(in, cv, d.LA);
    ReadTable(in, cv, d.MD);
}

void WriteFunctionTables(Writer& out, const Conversion& cv) {
    const FunctionData& d = cv.model.functions;
    WriteTable(out, d.Funcshun);
    WriteTable(out, d.TV);
    WriteTable(out, d.Spectra);
    WriteTable(out, d.History);
    WriteTable(out, d.LA);
    WriteTable(out, d.MD);
}

void ReadBackFunctionTables(Reader& in, Conversion& cv) {
    FunctionData& d = cv.model.functions;
    ReadCurrentTable(in, cv, d.Funcshun);
    ReadCurrentTable(in, cv, d.TV);
    ReadCurrentTable(in, cv, d.Spectra);
    ReadCurrentTable(in, cv, d.History);
    ReadCurrentTable(in, cv, d.LA);
    ReadCurrentTable(in, cv, d.MD);
}

}  // namespace kmd
