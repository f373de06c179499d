// application.h: the application object: title, main form, message loop,
// message hook, hint timing and the standard exception report.
#pragma once

#include <functional>
#include <span>

#include "classlib/exception.h"
#include "classlib/messages.h"
#include "classlib/tstring.h"
#include "platform/raster.h"

namespace classlib {

class TForm;

// Sees each message that the loop takes before it is delivered; setting
// Handled stops the message there.
using TMessageEvent = std::function<void(TMessage& Msg, bool& Handled)>;

class TApplication {
 public:
  TApplication();
  ~TApplication();

  // Sets up the toolkit once; later calls do nothing.
  void Initialize(int& argc, char** argv);

  TString Title() const { return title_; }
  void SetTitle(const TString& title);
  // The icon every window of the program shows unless it has its own, in
  // the sizes given.
  void SetIcon(std::span<const platform::MaskedGlyph> sizes);
  // The name of the desktop entry that starts the program, so that the
  // desktop can match its windows to it.
  void SetDesktopEntry(const TString& name);
  // Makes the toolkit's own texts speak `language`, such as "ja", whatever
  // the system's language: the labels, buttons and tips of its dialogs from
  // its one translation file in `translations`, and the names it has from
  // the system, such as file kinds, through the default locale. Returns
  // false when the file is missing or unreadable; the dialogs then keep the
  // toolkit's English texts.
  // Empty `translations`: where the toolkit keeps its own.
  bool SetToolkitLanguage(const TString& language, const TString& translations = {});

  // Creates a form of class T, stores it in `ref`; the first form so created
  // becomes the main form. The application owns its forms.
  template <typename T>
  void CreateForm(T*& ref) {
    ref = new T(nullptr);
    AdoptForm(ref);
  }
  TForm* MainForm() const { return mainForm_; }

  // Runs the message loop until Terminate or the main form closes. Returns at
  // once when termination was requested before the loop started.
  void Run();
  void Terminate();
  bool Terminated() const { return terminated_; }

  // How long a tool tip stays up, in milliseconds.
  int HintHidePause() const { return hintHidePause_; }
  void SetHintHidePause(int ms) { hintHidePause_ = ms; }

  TMessageEvent OnMessage;
  // Offers a message to OnMessage; returns true when it was handled there.
  bool HookMessage(TMessage& message);

  // The standard report: a stop box with the message and "." appended,
  // captioned with the title.
  void ShowException(const Exception& e);

  // Minimises the program as a whole: every window of it that is shown, the
  // main form and any modal box alike, so that none is left on its own.
  void Minimize();
  // Brings every window of the program back, the main form first so that a
  // modal box comes up above it.
  void Restore();
  // Set while the program itself minimises or restores its windows, so that
  // the resulting state changes are not taken for new requests.
  bool ArrangingWindows = false;

  // Destroys the forms (the main form last) so that their destruction
  // handlers run while the application object still exists.
  void DestroyForms();

  // Destroys the forms, then tears down the toolkit that Initialize set up.
  // The program calls it before main returns: a toolkit cannot be torn down
  // from the static destruction of this object, once its own globals are gone.
  void Finalize();

 private:
  void AdoptForm(TForm* form);

  TString title_;
  TForm* mainForm_ = nullptr;
  bool terminated_ = false;
  int hintHidePause_ = 2500;
};

// The one application object.
extern TApplication* Application;

}  // namespace classlib
