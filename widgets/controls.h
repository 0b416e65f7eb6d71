#pragma once

#include "twips.h"

#include <QString>
#include <QWidget>

namespace daxo {

// Creates a control of a fixed layout: its object name is the name the rest
// of the program knows it by, its geometry is given in twips.
template <typename Control>
Control* placeControl(QWidget* parent, const char* name, QRect geometry)
{
    auto* control = new Control(parent);
    control->setObjectName(QString::fromUtf8(name));
    control->setGeometry(geometry);
    return control;
}

} // namespace daxo
