// The JSON form of a parsed sheet. Keys are the record fields' names in their declared order.
#include "json_dump.hpp"

#include <utility>

namespace cuepad::cuetool {
namespace {

void appendEscape(std::string& out, unsigned char c) {
    static constexpr char kHex[] = "0123456789abcdef";
    out += "\\u00";
    out += kHex[c >> 4];
    out += kHex[c & 0x0F];
}

using Field = std::pair<const char*, const std::string*>;

void appendObject(std::string& out, const std::initializer_list<Field>& fields, const TextDecoder& decode,
                  std::string_view indent) {
    out += "{\n";
    bool first = true;
    for (const auto& [name, value] : fields) {
        if (!first) out += ",\n";
        first = false;
        out.append(indent).append("  \"").append(name).append("\": ").append(jsonString(*value, decode));
    }
    out.append("\n").append(indent).append("}");
}

}  // namespace

std::string jsonString(std::string_view text, const TextDecoder& decode) {
    const std::string decoded = decode ? decode(text) : std::string();
    const std::string_view source = decode ? std::string_view(decoded) : text;
    std::string out = "\"";
    for (const char ch : source) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '"') {
            out += "\\\"";
        } else if (c == '\\') {
            out += "\\\\";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c < 0x20 || c == 0x7F || (c >= 0x80 && !decode)) {
            appendEscape(out, c);
        } else {
            out += ch;
        }
    }
    out += '"';
    return out;
}

std::string dumpJson(const SheetHeader& header, const TrackList& tracks, const TextDecoder& decode) {
    std::string out = "{\n  \"compatible\": true,\n  \"header\": ";
    appendObject(out,
                 {{"catalog", &header.catalog},
                  {"performer", &header.performer},
                  {"title", &header.title},
                  {"file", &header.file},
                  {"date", &header.date},
                  {"genre", &header.genre},
                  {"comments", &header.comments}},
                 decode, "  ");
    out += ",\n  \"tracks\": [";
    bool first = true;
    for (const TrackEntry& track : tracks) {
        out += first ? "\n    " : ",\n    ";
        first = false;
        appendObject(out,
                     {{"trackLine", &track.trackLine},
                      {"title", &track.title},
                      {"performer", &track.performer},
                      {"otherLines", &track.otherLines},
                      {"remLines", &track.remLines},
                      {"indexLines", &track.indexLines}},
                     decode, "    ");
    }
    out += tracks.empty() ? "]\n}\n" : "\n  ]\n}\n";
    return out;
}

}  // namespace cuepad::cuetool
