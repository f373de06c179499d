// main.cpp: the entry function: single-instance guard, application object,
// main window and message loop. The command line is ignored (the toolkit may
// still read its own options from it).
#include <QGuiApplication>
#include <QIcon>
#include <QLibraryInfo>

#include "classlib/application.h"
#include "classlib/qt/qstring.h"
#include "classlib/exception.h"
#include "forms/FR0010MN.h"
#include "shell/instance_guard.h"

int main(int argc, char** argv) {
  shell::InstanceGuard guard;
  // Another copy runs: leave at once, showing nothing and leaving it alone.
  if (guard.AnotherCopyRuns()) return 0;

  try {
    classlib::Application->Initialize(argc, argv);
    classlib::Application->SetTitle("Tessra");
    // The toolkit's own dialogs in Japanese like the rest; without the file
    // they stay in English.
    classlib::Application->SetToolkitLanguage(
        "ja", classlib::FromQString(QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    QIcon icon(QStringLiteral(":/mainicon16.xpm"));
    icon.addFile(QStringLiteral(":/mainicon32.xpm"));
    icon.addFile(QStringLiteral(":/mainicon48.xpm"));
    classlib::Application->SetIcon(icon);
    // Lets the desktop match the window to the installed menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.tessra.Tessra"));
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
