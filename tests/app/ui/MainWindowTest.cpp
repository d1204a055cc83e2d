#include "app/ui/CMainFrame.h"
#include "support/DatabaseTest.h"

#include <QApplication>
#include <QLabel>

namespace {

using MainWindowTest = SessionTest;

TEST_F(MainWindowTest, TheStartViewShowsTitleAndVersionAndOffersADatabase) {
    int argc = 1;
    char name[] = "tarvo";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    auto doc = MakeDoc(tempDir.path());
    prompter.Expect(Answer::Yes);

    CMainFrame frame(*doc);
    frame.show();
    QApplication::processEvents();
    QApplication::processEvents();

    EXPECT_EQ(frame.windowTitle(), "TARVO");
    bool versionShown = false;
    for (QLabel* label : frame.findChildren<QLabel*>())
        versionShown = versionShown || label->text() == "ВЕРСИЯ: 0.12.1-14";
    EXPECT_TRUE(versionShown);
    EXPECT_TRUE(doc->IsOpen());
    EXPECT_EQ(prompter.Count(), 1);
    EXPECT_FALSE(frame.grab().isNull());
}

} // namespace
