#include "excerpt.h"

#include <cstdio>

namespace daxo::tools {

std::string excerpt(std::string_view text, std::size_t most)
{
    std::string shown(1, '"');
    for (const char c : text.substr(0, most)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '"' || byte == '\\') {
            shown += '\\';
            shown += c;
        } else if (byte >= 0x20 && byte < 0x7f) {
            shown += c;
        } else {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
            shown += escaped;
        }
    }
    shown += '"';
    if (text.size() > most)
        shown += "... (" + std::to_string(text.size()) + " bytes)";
    return shown;
}

} // namespace daxo::tools
