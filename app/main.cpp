// The vexorin executable: a Qt application that runs the program.
#include "app/Program.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    app::runProgram();
    return 0;
}
