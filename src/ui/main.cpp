// The desktop program: one fixed window over the model, the analysis and its five views;
// "femframe MODEL" opens the model at start as if it had been chosen in the dialog. Without a
// display it says so in a message of its own and ends, instead of the toolkit's abort.
#include <QApplication>
#include <QFile>
#include <QTimer>
#include <csignal>
#include <cstdio>

#include "files/run_temporaries.h"
#include "ui/main_window.h"
#include "ui/qt_japanese.h"
#include "ui/window_arguments.h"
#include "ui/window_font.h"

int main(int argc, char* argv[]) {
  // Under a file-size limit a write that passes it must fail and be reported like a full disk,
  // not end the program with the signal.
  std::signal(SIGXFSZ, SIG_IGN);
  RemoveTemporariesOnSignals();
  if (const std::optional<int> status = AnswerInformationRequest(argc, argv)) return *status;
  // Qt removes its own options from the arguments it is given, so it sees none from "--" on.
  const int toolkitArguments = ToolkitArgumentCount(argc, argv);
  if (const std::optional<std::string> missing = MissingDisplayMessage(toolkitArguments, argv)) {
    std::fputs(missing->c_str(), stderr);
    return 1;
  }
  int toolkitArgc = toolkitArguments;
  QApplication application(toolkitArgc, argv);
  std::vector<std::string> arguments;
  for (const QString& argument : QCoreApplication::arguments()) {
    arguments.push_back(QFile::encodeName(argument).toStdString());
  }
  arguments.insert(arguments.end(), argv + toolkitArguments, argv + argc);
  const ParsedWindowArguments parsed = ParseWindowArguments(arguments);
  if (!parsed) {
    std::fprintf(stderr, "%s\n%s", parsed.usageError.c_str(), WindowUsageText());
    return 2;
  }
  InstallQtJapanese();
  QApplication::setFont(WindowFont());
  MainWindow window;
  window.show();
  // From the event loop, as if chosen in the dialog: a file that cannot be read is reported and
  // the window stays open, empty.
  if (!parsed->modelPath.empty()) {
    QTimer::singleShot(0, &window, [&window, &parsed] { window.OpenModel(parsed->modelPath); });
  }
  return QApplication::exec();
}
