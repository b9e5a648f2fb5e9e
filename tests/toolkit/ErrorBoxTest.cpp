#include "tests/support/ModalHelper.h"
#include "toolkit/core/UserError.h"
#include "toolkit/gui/ErrorBox.h"
#include "toolkit/gui/Handler.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

TEST(FullStopRule, AppendsAfterCharactersAboveTheFullStop) {
    EXPECT_EQ(withFullStop("Zbyt mała ilość losowań"), "Zbyt mała ilość losowań.");
    EXPECT_EQ(withFullStop("Zbyt duża liczba punktów"), "Zbyt duża liczba punktów.");
    EXPECT_EQ(withFullStop("'' is not a valid integer value"), "'' is not a valid integer value.");
    EXPECT_EQ(withFullStop("wartość 5"), "wartość 5.");
}

TEST(FullStopRule, KeepsMessagesEndingAtOrBelowTheFullStop) {
    EXPECT_EQ(withFullStop("Zbyt mała ilość miast!"), "Zbyt mała ilość miast!");
    EXPECT_EQ(withFullStop("Koniec."), "Koniec.");
    EXPECT_EQ(withFullStop("a-"), "a-");
    EXPECT_EQ(withFullStop("a,"), "a,");
    EXPECT_EQ(withFullStop(""), "");
}

TEST(StandardErrorBox, ShowsIconCaptionAndMessage) {
    ModalHelper helper;
    SeenBox seen;
    helper.next(answerBox(&seen, QMessageBox::Ok));
    showErrorBox("Zbyt duża liczba punktów");
    ASSERT_TRUE(seen.seen);
    EXPECT_EQ(seen.text, "Zbyt duża liczba punktów.");
    EXPECT_EQ(seen.caption, QCoreApplication::applicationName());
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
}

TEST(StandardErrorBox, AHandlersErrorIsShownAndItsWorkStops) {
    QPushButton button("x");
    button.show();
    bool afterError = false;
    QObject::connect(&button, &QPushButton::clicked, handler([&] {
        throw UserError("'abc' is not a valid integer value");
        afterError = true;  // never reached: the handler stops at the error
    }));
    ModalHelper helper;
    SeenBox seen;
    helper.next(answerBox(&seen, QMessageBox::Ok));
    QTest::mouseClick(&button, Qt::LeftButton);
    ASSERT_TRUE(seen.seen);
    EXPECT_EQ(seen.text, "'abc' is not a valid integer value.");
    EXPECT_FALSE(afterError);
    button.hide();
    EXPECT_TRUE(noVisibleTopLevels());
}

namespace {

// An object whose event handler fails outright, without a guard.
class FailingReceiver : public QObject {
public:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User)
            throw UserError("Zbyt duża liczba punktów");
        return QObject::event(e);
    }
};

} // namespace

TEST(StandardErrorBox, AnErrorEscapingAnEventHandlerIsCaughtByTheApplication) {
    FailingReceiver receiver;
    ModalHelper helper;
    SeenBox seen;
    helper.next(answerBox(&seen, QMessageBox::Ok));
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&receiver, &event);
    ASSERT_TRUE(seen.seen);
    EXPECT_EQ(seen.text, "Zbyt duża liczba punktów.");
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
}
