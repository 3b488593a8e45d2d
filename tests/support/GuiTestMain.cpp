// main of the GUI tests: a QApplication (offscreen under CTest) around the GoogleTest run.
#include <QApplication>
#include <QtGlobal>

#include <gtest/gtest.h>

namespace {

QtMessageHandler previousHandler = nullptr;

// The offscreen platform says for every shown window that it cannot raise it; that is no news.
void quietOffscreenNotes(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    if (previousHandler)
        previousHandler(type, context, message);
}

} // namespace

int main(int argc, char** argv) {
    previousHandler = qInstallMessageHandler(quietOffscreenNotes);
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
