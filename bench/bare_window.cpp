// SPDX-License-Identifier: GPL-3.0-or-later
// The baseline of the start-up ratio (scripts/startup-ratio.sh): a bare QMainWindow
// holding a QTextEdit, of the calculator's size, under a title of its own that the
// script waits for.
#include <QApplication>
#include <QMainWindow>
#include <QTextEdit>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Numbrella bare window"));
  window.setCentralWidget(new QTextEdit(&window));
  window.resize(1021, 720);
  window.show();
  return QApplication::exec();
}
