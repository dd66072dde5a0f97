#include "platform/KeyFilter.h"

#include "TestServices.h"
#include "platform/DialogTemplate.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace corvane::platform {
namespace {

void press(QWidget* target, int key, const QString& text = {}) {
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &up);
}

TEST(KeyFilter, EnterAndEscapeNeverCloseTheWindowNorPressAButton) {
    corvane::testing::ensureApplication();
    QDialog dialog;
    ASSERT_TRUE(buildFromTemplate(dialog, 129));
    auto* add = control<QPushButton>(dialog, 1003);
    add->setDefault(true);
    installEnterEscapeFilter(dialog);
    int clicks = 0;
    int closings = 0;
    QObject::connect(add, &QPushButton::clicked, [&clicks] { ++clicks; });
    QObject::connect(&dialog, &QDialog::finished, [&closings] { ++closings; });
    dialog.show();
    auto* name = control<QLineEdit>(dialog, 1001);

    for (QWidget* target : {static_cast<QWidget*>(name), static_cast<QWidget*>(add),
                            static_cast<QWidget*>(&dialog)}) {
        for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
            press(target, key);
        }
    }
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(closings, 0);

    // Every other key goes on as usual.
    press(name, Qt::Key_A, "a");
    EXPECT_EQ(name->text(), "a");
    press(add, Qt::Key_Space, " ");
    EXPECT_EQ(clicks, 1);

    // Without the filter the same dialog closes on Escape.
    QDialog plain;
    ASSERT_TRUE(buildFromTemplate(plain, 129));
    plain.show();
    press(&plain, Qt::Key_Escape);
    EXPECT_FALSE(plain.isVisible());
}

} // namespace
} // namespace corvane::platform
