// application_qt.cpp: the application's services on Qt: the QApplication,
// its loop, the program's name and icon, the toolkit's language, minimising
// and restoring every window, the button face and the open dialog.
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmap>
#include <QSettings>
#include <QTranslator>

#include "classlib/form.h"
#include "classlib/qt/peers.h"
#include "classlib/qt/qimage_bridge.h"

namespace classlib {
namespace {

std::unique_ptr<QApplication>& OwnApplication() {
  static std::unique_ptr<QApplication> app;
  return app;
}

// "description|pattern|..." as Qt's dialog takes it: one "description
// (patterns)" each.
QStringList NameFilters(const TString& filter) {
  const QStringList parts = ToQString(filter).split(QLatin1Char('|'));
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    const QString& description = parts[i];
    QString patterns = parts[i + 1];
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    // Qt reads the patterns from the parentheses at the end of the entry; a
    // description that already ends with them is shown as it stands.
    filters << (description.endsWith(QLatin1Char(')'))
                    ? description
                    : description + QStringLiteral(" (") + patterns + QLatin1Char(')'));
  }
  return filters;
}

}  // namespace

QWidget* WidgetOf(const TControl& control) {
  return dynamic_cast<QtWidgetPeer&>(control.Peer()).Widget();
}

QWidget* ContainerOf(const TWinControl& control) {
  return dynamic_cast<QtWidgetPeer&>(control.Peer()).Container();
}

namespace backend {

void Initialize(int& argc, char** argv) {
  // The program keeps no settings, and neither does the toolkit for it: its
  // file dialog would keep its history and last folder in the user's
  // configuration. Pointed below a file, the user scope can be neither
  // created nor read, so nothing is written and nothing earlier is used.
  for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
    QSettings::setPath(format, QSettings::UserScope, QStringLiteral("/dev/null/no-settings"));
  }
  if (QApplication::instance() == nullptr) OwnApplication() = std::make_unique<QApplication>(argc, argv);
}

void Finalize() { OwnApplication().reset(); }

void RunLoop() { QApplication::exec(); }

void QuitLoop() { QCoreApplication::quit(); }

void SetTitle(const TString& title) {
  QApplication::setApplicationDisplayName(QString());
  QApplication::setApplicationName(ToQString(title));
}

void SetIcon(std::span<const platform::MaskedGlyph> sizes) {
  QIcon icon;
  for (const platform::MaskedGlyph& size : sizes) icon.addPixmap(QPixmap::fromImage(ToQImage(size)));
  QApplication::setWindowIcon(icon);
}

void SetDesktopEntry(const TString& name) { QGuiApplication::setDesktopFileName(ToQString(name)); }

bool SetToolkitLanguage(const TString& languageText, const TString& translationsText) {
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

// There is no hidden application window here: each window is minimised and
// restored in turn.
void MinimizeAll() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->isVisible() && !(window->windowState() & Qt::WindowMinimized)) {
      window->setWindowState(window->windowState() | Qt::WindowMinimized);
    }
  }
}

void RestoreAll(TForm* first) {
  QList<QWidget*> windows = QApplication::topLevelWidgets();
  if (first != nullptr) {
    QWidget* main = WidgetOf(*first);
    windows.removeAll(main);
    windows.prepend(main);
  }
  for (QWidget* window : windows) {
    if (window->windowState() & Qt::WindowMinimized) {
      window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    }
  }
  if (QWidget* modal = QApplication::activeModalWidget()) modal->raise();
}

TColor ButtonFace() { return QApplication::palette().color(QPalette::Button).rgb() | 0xFF000000u; }

std::optional<TString> ChooseFile(const TString& title, const TString& filter, const TString& last) {
  // The desktop's own dialog where the platform theme offers one (a GNOME
  // or KDE session, the desktop portal), Qt's own otherwise.
  QFileDialog dialog(QApplication::activeWindow(), ToQString(title));
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setNameFilters(NameFilters(filter));
  if (!last.IsEmpty()) {
    const QString lastPath = ToQString(last);
    dialog.setDirectory(QFileInfo(lastPath).absolutePath());
    dialog.selectFile(lastPath);
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return FromQString(dialog.selectedFiles().constFirst());
}

}  // namespace backend
}  // namespace classlib
