// The launcher window's own behaviour: its pictures, the About box behind
// the context menu, Escape, and how a picture button paints its states.
#include "suite_version.h"
#include "launcher_dialog.h"
#include "launcher_texts.h"
#include "scripted_runner.h"

#include "scratch.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace toolhub {
namespace {

class ToolhubWindow : public ::testing::Test {
protected:
    ToolhubWindow() { dialog_.show(); }

    harwick::testing::TempDir launcherDir_{"toolhub-window"};
    harwick::testing::ScriptedRunner runner_;
    LauncherDialog dialog_{launcherDir_.path(), runner_};
};

TEST_F(ToolhubWindow, EveryButtonAndTheWindowHaveTheirPictures)
{
    ASSERT_EQ(dialog_.Buttons().size(), 6u);
    for (const PictureButton* button : dialog_.Buttons()) {
        EXPECT_FALSE(button->icon().isNull()) << button->objectName().toStdString();
        EXPECT_FALSE(button->text().isEmpty()) << button->objectName().toStdString();
    }
    EXPECT_FALSE(dialog_.windowIcon().isNull());
    EXPECT_EQ(dialog_.windowTitle(), QStringLiteral("Harwick"));
}

TEST_F(ToolhubWindow, ARightClickOnAButtonOffersAboutWhichShowsTheVersion)
{
    QString version, suite;
    runner_.ThenMenu([](QMenu& menu) { return menu.findChild<QAction*>(kAboutAction); });
    runner_.Then([&version, &suite](QDialog& about) {
        if (auto* label = about.findChild<QLabel*>(kVersionLabel)) version = label->text();
        if (auto* label = about.findChild<QLabel*>(QStringLiteral("suiteVersion"))) suite = label->text();
        about.findChild<QPushButton*>(kOkButtonName)->click();
        return about.result();
    });
    PictureButton* button = dialog_.Buttons().front();
    const QPoint pos = button->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, button->mapToGlobal(pos));
    QApplication::sendEvent(button, &event);

    EXPECT_EQ(runner_.MenusShown(), 1);
    EXPECT_EQ(runner_.Titles(), std::vector<std::string>{"About toolhub"});
    EXPECT_EQ(version, QStringLiteral("toolhub version 1.2"));
    EXPECT_EQ(suite.toStdString(), harwick::kSuiteVersionLine);
    EXPECT_TRUE(dialog_.isVisible());
}

TEST_F(ToolhubWindow, EscapeOnAFocusedButtonClosesTheWindow)
{
    PictureButton* button = dialog_.Buttons().back();
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Escape);
    EXPECT_FALSE(dialog_.isVisible());
    EXPECT_EQ(dialog_.result(), QDialog::Rejected);
}

TEST_F(ToolhubWindow, HoverLightensTheFaceWithARaisedFramePressingSinksIt)
{
    PictureButton* button = dialog_.Buttons().front();
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, QColor(236, 233, 216));
    palette.setColor(QPalette::Light, QColor(255, 255, 255));
    palette.setColor(QPalette::Dark, QColor(128, 128, 128));
    button->setPalette(palette);
    const QColor face(236, 233, 216);
    const QColor lit(255, 252, 235);
    const QColor light(255, 255, 255);
    const QColor shadow(128, 128, 128);
    // Left edge, just inside it, and the right edge, half-way down.
    const auto pixels = [button] {
        const QImage image = button->grab().toImage();
        const int mid = image.height() / 2;
        return std::vector<QColor>{image.pixelColor(0, mid), image.pixelColor(1, mid),
                                   image.pixelColor(image.width() - 1, mid)};
    };

    EXPECT_EQ(pixels(), (std::vector<QColor>{face, face, face}));
    button->setAttribute(Qt::WA_UnderMouse, true);
    EXPECT_EQ(pixels(), (std::vector<QColor>{light, lit, shadow}));
    button->setDown(true);
    EXPECT_EQ(pixels(), (std::vector<QColor>{shadow, lit, light}));
    button->setAttribute(Qt::WA_UnderMouse, false);
    button->setDown(false);
    EXPECT_EQ(pixels(), (std::vector<QColor>{face, face, face}));
}

} // namespace
} // namespace toolhub
