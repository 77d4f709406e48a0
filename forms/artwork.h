#pragma once

#include <QIcon>
#include <QImage>
#include <QString>

// The main window's pictures, embedded as raw pixels made from the BMP files in assets/.
namespace artwork {

// The picture named `name` ("background", "knob_left", ...); null if there is none.
QImage picture(const QString& name);

// The icon every window of the program carries.
QIcon icon();

} // namespace artwork
