// main.cpp: the entry function: single-instance guard, application object,
// main window and message loop. The command line is ignored (the toolkit may
// still read its own options from it).
#include "classlib/application.h"
#include "classlib/exception.h"
#include "classlib/xpm.h"
#include "forms/FR0010MN.h"
#include "resources/pictures.h"
#include "shell/instance_guard.h"

namespace {

// The icon's pictures, their colour None transparent.
void SetProgramIcon() {
  std::vector<platform::MaskedGlyph> sizes;
  for (const char* name : {"mainicon16", "mainicon32", "mainicon48"}) {
    sizes.push_back(platform::MaskFromColor(classlib::DecodeXpm(resources::Xpm(name), classlib::clFuchsia),
                                            classlib::clFuchsia));
  }
  classlib::Application->SetIcon(sizes);
}

}  // namespace

int main(int argc, char** argv) {
  shell::InstanceGuard guard;
  // Another copy runs: leave at once, showing nothing and leaving it alone.
  if (guard.AnotherCopyRuns()) return 0;

  try {
    classlib::Application->Initialize(argc, argv);
    classlib::Application->SetTitle("Tessra");
    // The toolkit's own dialogs in Japanese like the rest; without the file
    // they stay in English.
    classlib::Application->SetToolkitLanguage("ja");
    SetProgramIcon();
    classlib::Application->SetDesktopEntry("io.github.tessra.Tessra");
    classlib::Application->CreateForm(FrmFR0010MN);
    classlib::Application->Run();
  } catch (classlib::Exception& e) {
    classlib::Application->ShowException(e);
  }
  // The main window goes while the toolkit is still up (its destruction
  // handler frees the bitmaps), then the toolkit, before static destruction.
  classlib::Application->Finalize();
  guard.Release();
  return 0;
}
