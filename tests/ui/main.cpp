// GUI tests run headless in one offscreen QApplication.
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <gtest/gtest.h>

namespace {

// A real message box or modal dialog still open when a test ends was shown to
// nobody: the test fails, and the box is closed so the next test starts clean.
class OffeneFensterPrüfen : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo&) override {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(w);
            auto* dialog = qobject_cast<QDialog*>(w);
            if (!w->isVisible() || !(box || (dialog && dialog->isModal()))) continue;
            ADD_FAILURE() << "a modal window was left open: "
                          << (box ? box->text() : w->windowTitle()).toStdString();
            w->close();
        }
    }
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new OffeneFensterPrüfen);
    return RUN_ALL_TESTS();
}
