// SPDX-License-Identifier: MIT
#pragma once

namespace rt::qt {

/// What screen readers see beyond Qt's own: each printing area as one read-only text whose
/// name is the printed text (no children), each label of a form named by its caption (even an
/// empty one), and each main window as a frame named by its title. Call once per application.
void install_accessibility();

}  // namespace rt::qt
