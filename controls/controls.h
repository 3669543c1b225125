#pragma once
// Every control a form may declare.

#include "controls/check_box.h"
#include "controls/combo_box.h"
#include "controls/command_button.h"
#include "controls/common_dialog.h"
#include "controls/form.h"
#include "controls/frame.h"
#include "controls/label.h"
#include "controls/list_bar.h"
#include "controls/list_box.h"
#include "controls/list_view.h"
#include "controls/menu.h"
#include "controls/picture_box.h"
#include "controls/status_bar.h"
#include "controls/tab_control.h"
#include "controls/text_box.h"
#include "controls/timer.h"
