#include "application_setup.h"

#include "fonts.h"
#include "print_surface.h"

namespace rt::qt {

void set_up_application(QApplication&) {
    PrintSurface::install_accessibility();
    QApplication::setFont(qt_font(default_font()));
}

}  // namespace rt::qt
