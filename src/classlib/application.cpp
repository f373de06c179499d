// application.cpp: the application object.
#include "classlib/application.h"

#include <QApplication>
#include <QCursor>
#include <QIcon>
#include <QLibraryInfo>
#include <QPixmap>
#include <QLocale>
#include <QScopedValueRollback>
#include <QSettings>
#include <QTranslator>

#include "classlib/form.h"
#include "classlib/msgdialog.h"
#include "classlib/qt/qimage_bridge.h"
#include "classlib/qt/qstring.h"

namespace classlib {
namespace {

TApplication& Instance() {
  static TApplication instance;
  return instance;
}

}  // namespace

TApplication* Application = &Instance();

TApplication::TApplication() = default;

TApplication::~TApplication() = default;

void TApplication::Initialize(int& argc, char** argv) {
  // The program keeps no settings, and neither does the toolkit for it: its
  // file dialog would keep its history and last folder in the user's
  // configuration. Pointed below a file, the user scope can be neither
  // created nor read, so nothing is written and nothing earlier is used.
  for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
    QSettings::setPath(format, QSettings::UserScope, QStringLiteral("/dev/null/no-settings"));
  }
  if (QApplication::instance() == nullptr) qapp_ = std::make_unique<QApplication>(argc, argv);
  terminated_ = false;
}

void TApplication::SetTitle(const TString& title) {
  title_ = title;
  QApplication::setApplicationDisplayName(QString());
  QApplication::setApplicationName(ToQString(title));
}

void TApplication::SetIcon(std::span<const platform::MaskedGlyph> sizes) {
  QIcon icon;
  for (const platform::MaskedGlyph& size : sizes) icon.addPixmap(QPixmap::fromImage(ToQImage(size)));
  QApplication::setWindowIcon(icon);
}

void TApplication::SetDesktopEntry(const TString& name) { QGuiApplication::setDesktopFileName(ToQString(name)); }

bool TApplication::SetToolkitLanguage(const TString& languageText, const TString& translationsText) {
  const QString language = ToQString(languageText);
  const QString translations = translationsText.IsEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath)
                                                          : ToQString(translationsText);
  QLocale::setDefault(QLocale(language));
  // The one file by its name: no search through the system's locale names.
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (!translator->load(QStringLiteral("qtbase_") + language, translations)) {
    delete translator;
    return false;
  }
  QCoreApplication::installTranslator(translator);
  return true;
}

void TApplication::AdoptForm(TForm* form) {
  if (mainForm_ == nullptr) mainForm_ = form;
}

void TApplication::Run() {
  if (terminated_ || mainForm_ == nullptr) return;
  mainForm_->show();
  QApplication::exec();
  terminated_ = true;
}

void TApplication::Terminate() {
  terminated_ = true;
  QCoreApplication::quit();
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

// There is no hidden application window here: each window is minimised and
// restored in turn.
void TApplication::Minimize() {
  const QScopedValueRollback<bool> arranging(ArrangingWindows, true);
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->isVisible() && !(window->windowState() & Qt::WindowMinimized)) {
      window->setWindowState(window->windowState() | Qt::WindowMinimized);
    }
  }
}

void TApplication::Restore() {
  const QScopedValueRollback<bool> arranging(ArrangingWindows, true);
  QList<QWidget*> windows = QApplication::topLevelWidgets();
  if (mainForm_ != nullptr) {
    windows.removeAll(mainForm_);
    windows.prepend(mainForm_);
  }
  for (QWidget* window : windows) {
    if (window->windowState() & Qt::WindowMinimized) {
      window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    }
  }
  if (QWidget* modal = QApplication::activeModalWidget()) modal->raise();
}

void TApplication::DestroyForms() {
  delete mainForm_;
  mainForm_ = nullptr;
}

void TApplication::Finalize() {
  DestroyForms();
  qapp_.reset();
}

}  // namespace classlib
