// Work beside the window: the window stays deaf to typing of any kind while it runs, and work
// that throws ends without taking the program with it.
#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

#include "widgets/BackgroundWork.h"

TEST(BackgroundWork, DeafToInputMethodsAndSurvivesAThrow)
{
    QWidget window;
    auto* edit = new QLineEdit(&window);
    window.show();
    const auto compose = [edit](const QString& text) {
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(edit, &event);
    };
    platform::BackgroundWork work(window, QStringLiteral("busy"));
    EXPECT_TRUE(work.Run([&] { work.OnWindowThread([&] { compose(QStringLiteral("\u65E5\u672C")); }); }));
    EXPECT_EQ(edit->text(), "") << "typed through an input method while the work ran";
    compose(QStringLiteral("\u65E5"));
    EXPECT_EQ(edit->text(), "\u65E5") << "and taken again once it ended";

    EXPECT_FALSE(work.Run([] { throw std::bad_alloc(); }));
    EXPECT_TRUE(window.isVisible());
}
