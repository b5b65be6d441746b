// The real main window, built in the test process from the program's own table and
// bindings, so its handlers can be watched from the inside.
#pragma once

#include <memory>

#include "platform/form.h"
#include "shell/app.h"
#include "shell/main_window.h"

class MainWindowFixture {
 public:
  MainWindowFixture() : form(std::make_unique<Form>(MainWindowSpec())) {
    BindMainWindowEvents(*form);
    form->Create(false);
    form->Show();
  }
  std::unique_ptr<Form> form;
};
