// Example base plate and connection blocks and view tables.
#pragma once

#include "fileformat/encoding.h"
#include "tools/example_objects.h"
#include "tools/example_sections.h"

namespace kmd::example {

// The base plate and the connection design blocks (reader steps 21 and 22) in
// the layouts of file version v: nothing below 8.1935.
void WriteExampleBasePlate(Writer& out, double v = kExampleFileVersion);

// Window records, named views, developed elevations, time functions, database
// named views and the display-options record (reader steps 23 and 24) of file
// version v; an old developed elevation names area 1 when `objects` has one.
void WriteExampleViews(Writer& out, double v = kExampleFileVersion, const ExampleObjectCounts& objects = {});

}  // namespace kmd::example
