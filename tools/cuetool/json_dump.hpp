// The JSON form of a parsed sheet that `cuetool dump` prints.
#pragma once

#include "engine/sheet.hpp"

#include <functional>
#include <string>
#include <string_view>

namespace cuepad::cuetool {

// Turns a program text into the characters a JSON string shows: by default each byte b stands
// as the character U+00bb, so decoding the string as Latin-1 gives the bytes back; `--utf8`
// passes a decoder from code page 936 instead.
using TextDecoder = std::function<std::string(std::string_view)>;

std::string jsonString(std::string_view text, const TextDecoder& decode);
std::string dumpJson(const SheetHeader& header, const TrackList& tracks, const TextDecoder& decode);

}  // namespace cuepad::cuetool
