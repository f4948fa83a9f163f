#pragma once

// Everything a form needs: the form base and every control.

#include "platform/control.h"
#include "platform/control_array.h"
#include "platform/control_buttons.h"
#include "platform/control_frame.h"
#include "platform/control_lists.h"
#include "platform/control_text.h"
#include "platform/control_timer.h"
#include "platform/form.h"
