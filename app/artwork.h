#pragma once

#include <QImage>
#include <QString>

// The main window's pictures, embedded as raw pixels made from the BMP files in assets/.
namespace artwork {

// The picture named `name` ("background", "knob_left", ...); null if there is none.
QImage picture(const QString& name);

} // namespace artwork
