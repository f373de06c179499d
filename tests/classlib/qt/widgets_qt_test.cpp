// widgets_qt_test.cpp: what only the Qt peers do: the grid's repaint that
// leaves the widgets beneath it alone, the speed button that takes no focus,
// and Qt's own dialogs in Japanese from Qt's translation.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QEvent>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QLocale>
#include <QPushButton>
#include <QPainter>
#include <QStyle>
#include <QTemporaryDir>
#include <QTranslator>

#include "classlib/application.h"
#include "classlib/drawgrid.h"
#include "classlib/form.h"
#include "classlib/msgdialog.h"
#include "classlib/qt/peers.h"
#include "classlib/speedbutton.h"
#include "support/driver.h"

namespace classlib {
namespace {

// Repaint puts the composed cells on the screen without Qt painting the
// grid's edge or the widgets beneath it again.
TEST(GridWidget, RepaintPaintsTheCellsOnceAndLeavesTheHostAlone) {
  struct PaintCounter : QObject {
    int Paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
      Paints += event->type() == QEvent::Paint;
      return false;
    }
  } hostPaints, gridPaints, viewportPaints;
  TForm host(nullptr);
  host.SetClientSize(300, 300);
  auto* grid = new TDrawGrid(&host);
  grid->SetDefaultColWidth(48);
  grid->SetDefaultRowHeight(48);
  grid->SetBounds(0, 0, 245, 245);
  int cellsDrawn = 0;
  grid->OnDrawCell = [&](TObject*, int, int, TRect, TGridDrawState) { ++cellsDrawn; };
  ASSERT_TRUE(testdriver::ShowAndWait(&host));
  testdriver::ProcessEvents();
  auto* area = static_cast<QAbstractScrollArea*>(WidgetOf(*grid));
  ContainerOf(host)->installEventFilter(&hostPaints);
  area->installEventFilter(&gridPaints);
  area->viewport()->installEventFilter(&viewportPaints);
  cellsDrawn = 0;
  grid->Repaint();
  EXPECT_EQ(std::pair(cellsDrawn, viewportPaints.Paints), std::pair(25, 1));
  EXPECT_EQ(gridPaints.Paints + hostPaints.Paints, 0);
  // The counters take themselves off the widgets as they are destroyed.
}

// A message box's icon is the style's own for its kind.
TEST(ImageWidget, ShowsTheStylesIconForTheBoxKind) {
  for (auto [type, icon] : {std::pair{TMsgDlgType::mtInformation, QStyle::SP_MessageBoxInformation},
                            {TMsgDlgType::mtWarning, QStyle::SP_MessageBoxWarning},
                            {TMsgDlgType::mtError, QStyle::SP_MessageBoxCritical}}) {
    const std::unique_ptr<TMessageForm> box = CreateMessageDialog("x", type);
    QWidget* shown = nullptr;
    for (TControl* control : box->Controls()) {
      if (dynamic_cast<TImage*>(control) != nullptr) shown = WidgetOf(*control);
    }
    ASSERT_NE(shown, nullptr);
    QImage expected(32, 32, QImage::Format_ARGB32_Premultiplied);
    expected.fill(shown->palette().color(QPalette::Window));
    QPainter(&expected).drawPixmap(0, 0, shown->style()->standardIcon(icon).pixmap(32, 32));
    EXPECT_EQ(shown->grab().toImage().convertToFormat(QImage::Format_RGB32),
              expected.convertToFormat(QImage::Format_RGB32))
        << static_cast<int>(type);
  }
}

TEST(SpeedButtonWidget, TakesNoFocus) {
  TForm host(nullptr);
  auto* button = new TSpeedButton(&host);
  EXPECT_EQ(WidgetOf(*button)->focusPolicy(), Qt::NoFocus);
}

// Qt's own file dialog takes its texts from Qt's Japanese translation; with
// the file missing it keeps its English ones. One text of each shows which.
TEST(Application, TheToolkitsDialogsSpeakJapaneseFromQtsTranslation) {
  const auto openText = [] {
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    return dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Open)->text();
  };
  QTemporaryDir noTranslations;
  EXPECT_FALSE(Application->SetToolkitLanguage("ja", noTranslations.path().toStdString()));
  EXPECT_EQ(openText(), QStringLiteral("&Open"));
  ASSERT_TRUE(Application->SetToolkitLanguage(
      "ja", QLibraryInfo::path(QLibraryInfo::TranslationsPath).toStdString()))
      << "Qt's translations (Debian package qt6-translations-l10n) are missing";
  EXPECT_EQ(openText(), QStringLiteral("開く(&O)"));
  qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator*>());
  QLocale::setDefault(QLocale::system());
}

}  // namespace
}  // namespace classlib
