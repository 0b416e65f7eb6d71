#pragma once

#include <QIcon>

namespace daxo {

// The icons of the language window: the flag of each language, drawn.
QIcon unionFlag();
QIcon frenchFlag();

struct SpokenLanguage;
// The flag the language window shows for a language.
QIcon flagOf(const SpokenLanguage& language);

} // namespace daxo
