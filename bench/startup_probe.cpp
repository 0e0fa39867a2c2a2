// The program as it starts for a user, ending after its first frame: the whole-process
// start-up that bench/compare_startup.py sets beside the minimal CJK window.
#include "first_frame.h"
#include "shell/application.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    quitAfterFirstFrame(app);
    return runApplication(app);
}
