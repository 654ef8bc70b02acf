#include "tests/ui/ui_test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// One application for the whole test program.
class QtApplicationEnvironment : public testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "korvane_ui_tests";
        static char* argv[] = {name, nullptr};
        application = std::make_unique<QApplication>(argc, argv);
        QApplication::setApplicationName(QStringLiteral("Препроводительная ведомость"));
    }
    void TearDown() override { application.reset(); }

private:
    std::unique_ptr<QApplication> application;
};

[[maybe_unused]] testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

void pollForModal(QWidget* before, std::function<void(QWidget&)> action, int triesLeft) {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != before && modal->isVisible()) {
        showActive(*modal);
        action(*modal);
        // A window the action should have closed must not leave the test waiting for ever.
        QTimer::singleShot(3000, modal, [modal] {
            if (!modal->isVisible()) return;
            ADD_FAILURE() << "the modal window stayed open";
            modal->close();
        });
        return;
    }
    if (triesLeft == 0) {
        ADD_FAILURE() << "no modal window showed";
        return;
    }
    QTimer::singleShot(10, [=] { pollForModal(before, action, triesLeft - 1); });
}

} // namespace

void whenModalShows(std::function<void(QWidget& modal)> action) {
    QWidget* before = QApplication::activeModalWidget();
    QTimer::singleShot(0, [=] { pollForModal(before, action, 500); });
}

void showActive(QWidget& window) {
    window.show();
    window.activateWindow();
    // Qt counts a dialog active while its owner is; the focus must be in the window itself.
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &window; }));
}

QAbstractButton* buttonWithText(QWidget& parent, const QString& text) {
    for (QAbstractButton* button : parent.findChildren<QAbstractButton*>()) {
        if (button->text() == text) return button;
    }
    return nullptr;
}
