// The desktop program: one fixed window over the model, the analysis and its five views.
#include <QApplication>

#include <csignal>

#include "ui/form1.h"
#include "ui/window_font.h"

int main(int argc, char* argv[]) {
  // Under a file-size limit a write that passes it must fail and be reported like a full disk,
  // not end the program with the signal.
  std::signal(SIGXFSZ, SIG_IGN);
  QApplication application(argc, argv);
  QApplication::setFont(WindowFont());
  Form1 form;
  form.show();
  return QApplication::exec();
}
