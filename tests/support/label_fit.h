#pragma once

// Whether the captions of a form's labels show whole in the font they are
// drawn in.

#include "platform/form.h"

#include <string>
#include <vector>

namespace olm::testing {

// The labels of the form (shown or not) whose caption does not show whole in
// their box, each as its caption, the room it needs and the room it has; a
// label that breaks its lines needs the height of its lines at its width.
std::vector<std::string> labelsCutShort(const platform::Form& form);

} // namespace olm::testing
