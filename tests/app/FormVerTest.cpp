// The About box: its size and texts, and the ways it closes and opens its address.

#include "app/FormVer.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLabel>
#include <QTest>

namespace tintora {
namespace {

TEST(FormVerTest, LooksAsSpecified) {
    TFormVer about;
    EXPECT_EQ(about.size(), QSize(300 + 8, 123 + 8)) << "the client area and its sizing frame";
    EXPECT_EQ(TFormVer::MainCaption(), "     Tintora  \r     Version: 2.24  ");
    EXPECT_EQ(about.LabelMain->geometry(), QRect(0, 0, 300, 58));
    EXPECT_EQ(about.LabelMain->palette().color(QPalette::Window), QColor(0xE1FFBF));
    EXPECT_EQ(about.LabelMain->palette().color(QPalette::WindowText), QColor(0x008000));
    EXPECT_EQ(about.imgVerInfoIcon->geometry(), QRect(8, 8, 32, 32));
    EXPECT_EQ(about.LabelHomePage->geometry(), QRect(45, 106, 243, 12));
    EXPECT_TRUE(about.LabelMailad->isHidden());
}

TEST(FormVerTest, AClickAnywhereCloses) {
    for (const auto target : {&TFormVer::LabelMain, &TFormVer::Label5}) {
        TFormVer about;
        about.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
        QTest::mouseClick(about.*target, Qt::LeftButton);
        EXPECT_FALSE(about.isVisible());
    }
    TFormVer about;
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    QTest::keyClick(&about, Qt::Key_Escape);
    EXPECT_FALSE(about.isVisible());
}

TEST(FormVerTest, TheHomePageOpensThroughTheDesktop) {
    std::vector<QUrl> opened;
    TFormVer about(nullptr, [&](const QUrl& url) {
        opened.push_back(url);
        EXPECT_NE(QGuiApplication::overrideCursor(), nullptr) << "busy while opening";
        return false;
    });
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    QTest::mouseClick(about.LabelHomePage, Qt::LeftButton);
    about.CmdLabelsClick(about.LabelMailad);
    EXPECT_EQ(opened, (std::vector<QUrl>{QUrl("https://tintora.example.org/"),
                                         QUrl("mailto:tintora@example.org")}));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "restored although opening failed";
    EXPECT_TRUE(about.isVisible());
}

} // namespace
} // namespace tintora
