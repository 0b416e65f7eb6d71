#pragma once

#include <optional>
#include <string_view>

namespace daxo {

enum class Language { French, English };

// The language a code switches to: "F" French, "E" English. Every other
// code, "D" and the empty code among them, switches no text.
inline std::optional<Language> languageOf(std::string_view code)
{
    if (code == "F")
        return Language::French;
    if (code == "E")
        return Language::English;
    return std::nullopt;
}

} // namespace daxo
