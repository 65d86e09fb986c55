// Compiled, never run, by the hifz_handle_check_* tests: HIFZ_KIND and
// HIFZ_HANDLE are a control's class and a handle given to the main window. Only
// right pairs may compile, so a wrong name, class or index fails the build.
#include "dialog/msg_form.h"
#include "shell/form1.h"

namespace hifz {

HIFZ_KIND& checkedControl(Form1& form) { return form[HIFZ_HANDLE]; }

}  // namespace hifz
