// session_driver.cpp: one whole session of the program, scripted and
// headless, for memory checkers: it opens every sample picture through the
// tool bar, deals, plays slides through the board's mouse events, opens a
// broken and a too small picture, shows the About box and closes the window,
// all inside the program's own message loop.
//
// Usage: session_driver [SLIDES]   (1000 when not given)
// Exit code 0 when every step did what it should, 1 otherwise.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

#include "classlib/application.h"
#include "classlib/qt/qstring.h"
#include "classlib/modal.h"
#include "classlib/msgdialog.h"
#include "forms/FR0000AB.h"
#include "forms/FR0010MN.h"
#include "soak/grid_player.h"
#include "support/driver.h"
#include "support/message_box.h"

using namespace classlib;

namespace {

int failures = 0;

void Expect(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "session_driver: FAILED: %s\n", what);
  ++failures;
}

// Queues an answer for the next box, which must show `text`.
void AnswerBox(const QString& text) {
  SetNextModalAnswer([text](TForm* window) {
    Expect(testsupport::ReadBox(window).Text == FromQString(text), "a box with the expected text");
    return mrOk;
  });
}

void OpenThroughToolBar(TFrmFR0010MN* window, const QString& path) {
  SetNextModalAnswer(classlib::FromQString(path));
  testdriver::Click(window->SpbOpen);
}

QString WritePicture(const QTemporaryDir& dir, const QString& name, int width, int height) {
  QImage picture(width, height, QImage::Format_RGB888);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) picture.setPixel(x, y, qRgb(x * 3 & 0xFF, y * 5 & 0xFF, 90));
  }
  const QString path = dir.filePath(name);
  Expect(QImageWriter(path, "bmp").write(picture), "writing a picture");
  return path;
}

void PlayAndRefuse(TFrmFR0010MN* window, const QTemporaryDir& dir, int slides) {
  TFrmFR0010MNView(window).SetClock([] { return std::int64_t{1700000000}; });
  testdriver::Click(window->SpbStart);
  Expect(TFrmFR0010MNView(window).Game().Playing, "Start deals a game");
  soak::GridPlayer player(window, 1);
  const std::string error = player.Play(slides);
  if (!error.empty()) std::fprintf(stderr, "session_driver: %s\n", error.c_str());
  Expect(error.empty(), "the slides keep the board's rules");

  // A picture cut short, and one too small: both refused, the game ended.
  const QString good = WritePicture(dir, QStringLiteral("whole.bmp"), 150, 150);
  QFile::copy(good, dir.filePath(QStringLiteral("cut.bmp")));
  QFile::resize(dir.filePath(QStringLiteral("cut.bmp")), 1000);
  AnswerBox(QStringLiteral("「cut.bmp」のピクセルデータが途中で切れています。"));
  OpenThroughToolBar(window, dir.filePath(QStringLiteral("cut.bmp")));
  AnswerBox(QStringLiteral("120 × 120 [Pixel] 以上のビットマップを指定してください。"));
  OpenThroughToolBar(window, WritePicture(dir, QStringLiteral("small.bmp"), 119, 300));
  Expect(!TFrmFR0010MNView(window).PictureReady() && !TFrmFR0010MNView(window).Game().Playing, "a refused picture ends the game");
}

void RunScript() {
  TFrmFR0010MN* window = FrmFR0010MN;
  Expect(testdriver::ShowAndWait(window), "the main window is shown");
  const QDir samples(QStringLiteral(TESSRA_SOURCE_DIR "/samples"));
  const QStringList pictures = samples.entryList({QStringLiteral("*.bmp")}, QDir::Files);
  Expect(!pictures.isEmpty(), "sample pictures are there");
  for (const QString& name : pictures) {
    OpenThroughToolBar(window, samples.filePath(name));
    Expect(TFrmFR0010MNView(window).PictureReady(), "a sample picture loads");
  }

  QTemporaryDir dir;
  const int slides = QCoreApplication::arguments().size() > 1
                         ? QCoreApplication::arguments().at(1).toInt()
                         : 1000;
  PlayAndRefuse(window, dir, slides);

  bool aboutShown = false;
  SetNextModalAnswer([&aboutShown](TForm* box) {
    aboutShown = dynamic_cast<TFrmFR0000AB*>(box) != nullptr;
    return mrOk;
  });
  testdriver::Choose(window->MnuAbout);
  Expect(aboutShown, "the About box comes up");
  Expect(ClearModalAnswers() == 0, "every queued box answer was used");
  testdriver::Click(window->SpbExit);
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  Application->Initialize(argc, argv);
  Application->SetTitle("Tessra");
  Application->CreateForm(FrmFR0010MN);
  testdriver::Later(RunScript);
  Application->Run();
  Expect(!FrmFR0010MN->Visible(), "closing the window ends the loop");
  Application->Finalize();
  if (failures == 0) std::fprintf(stderr, "session_driver: session completed\n");
  return failures == 0 ? 0 : 1;
}
