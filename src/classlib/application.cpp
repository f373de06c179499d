// application.cpp: the application object.
#include "classlib/application.h"

#include "classlib/form.h"
#include "classlib/msgdialog.h"

namespace classlib {
namespace {

TApplication& Instance() {
  static TApplication instance;
  return instance;
}

// Sets a flag for as long as it lives.
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = old_; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& flag_;
  bool old_;
};

}  // namespace

TApplication* Application = &Instance();

TApplication::TApplication() = default;

TApplication::~TApplication() = default;

void TApplication::Initialize(int& argc, char** argv) {
  backend::Initialize(argc, argv);
  terminated_ = false;
}

void TApplication::SetTitle(const TString& title) {
  title_ = title;
  backend::SetTitle(title);
}

void TApplication::SetIcon(std::span<const platform::MaskedGlyph> sizes) { backend::SetIcon(sizes); }

void TApplication::SetDesktopEntry(const TString& name) { backend::SetDesktopEntry(name); }

bool TApplication::SetToolkitLanguage(const TString& language, const TString& translations) {
  return backend::SetToolkitLanguage(language, translations);
}

void TApplication::AdoptForm(TForm* form) {
  if (mainForm_ == nullptr) mainForm_ = form;
}

void TApplication::Run() {
  if (terminated_ || mainForm_ == nullptr) return;
  mainForm_->Show();
  backend::RunLoop();
  terminated_ = true;
}

void TApplication::Terminate() {
  terminated_ = true;
  backend::QuitLoop();
}

bool TApplication::HookMessage(TMessage& message) {
  bool handled = false;
  if (OnMessage) OnMessage(message, handled);
  return handled;
}

void TApplication::ShowException(const Exception& e) {
  auto box = CreateMessageDialog(e.Message() + ".", TMsgDlgType::mtError);
  box->SetCaption(title_);
  box->ShowModal();
}

void TApplication::Minimize() {
  const FlagScope arranging(ArrangingWindows);
  backend::MinimizeAll();
}

void TApplication::Restore() {
  const FlagScope arranging(ArrangingWindows);
  backend::RestoreAll(mainForm_);
}

void TApplication::DestroyForms() {
  delete mainForm_;
  mainForm_ = nullptr;
}

void TApplication::Finalize() {
  DestroyForms();
  backend::Finalize();
}

}  // namespace classlib
