// The desktop program: one fixed window over the model, the analysis and its five views.
#include <QApplication>

#include "ui/form1.h"
#include "ui/window_font.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setFont(WindowFont());
  Form1 form;
  form.show();
  return QApplication::exec();
}
