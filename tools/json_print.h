// JSON laid out for reading: one object member per line, an array of plain values
// (numbers, strings) on one line, any other array one entry per line. A profile's
// 24 buttons with up to 500 macro events each stay a file one can scroll through.
#pragma once

#include <string>

#include "tools/json_values.h"

namespace tesh {

// The text ends with a line break.
std::string PrettyJson(const Json& value);

}  // namespace tesh
