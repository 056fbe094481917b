#pragma once

#include "core/UserInterface.h"

class QWidget;

namespace vd::gui {

// The about box: description, version and support contacts under the program's icon.
void ShowAboutBox(const AboutDialogArgs& args, QWidget* parent);

}  // namespace vd::gui
