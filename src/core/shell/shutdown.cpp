#include "shell/shutdown.h"

#include <memory>
#include <string>

#include "flash/fs_command.h"
#include "shell/change_res.h"
#include "shell/form1.h"

namespace hifz {
namespace {

void returnDisplay(Form1& form) {
  restoreStartUpMode(form);
  form.platform().display.releaseContext(form.state().DisplayDC);
}

void backToTopMenu(Form1& form) {
  form[form1::TopMenu].setVisible(true);
  form[form1::Picture12].setVisible(true);
  form[form1::Picture8].setVisible(true);
  form[form1::ExitMe].setVisible(false);
}

}  // namespace

void wireShutdown(Form1& form) {
  // A platform whose program end returns, or that closes the window twice, must
  // not get the display back a second time.
  auto ended = std::make_shared<bool>(false);

  form[form1::ExitMe].onFSCommand = [&form, ended](const std::string& command,
                                                   const std::string& args) {
    if (!isClick(command) || *ended) return;
    const std::string answer = lowerCased(args);
    if (answer == "1") {
      form.run(form1::DoingIt);
      returnDisplay(form);
      *ended = true;
      form.platform().windows.endProgram();
    } else if (answer == "0") {
      backToTopMenu(form);
    }
  };

  form.window().onUnload = [&form, ended] {
    if (*ended) return;
    *ended = true;
    returnDisplay(form);
  };
}

}  // namespace hifz
