#pragma once

#include <QIcon>

namespace daxo {

// The icons of the language window: the flag of each language, drawn.
QIcon unionFlag();
QIcon frenchFlag();

} // namespace daxo
