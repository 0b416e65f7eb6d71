#include "sheet.h"

namespace daxo {

std::string name(Cell c) { return "Text" + std::to_string(number(c)); }

std::string name(Button b) { return "Command" + std::to_string(number(b)); }

std::string name(Label l)
{
    switch (l) {
    case Label::Label1: return "Label1";
    case Label::Label17: return "Label17";
    case Label::Label18: return "Label18";
    case Label::Label19: return "Label19";
    case Label::Label20: return "Label20";
    }
    return {};
}

} // namespace daxo
