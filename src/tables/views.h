// Named views, developed elevations and time functions: reader steps 23 and 24,
// writer step 20.
#pragma once

#include "driver/conversion.h"
#include "fileformat/encoding.h"
#include "legacy/views.h"
#include "model/views.h"

namespace kmd {

// Window records and named views (read and dropped).
void ReadWindowsAndNamedViews(Reader& in, Conversion& cv);
// Developed elevations, time functions, database named views and display options.
void ReadViewTables(Reader& in, Conversion& cv);
void WriteViewTables(Writer& out, const Conversion& cv);
void ReadBackViewTables(Reader& in, Conversion& cv);

// An old developed elevation, its points taken from the area it names.
DevElevRecord UpgradeDevElev(OldDevElevRecord&& old, const Conversion& cv);

}  // namespace kmd
