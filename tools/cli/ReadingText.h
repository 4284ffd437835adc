#pragma once

#include <string>

#include "link/Reading.h"

namespace voltaro::cli {

// Single-byte (Latin-1) text as UTF-8.
std::string Latin1ToUtf8(const std::string& text);

// The reading for people, UTF-8: "-204.7 mV", "250.0 KΩ", "1.234 µF", "OL"; the number with
// the decimals the meter shows in that range.
std::string ValueText(const Reading& reading);

// One line of plain output: the value with its unit, then coupling, range mode and special mode
// where they are set, separated by two blanks.
std::string PlainLine(const Reading& reading);

// One JSON object with the Reading's fields; texts converted from Latin-1 to UTF-8.
std::string JsonObject(const Reading& reading);

}  // namespace voltaro::cli
